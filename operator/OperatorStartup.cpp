#include "operator/OperatorContext.h"

namespace qd {

bool PrepareOperatorAtStartup(OperatorContext& c) {
    for (int i = 1; i <= c.data.state.parameterCount; ++i) {
        const ParameterEntry* e = c.data.parameters.Entry(i);
        if (e && IsOffered(c.data.state, *e)) return true;
    }
    return false;
}

}  // namespace qd
