#include <gtest/gtest.h>

#include <functional>

#include "drive/OperationErrors.h"

namespace qd {
namespace {

// Consistent settings as the drive starts: two-wire inputs, V/f control.
OperationErrorInputs Consistent() {
    OperationErrorInputs in;
    in.inputFunctions = {0x40, 0x41, 0x24, 0x14, 0x03, 0x04, 0x06};
    in.o204 = in.driveModelCode = 97;
    in.e104 = 60, in.e106 = 60, in.e107 = 3, in.e109 = 1.5f;
    in.e304 = 60, in.e306 = 60, in.e307 = 3, in.e309 = 1.5f;
    in.b101 = 1;
    return in;
}

struct ErrorCase {
    const char* what;
    std::function<void(OperationErrorInputs&)> change;
    int code;
};

TEST(FindOperationError, RaisesTheFirstErrorThatApplies) {
    const ErrorCase cases[] = {
        {"consistent", [](auto&) {}, 0},
        {"model code", [](auto& in) { in.o204 = 96; }, 1},
        {"duplicate fault reset", [](auto& in) { in.inputFunctions[4] = 0x14; }, 3},
        {"three-wire run may repeat",
         [](auto& in) { in.inputFunctions[0] = in.inputFunctions[1] = 0x0F; }, 0},
        {"external faults may repeat", [](auto& in) { in.inputFunctions[4] = 0x24; }, 0},
        {"UP without DOWN", [](auto& in) { in.inputFunctions[2] = 0x10; }, 3},
        {"UP with DOWN",
         [](auto& in) {
             in.inputFunctions[2] = 0x10;
             in.inputFunctions[3] = 0x11;
         },
         0},
        {"UP/DOWN with PID",
         [](auto& in) {
             in.inputFunctions[2] = 0x10;
             in.inputFunctions[3] = 0x11;
             in.pidActive = true;
         },
         3},
        {"UP with ramp hold",
         [](auto& in) {
             in.inputFunctions[2] = 0x10;
             in.inputFunctions[3] = 0x11;
             in.inputFunctions[4] = 0x0A;
         },
         3},
        {"emergency stop N.O. and N.C.",
         [](auto& in) {
             in.inputFunctions[4] = 0x15;
             in.inputFunctions[5] = 0x17;
         },
         3},
        {"run N.O. and N.C.", [](auto& in) { in.inputFunctions[4] = 0x42; }, 3},
        {"7E without pulse setting 3", [](auto& in) { in.inputFunctions[4] = 0x7E; }, 3},
        {"7E with pulse setting 3 passes, then V/f with pulse setting 3",
         [](auto& in) {
             in.inputFunctions[4] = 0x7E;
             in.h601 = 3;
         },
         6},
        {"B1-15 with an A1 reference", [](auto& in) { in.b115 = 1; }, 3},
        {"option selection with pulse reference",
         [](auto& in) {
             in.inputFunctions[4] = 0x02;
             in.b101 = 4;
             in.h601 = 1;
         },
         3},
        {"option selection, pulse set as reference",
         [](auto& in) {
             in.inputFunctions[4] = 0x02;
             in.b101 = 4;
             in.h601 = 0;
         },
         0},
        {"run source option", [](auto& in) { in.runSourceCode = 3; }, 4},
        {"same analog function twice", [](auto& in) { in.a1Function = in.a2Function = 2; }, 5},
        {"analog function 0 twice is allowed", [](auto& in) { in.a1Function = in.a2Function = 0; },
         0},
        {"PID feedback twice",
         [](auto& in) {
             in.a1Function = in.a2Function = 11;
             in.pidActive = true;
         },
         5},
        {"PID setpoint with pulse setting 2",
         [](auto& in) {
             in.a1Function = 12;
             in.h601 = 2;
             in.pidActive = true;
         },
         5},
        {"vector control with pulse setting 3",
         [](auto& in) {
             in.a102 = 2;
             in.h601 = 3;
         },
         6},
        {"N2-02 above N2-03",
         [](auto& in) {
             in.a102 = 2;
             in.n202 = 5;
             in.n203 = 4;
         },
         6},
        {"PM motor data all 0", [](auto& in) { in.a102 = 5; }, 6},
        {"sleep with coast and PID",
         [](auto& in) {
             in.b515 = 1;
             in.b103 = 2;
             in.pidActive = true;
         },
         7},
        {"base above maximum", [](auto& in) { in.e106 = 70; }, 8},
        {"minimum above mid", [](auto& in) { in.e109 = 5; }, 8},
        {"motor 2 pattern", [](auto& in) { in.e307 = 70; }, 8},
        {"carrier",
         [](auto& in) {
             in.c605 = 7;
             in.c604 = 10;
             in.c603 = 5;
         },
         9},
        {"order: model code before inputs",
         [](auto& in) {
             in.o204 = 0;
             in.inputFunctions[4] = 0x14;
         },
         1},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.what);
        OperationErrorInputs in = Consistent();
        c.change(in);
        EXPECT_EQ(FindOperationError(in), c.code);
    }
}

}  // namespace
}  // namespace qd
