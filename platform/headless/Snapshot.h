// What a script sees of the simulator at one instant.
#pragma once

#include <cstdint>

#include "app/SimForm.h"
#include "platform/headless/Json.h"

namespace qd::headless {

// The glyph a segment code is read as: a digit, a letter, '-', ' ' or '?'.
char GlyphOf(uint8_t segments);

Json TakeSnapshot(TSimForm& form);

}  // namespace qd::headless
