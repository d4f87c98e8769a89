#include "operator/OperatorContext.h"
#include "operator/PreferredParameters.h"
#include "operator/Selectors.h"

namespace qd {

bool PrepareOperatorAtStartup(OperatorContext& c) {
    BuildParamLetters(c);
    ApplyApplicationPreset(c, 0);
    if (c.panel.paramLetters.Empty()) return false;
    c.panel.paramLetters.index = 1;
    BuildVerifyList(c);
    return true;
}

}  // namespace qd
