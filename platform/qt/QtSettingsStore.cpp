#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QVariant>

namespace qd::qt {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString SettingsKey(const std::string& key) {
    QString k = QString::fromStdString(key);
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return k;
}

// The stored spelling of a key, matched without regard to case; empty when the
// file has no such key.
QString StoredKey(const QSettings& s, const QString& key) {
    if (s.contains(key)) return key;
    const QStringList keys = s.allKeys();
    for (const QString& k : keys)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
    return {};
}

// Whether the file can be a settings file at all: small UTF-8 text. Qt keeps
// parsed files in a cache, so its own parse status is not seen by every
// instance and cannot be relied on to keep a damaged file from being replaced.
bool LooksLikeSettings(const QString& file) {
    constexpr qint64 kMaxBytes = 1024 * 1024;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxBytes) return false;
    const QByteArray bytes = f.readAll();
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

// Creates the folder and an empty file readable by the owner only, before
// anything is written into it.
bool PrepareFile(const QString& file) {
    const QFileInfo info(file);
    const QDir dir = info.absoluteDir();
    if (!dir.exists()) {
        if (!QDir().mkpath(dir.absolutePath())) return false;
        QFile::setPermissions(dir.absolutePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
    }
    if (info.exists()) return info.isFile() && LooksLikeSettings(file);
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
}

}  // namespace

QString QtSettingsStore::DefaultFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Torvane/QD720.conf");
}

QtSettingsStore::QtSettingsStore() : file_(DefaultFile()) {}

bool QtSettingsStore::Read(const std::string& key, std::string& value) {
    if (!QFileInfo(file_).isFile() || !LooksLikeSettings(file_)) return false;
    QSettings s(file_, QSettings::IniFormat);
    // The file is parsed on first access; only then does the status tell.
    const QString stored = StoredKey(s, SettingsKey(key));
    if (s.status() != QSettings::NoError) return false;
    if (stored.isEmpty()) return false;
    // Only text values count; a list or a typed value reads as absent.
    const QVariant v = s.value(stored);
    if (v.typeId() != QMetaType::QString) return false;
    value = v.toString().toStdString();
    return true;
}

bool QtSettingsStore::Write(const std::string& key, const std::string& value) {
    if (!PrepareFile(file_)) return false;
    QSettings s(file_, QSettings::IniFormat);
    const QString spelled = SettingsKey(key);
    QString stored = StoredKey(s, spelled);
    // A file that could not be read is left as it is rather than overwritten
    // with only this one value.
    if (s.status() != QSettings::NoError) return false;
    if (stored.isEmpty()) stored = spelled;
    s.setValue(stored, QString::fromStdString(value));
    s.sync();
    // The file is replaced on every write; keep it private.
    QFile::setPermissions(file_, kOwnerOnly);
    return s.status() == QSettings::NoError;
}

}  // namespace qd::qt
