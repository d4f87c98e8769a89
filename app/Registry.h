// The settings component: composes key paths below its Path and encodes values
// as text. Reads fall back to the caller's default; writes fail silently.
#pragma once

#include <cstdint>
#include <string>

#include "app/Platform.h"

namespace qd {

enum class TRoot { rHKEY_CURRENT_USER, rHKEY_LOCAL_MACHINE };

class TCustomRegistry {
public:
    explicit TCustomRegistry(SettingsStore& store) : store_(store) {}

    std::string Path;
    std::string Section;
    TRoot Root = TRoot::rHKEY_CURRENT_USER;

    // Every read and write opens and closes its own key, so these only bracket.
    bool Open() { return true; }
    void Close() {}

    bool ReadBool(const std::string& section, const std::string& name, bool defaultValue);
    int32_t ReadInteger(const std::string& section, const std::string& name, int32_t defaultValue);
    void ReadString(const std::string& section, const std::string& name, std::string& result,
                    const std::string& defaultValue);
    void WriteBool(const std::string& section, const std::string& name, bool value);
    void WriteInteger(const std::string& section, const std::string& name, int32_t value);
    void WriteString(const std::string& section, const std::string& name, const std::string& value);

    // Path + "\" + section + "\" + name, one separator between the parts.
    std::string KeyOf(const std::string& section, const std::string& name) const;

private:
    SettingsStore& store_;
};

class TReg : public TCustomRegistry {
public:
    using TCustomRegistry::TCustomRegistry;
    std::string Name;
    int Tag = 0;
};

// The text of a stored integer, or false when it is not a whole signed number.
bool ParseStoredInteger(const std::string& text, int32_t& value);

}  // namespace qd
