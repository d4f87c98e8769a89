#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QVariant>

namespace qd::qt {

namespace {
QString SettingsKey(const std::string& key) {
    QString k = QString::fromStdString(key).toLower();
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return k;
}
}  // namespace

QtSettingsStore::QtSettingsStore() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    file_ = base + QStringLiteral("/Torvane/QD720.conf");
}

bool QtSettingsStore::Read(const std::string& key, std::string& value) {
    QSettings s(file_, QSettings::IniFormat);
    const QVariant v = s.value(SettingsKey(key));
    if (!v.isValid()) return false;
    value = v.toString().toStdString();
    return true;
}

bool QtSettingsStore::Write(const std::string& key, const std::string& value) {
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(SettingsKey(key), QString::fromStdString(value));
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace qd::qt
