#include "drive/OperationErrors.h"

#include <algorithm>
#include <initializer_list>

#include "drive/ParameterAccess.h"
#include "drive/Terminals.h"

namespace qd {

namespace {

constexpr int kHardwireBaseblockCode = 10;

struct Conflict {
    int setting;
    std::initializer_list<int> others;
};

// A setting on one terminal conflicts with any of its set on another terminal.
const Conflict kConflicts[] = {
    {0x10, {0x0A, 0x1E, 0x44, 0x45, 0x46, 0x75, 0x76}},
    {0x11, {0x0A, 0x1E, 0x44, 0x45, 0x46, 0x75, 0x76}},
    {0x0A, {0x10, 0x11, 0x1E, 0x44, 0x45, 0x46, 0x75, 0x76}},
    {0x44, {0x0A, 0x10, 0x11, 0x1E, 0x75, 0x76}},
    {0x45, {0x0A, 0x10, 0x11, 0x1E, 0x75, 0x76}},
    {0x46, {0x0A, 0x10, 0x11, 0x1E, 0x75, 0x76}},
    {0x75, {0x0A, 0x1E, 0x44, 0x45, 0x46}},
    {0x76, {0x0A, 0x1E, 0x44, 0x45, 0x46}},
    {0x61, {0x62}},
    {0x15, {0x17}},
    {0x65, {0x66, 0x68, 0x7A, 0x7B}},
    {0x66, {0x65, 0x68, 0x7A, 0x7B}},
    {0x68, {0x65, 0x66, 0x7A, 0x7B}},
    {0x7A, {0x65, 0x66, 0x68, 0x7B}},
    {0x7B, {0x65, 0x66, 0x68, 0x7A}},
    {0x16, {0x1A}},
    {0x40, {0x42, 0x43}},
    {0x41, {0x42, 0x43}},
    {0x60, {0x6A}},
};

bool Holds(const std::array<int, 7>& f, int setting) {
    return std::find(f.begin(), f.end(), setting) != f.end();
}

bool MultiFunctionInputError(const OperationErrorInputs& in) {
    const auto& f = in.inputFunctions;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] < 0) continue;
        for (size_t j = 0; j < f.size(); ++j) {
            if (i == j) continue;
            const bool shared = f[i] == 0x0F || (f[i] >= 0x20 && f[i] <= 0x2F);
            if (f[i] == f[j] && !shared) return true;
            for (const Conflict& c : kConflicts)
                if (c.setting == f[i] &&
                    std::find(c.others.begin(), c.others.end(), f[j]) != c.others.end())
                    return true;
        }
    }
    if (in.b115 == 1 && (in.a1Function == 0 || in.a2Function == 0)) return true;
    if (Holds(f, 0x7E) && in.h601 != 3) return true;
    const bool up = Holds(f, 0x10) || Holds(f, 0x75);
    const bool down = Holds(f, 0x11) || Holds(f, 0x76);
    if (in.pidActive && (up || down)) return true;
    if (up != down) return true;
    // Option/inverter selection switching back to a pulse-train reference while
    // the pulse input is set to something other than the frequency reference.
    if (Holds(f, 0x02) && in.h601 != 0 && in.b101 == 4) return true;
    return false;
}

bool AnalogInputError(const OperationErrorInputs& in) {
    const float a1 = in.a1Function, a2 = in.a2Function;
    if (a1 != 0 && a1 != 15 && a1 == a2 && (!in.pidActive || a1 == 11)) return true;
    if (!in.pidActive) return false;
    if ((a1 == 11 || a2 == 11) && in.h601 == 1) return true;
    if ((a1 == 12 || a2 == 12) && in.h601 == 2) return true;
    if ((a1 == 12 || a2 == 12) && in.b518 == 1) return true;
    return false;
}

