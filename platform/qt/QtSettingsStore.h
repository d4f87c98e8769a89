// The per-user settings store of the desktop build.
#pragma once

#include <QString>
#include <string>

#include "app/Platform.h"

namespace qd::qt {

// Settings in an INI file, $XDG_CONFIG_HOME/Torvane/QD720.conf (~/.config when
// unset). Keys are written as the program spells them, "/" between the parts;
// on reading, names that differ only in case are the same key. The file holds
// the proxy password, so only its owner may read it.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}
    bool Read(const std::string& key, std::string& value) override;
    bool Write(const std::string& key, const std::string& value) override;
    const QString& File() const { return file_; }

    static QString DefaultFile();

private:
    QString file_;
};

}  // namespace qd::qt
