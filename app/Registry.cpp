#include "app/Registry.h"

#include <cerrno>
#include <cstdlib>

namespace qd {

namespace {
void AppendPart(std::string& key, const std::string& part) {
    std::string p = part;
    while (!p.empty() && p.front() == '\\') p.erase(p.begin());
    while (!p.empty() && p.back() == '\\') p.pop_back();
    if (p.empty()) return;
    if (!key.empty() && key.back() != '\\') key += '\\';
    key += p;
}
}  // namespace

bool ParseStoredInteger(const std::string& text, int32_t& value) {
    if (text.empty()) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE) return false;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    // strtoll accepts leading blanks; a stored number does not have them.
    if (text.front() == ' ' || text.front() == '\t') return false;
    value = static_cast<int32_t>(v);
    return true;
}

std::string TCustomRegistry::KeyOf(const std::string& section, const std::string& name) const {
    std::string key;
    AppendPart(key, Path);
    AppendPart(key, section);
    AppendPart(key, name);
    return key;
}

bool TCustomRegistry::ReadBool(const std::string& section, const std::string& name,
                               bool defaultValue) {
    std::string text;
    int32_t v = 0;
    if (!store_.Read(KeyOf(section, name), text) || !ParseStoredInteger(text, v))
        return defaultValue;
    return v > 0;
}

int32_t TCustomRegistry::ReadInteger(const std::string& section, const std::string& name,
                                     int32_t defaultValue) {
    std::string text;
    int32_t v = 0;
    if (!store_.Read(KeyOf(section, name), text) || !ParseStoredInteger(text, v))
        return defaultValue;
    return v;
}

void TCustomRegistry::ReadString(const std::string& section, const std::string& name,
                                 std::string& result, const std::string& defaultValue) {
    if (!store_.Read(KeyOf(section, name), result)) result = defaultValue;
}

void TCustomRegistry::WriteBool(const std::string& section, const std::string& name, bool value) {
    store_.Write(KeyOf(section, name), value ? "1" : "0");
}

void TCustomRegistry::WriteInteger(const std::string& section, const std::string& name,
                                   int32_t value) {
    store_.Write(KeyOf(section, name), std::to_string(value));
}

void TCustomRegistry::WriteString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    store_.Write(KeyOf(section, name), value);
}

}  // namespace qd
