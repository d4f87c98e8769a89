// Small helpers the keypad's lists share when they walk the parameter catalogue.
#pragma once

#include <cctype>

#include "operator/OperatorContext.h"

namespace qd {

inline char UpperCode(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Every registered entry in catalogue order.
template <typename F>
void ForEachParameter(const OperatorContext& c, F f) {
    for (int i = 1; i <= c.data.state.parameterCount; ++i)
        if (const ParameterEntry* e = c.data.parameters.Entry(i)) f(*e);
}

}  // namespace qd
