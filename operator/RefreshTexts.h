// The texts the refresh makes of the drive quantities, and the labels by state.
#pragma once

#include <string>

#include "operator/OperatorContext.h"

namespace qd {

struct RefreshTexts {
    std::string reference;        // two decimals, five characters
    std::string outputFrequency;  // magnitude, one decimal from 100 Hz
    std::string current;
    std::string voltage;
};

RefreshTexts MakeRefreshTexts(const DriveState& s);

// StatusLabel and InfoLabel when no fault is latched and no alarm text shows.
void UpdateStateLabels(OperatorContext& c);

}  // namespace qd
