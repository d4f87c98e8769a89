// The rows of the parameter catalogue as constant data, for the builder and its
// tests. Private to core: the rest of the program reads the built catalogue.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/DefaultTable.h"

namespace qd {

struct DriveData;

namespace rows {

// The drive ratings of the default table that rows use as a range or a step.
enum class Rating : uint8_t {
    None,
    InputVoltageMinimum,
    InputVoltageMaximum,
    RatedCurrentMinimum,  // 0.1 x the rated current
    RatedCurrentMaximum,  // 2 x the rated current
    CurrentStep,
    UndervoltageMinimum,
    UndervoltageMaximum,
    DcBusMinimum,
    DcBusMaximum,
};

// A minimum, maximum or step: a constant, or a rating read at registration.
struct Bound {
    float constant = 0;
    Rating rating = Rating::None;
    constexpr Bound(float value) : constant(value) {}
    constexpr Bound(Rating fromTable) : rating(fromTable) {}
    float Value(const DefaultTable& table) const;
};

// The four column defaults: constants, or a slot of the default table read at
// registration, so a rebuild picks up the table as recomputed.
struct Defaults {
    std::array<float, 4> constants{};
    int slot = -1;
    constexpr Defaults(float all) : constants{all, all, all, all} {}
    constexpr Defaults(float c1, float c2, float c3, float c4) : constants{c1, c2, c3, c4} {}
    constexpr Defaults(DefaultSlot fromTable) : slot(static_cast<int>(fromTable)) {}
    bool FromTable() const { return slot >= 0; }
    std::array<float, 4> Values(const DefaultTable& table) const;
};

struct ParameterRow {
    const char* code;
    uint16_t reg;
    const char* name;
    const char* unit;  // nullptr: the drive's frequencyUnitText
    Defaults defaults;
    Bound minimum;
    Bound maximum;
    Bound step;
    const char* access;  // the four access levels as digits, column 1 first
    // R changeableDuringRun, H displayMode 1, S storeAction 1, E empty variants,
    // Tn editType n; separated by spaces.
    const char* flags;
};

const ParameterRow& PlaceholderRow();
std::span<const ParameterRow> CatalogueRows();  // the 440 parameters, in order

void RegisterRow(DriveData& d, uint8_t mode, const ParameterRow& row);

}  // namespace rows
}  // namespace qd
