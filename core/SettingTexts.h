// The setting texts of the selection parameters: the multi-function input list
// (H1-01 to H1-07) and output list (H2-01 to H2-03).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ParameterEntry.h"

namespace qd {

struct DriveData;

// The two lists as the drive knows them, in order.
const std::vector<std::string>& InputSettingTexts();   // 88 texts
const std::vector<std::string>& OutputSettingTexts();  // 108 texts

// Adds one text to the list of the parameter at entryIndex (1-based).
void AddSettingText(DriveData& d, SettingTextList& list, const SettingTextEntry& text,
                    uint8_t editType, int entryIndex);
void AttachSettingTexts(DriveData& d, SettingTextList& list, uint16_t reg, uint8_t editType,
                        int entryIndex);
void AttachAllSettingTexts(DriveData& d);
void RebuildSettingTexts(DriveData& d);

}  // namespace qd
