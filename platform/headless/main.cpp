// qd720-script: the whole simulator without a window, driven by a script.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "platform/headless/Json.h"
#include "platform/headless/ScriptRunner.h"

int main(int argc, char** argv) {
    std::error_code ec;
    std::string programPath = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec || programPath.empty()) programPath = argc > 0 ? argv[0] : "qd720-script";

    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) != "-") {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cout << "{\"type\":\"error\",\"line\":0,\"text\":"
                      << qd::headless::Quote(std::string("cannot open script ") + argv[1]) << "}"
                      << std::endl;
            return qd::headless::kScriptError;
        }
        return qd::headless::RunScript(file, std::cout, programPath);
    }
    return qd::headless::RunScript(std::cin, std::cout, programPath);
}
