// The per-user settings store of the desktop build.
#pragma once

#include <QString>
#include <string>

#include "app/Platform.h"

namespace qd::qt {

// Settings in an INI file, $XDG_CONFIG_HOME/Torvane/QD720.conf. Keys are kept
// in lower case: the store compares them without regard to case.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}
    bool Read(const std::string& key, std::string& value) override;
    bool Write(const std::string& key, const std::string& value) override;
    const QString& File() const { return file_; }

private:
    QString file_;
};

}  // namespace qd::qt