bool ControlMethodError(const OperationErrorInputs& in) {
    if ((in.a102 == 0 || in.a102 == 2) && in.h601 == 3) return true;
    if (in.a102 == 2 && (in.n202 > in.n203 || in.c402 > in.c406)) return true;
    if (in.a102 == 5) {
        if (in.e502 == 0 && in.e503 == 0 && in.e504 == 0 && in.e505 == 0 && in.e506 == 0 &&
            in.e507 == 0)
            return true;
        if (in.e503 == 0 && in.e509 != 0 && in.e524 != 0) return true;
    }
    return false;
}

bool VfPatternError(const OperationErrorInputs& in) {
    if (in.a102 == 5) return in.e104 < in.e106;
    const bool motor1 = in.e104 >= in.e106 && in.e106 >= in.e107 && in.e107 >= in.e109;
    const bool motor2 = in.e304 >= in.e306 && in.e306 >= in.e307 && in.e307 >= in.e309;
    return !motor1 || !motor2;
}

}  // namespace

int FindOperationError(const OperationErrorInputs& in) {
    if (in.o204 != in.driveModelCode) return 1;
    if (MultiFunctionInputError(in)) return 3;
    if (in.runSourceCode == 3) return 4;
    if (AnalogInputError(in)) return 5;
    if (ControlMethodError(in)) return 6;
    if (in.b515 > 0 && (in.b103 == 2 || in.b103 == 3) && in.pidActive) return 7;
    if (VfPatternError(in)) return 8;
    if (RoundWhole(in.c605) > 6 && in.c604 > in.c603) return 9;
    return 0;
}

OperationErrorInputs GatherOperationErrorInputs(DriveContext& c) {
    DriveData& d = c.data;
    auto value = [&d](const char* code) { return ReadOr(d, code, 0); };
    auto whole = [&d](const char* code) {
        return static_cast<int>(RoundWhole(ReadOr(d, code, 0)));
    };
    OperationErrorInputs in;
    in.inputFunctions = c.sim.inputFunctions;
    in.o204 = whole("O2-04");
    in.h601 = whole("H6-01");
    in.a102 = whole("A1-02");
    in.b101 = whole("B1-01");
    in.n202 = whole("N2-02"), in.n203 = whole("N2-03");
    in.c402 = whole("C4-02"), in.c406 = whole("C4-06");
    in.e502 = value("E5-02"), in.e503 = value("E5-03"), in.e504 = value("E5-04");
    in.e505 = value("E5-05"), in.e506 = value("E5-06"), in.e507 = value("E5-07");
    in.e509 = value("E5-09"), in.e524 = value("E5-24");
    in.e104 = value("E1-04"), in.e106 = value("E1-06"), in.e107 = value("E1-07");
    in.e109 = value("E1-09");
    in.e304 = value("E3-04"), in.e306 = value("E3-06"), in.e307 = value("E3-07");
    in.e309 = value("E3-09");
    in.c603 = value("C6-03"), in.c604 = value("C6-04"), in.c605 = value("C6-05");
    in.b515 = value("B5-15");
    in.b518 = whole("B5-18"), in.b103 = whole("B1-03"), in.b115 = whole("B1-15");
    in.a1Function = c.sim.a1Function;
    in.a2Function = c.sim.a2Function;
    in.runSourceCode = c.sim.runSourceCode;
    in.driveModelCode = c.data.state.driveModelCode;
    in.pidActive = c.sim.pidActive;
    return in;
}

void OperationErrorChecks(DriveContext& c) {
    DriveState& s = c.data.state;
    int code = HardwireBaseblockOpen(c) ? kHardwireBaseblockCode : 0;
    if (code == 0) code = FindOperationError(GatherOperationErrorInputs(c));
    if (code != 0) {
        s.errorState = 2;
        s.faultLatched = true;
        s.errorIndex = static_cast<uint16_t>(code);
    } else if (s.errorState == 2) {
        s.runBlocked = false;
        s.faultLatched = false;
        s.faultShown = false;
        s.errorState = 0;
    }
}

}  // namespace qd
