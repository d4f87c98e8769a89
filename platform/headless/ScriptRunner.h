// Runs a script against a fresh simulator, one command per line, writing one
// JSON object per line. The exit status tells how the run ended.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace qd::headless {

enum ExitStatus { kScriptPassed = 0, kExpectFailed = 1, kScriptError = 2, kFatalStop = 3 };

// `programPath` is the path of the runner; the program folder is its folder.
int RunScript(std::istream& in, std::ostream& out, const std::string& programPath);

}  // namespace qd::headless
