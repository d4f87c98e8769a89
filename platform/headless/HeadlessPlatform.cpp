#include "platform/headless/HeadlessPlatform.h"

#include <cctype>

#include "platform/headless/Json.h"

namespace qd::headless {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

bool MemorySettingsStore::Read(const std::string& key, std::string& value) {
    const auto it = values.find(key);
    if (it == values.end()) return false;
    value = it->second;
    return true;
}

bool MemorySettingsStore::Write(const std::string& key, const std::string& value) {
    values[key] = value;
    return true;
}

HeadlessPlatform::HeadlessPlatform(std::ostream& out)
    : out_(out), services_{*this, *this, *this, settings, *this, *this} {}

void HeadlessPlatform::SeedReturningUser() {
    const std::string base = "SOFTWARE\\Torvane\\QD720\\SETUP\\";
    settings.values[base + "PRG\\L30"] = "0";
    settings.values[base + "PRG\\L2"] = "0";
    settings.values[base + "PRG\\T01"] = "0";
    settings.values[base + "PRG\\VY2"] = "0";
    settings.values[base + "PROGRAM\\VERSION"] = "1.00.600";
}

void HeadlessPlatform::Message(const char* kind, const std::string& text) {
    out_ << Json::Obj()
                .Add("type", Json::Str("message"))
                .Add("kind", Json::Str(kind))
                .Add("text", Json::Str(text))
                .Dump()
         << '\n'
         << std::flush;
}

void HeadlessPlatform::ShowModal(const std::string& windowName) {
    out_ << Json::Obj().Add("type", Json::Str("dialog")).Add("name", Json::Str(windowName)).Dump()
         << '\n'
         << std::flush;
}

void HeadlessPlatform::CloseMainWindow() {
    if (mainWindowClosed) return;
    mainWindowClosed = true;
    if (onCloseMainWindow) onCloseMainWindow();
}

void HeadlessPlatform::Stop(const std::string& message) {
    if (fatalStopped) return;
    fatalStopped = true;
    out_ << Json::Obj().Add("type", Json::Str("fatal")).Add("text", Json::Str(message)).Dump()
         << '\n'
         << std::flush;
}

}  // namespace qd::headless
