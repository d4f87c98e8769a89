// The desktop settings store under the settings component: text values in an
// INI file, defaults for anything absent or damaged, a private file.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>

#include "app/Registry.h"
#include "app/SimForm.h"
#include "platform/qt/QtSettingsStore.h"

using qd::TReg;
using qd::qt::QtSettingsStore;

namespace {

// A store in a fresh folder, with the component the program uses on it.
struct Store {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Torvane/QD720.conf"));
    QtSettingsStore store{file};
    TReg reg{store};

    Store() { reg.Path = qd::kSettingsPath; }
    void WriteRaw(const QByteArray& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QByteArray Raw() const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // One stored value, as the store keeps it.
    void Seed(const char* section, const char* name, const char* value) {
        QSettings s(file, QSettings::IniFormat);
        s.setValue(QStringLiteral("SOFTWARE/Torvane/QD720/SETUP/%1/%2")
                       .arg(QLatin1String(section), QLatin1String(name)),
                   QString::fromLatin1(value));
    }
};

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void theFileLiesInTheConfigFolder() {
        // The test runs with XDG_CONFIG_HOME pointed into the build tree.
        const QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY2(!base.isEmpty(), "XDG_CONFIG_HOME must be set for the tests");
        QCOMPARE(QtSettingsStore::DefaultFile(), base + QStringLiteral("/Torvane/QD720.conf"));
        QCOMPARE(QtSettingsStore().File(), QtSettingsStore::DefaultFile());
    }

    void firstRunReadsDefaultsAndTheFirstWriteCreatesTheKey() {
        Store s;
        QVERIFY(!QFile::exists(s.file));
        QCOMPARE(s.reg.ReadBool("PRG", "L30", true), true);
        QCOMPARE(s.reg.ReadBool("PRG", "T01", false), false);
        QCOMPARE(s.reg.ReadInteger("PROXY", "PORT", 8080), 8080);
        std::string version;
        s.reg.ReadString("PROGRAM", "VERSION", version, "-1");
        QCOMPARE(version, std::string("-1"));
        // Reading creates nothing.
        QVERIFY(!QFile::exists(s.file));

        s.reg.WriteString("PROGRAM", "VERSION", "1.00.600");
        QVERIFY(QFile::exists(s.file));
        QSettings raw(s.file, QSettings::IniFormat);
        QCOMPARE(
            raw.value(QStringLiteral("SOFTWARE/Torvane/QD720/SETUP/PROGRAM/VERSION")).toString(),
            QStringLiteral("1.00.600"));
    }

    void storedTextsDecode_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("defaultValue");
        QTest::addColumn<int>("asInteger");
        QTest::addColumn<bool>("asBoolWithDefaultTrue");
        QTest::addColumn<bool>("asBoolWithDefaultFalse");
        QTest::newRow("2 is true") << "L30"
                                   << "2" << 0 << 2 << true << true;
        QTest::newRow("1 is true") << "L30"
                                   << "1" << 0 << 1 << true << true;
        QTest::newRow("0 is false") << "L30"
                                    << "0" << 7 << 0 << false << false;
        QTest::newRow("-1 is false") << "L30"
                                     << "-1" << 7 << -1 << false << false;
        QTest::newRow("not a number") << "L30"
                                      << "yes" << 7 << 7 << true << false;
        QTest::newRow("empty") << "L30"
                               << "" << 7 << 7 << true << false;
        QTest::newRow("port with a letter") << "PORT"
                                            << "80a" << 8080 << 8080 << true << false;
        QTest::newRow("port") << "PORT"
                              << "3128" << 8080 << 3128 << true << true;
        QTest::newRow("too large") << "PORT"
                                   << "99999999999" << 8080 << 8080 << true << false;
        QTest::newRow("leading blank") << "PORT"
                                       << " 80" << 8080 << 8080 << true << false;
    }
    void storedTextsDecode() {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(int, defaultValue);
        QFETCH(int, asInteger);
        QFETCH(bool, asBoolWithDefaultTrue);
        QFETCH(bool, asBoolWithDefaultFalse);
        Store s;
        const std::string n = name.toStdString();
        s.Seed("PRG", n.c_str(), stored.toLatin1().constData());
        QCOMPARE(s.reg.ReadInteger("PRG", n, defaultValue), asInteger);
        QCOMPARE(s.reg.ReadBool("PRG", n, true), asBoolWithDefaultTrue);
        QCOMPARE(s.reg.ReadBool("PRG", n, false), asBoolWithDefaultFalse);
        std::string text;
        s.reg.ReadString("PRG", n, text, "default");
        QCOMPARE(QString::fromStdString(text), stored);
    }

    void valuesAreWrittenAsText() {
        Store s;
        s.reg.WriteBool("PRG", "L30", true);
        s.reg.WriteBool("PRG", "T01", false);
        s.reg.WriteInteger("PROXY", "PORT", 3128);
        s.reg.WriteString("PROXY", "PW", "p, w=\"x\"");
        QSettings raw(s.file, QSettings::IniFormat);
        const QString base = QStringLiteral("SOFTWARE/Torvane/QD720/SETUP/");
        const QVariant l30 = raw.value(base + QStringLiteral("PRG/L30"));
        QCOMPARE(l30.typeId(), int(QMetaType::QString));
        QCOMPARE(l30.toString(), QStringLiteral("1"));
        QCOMPARE(raw.value(base + QStringLiteral("PRG/T01")).toString(), QStringLiteral("0"));
        QCOMPARE(raw.value(base + QStringLiteral("PROXY/PORT")).toString(), QStringLiteral("3128"));
        std::string pw;
        s.reg.ReadString("PROXY", "PW", pw, "");
        QCOMPARE(pw, std::string("p, w=\"x\""));
    }

    void keyNamesDifferingInCaseAreOneKey() {
        Store s;
        s.WriteRaw("[software]\ntorvane\\qd720\\setup\\prg\\l30=0\n");
        QCOMPARE(s.reg.ReadBool("PRG", "L30", true), false);
        // Rewriting keeps the one key; a new key is written as spelled.
        s.reg.WriteBool("PRG", "L30", true);
        s.reg.WriteBool("PRG", "T01", true);
        QCOMPARE(s.reg.ReadBool("PRG", "L30", false), true);
        QSettings raw(s.file, QSettings::IniFormat);
        QStringList keys = raw.allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({QStringLiteral("SOFTWARE/Torvane/QD720/SETUP/PRG/T01"),
                                    QStringLiteral("software/torvane/qd720/setup/prg/l30")}));
    }

    void aValueOfAnotherTypeReadsAsTheDefault() {
        Store s;
        s.WriteRaw(
            "[SOFTWARE]\nTorvane\\QD720\\SETUP\\PRG\\L30=0, 0\n"
            "Torvane\\QD720\\SETUP\\PROXY\\PORT=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x50)\n");
        QCOMPARE(s.reg.ReadBool("PRG", "L30", true), true);
        QCOMPARE(s.reg.ReadInteger("PROXY", "PORT", 8080), 8080);
    }

    void aDamagedFileGivesDefaultsAndIsKept() {
        Store s;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) garbage.append(char((i * 7919) % 256));
        s.WriteRaw(garbage);
        QCOMPARE(s.reg.ReadBool("PRG", "L30", true), true);
        QCOMPARE(s.reg.ReadInteger("PROXY", "PORT", 8080), 8080);
        s.reg.WriteBool("PRG", "L30", false);
        QCOMPARE(s.Raw(), garbage);
    }

    void anUnusableFolderOrFileSkipsWrites() {
        // A file where the folder should be (permissions would not stop root).
        Store s;
        QFile blocker(s.dir.filePath(QStringLiteral("Torvane")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!s.store.Write("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30", "0"));
        s.reg.WriteBool("PRG", "L30", false);
        QCOMPARE(s.reg.ReadBool("PRG", "L30", true), true);

        // A folder where the file should be.
        Store t;
        QVERIFY(QDir().mkpath(t.file));
        t.reg.WriteBool("PRG", "L30", false);
        QCOMPARE(t.reg.ReadBool("PRG", "L30", true), true);
        QVERIFY(QFileInfo(t.file).isDir());
    }

    void theFileIsReadableByItsOwnerOnly() {
        Store s;
        s.reg.WriteString("PROXY", "PW", "secret");
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        // ReadUser/WriteUser mirror the owner bits for the owner.
        const auto mask = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(s.file) & mask, ownerOnly);
        // Still so after the file was replaced by a later write.
        s.reg.WriteString("PROXY", "UN", "someone");
        QCOMPARE(QFile::permissions(s.file) & mask, ownerOnly);
        // Also when the file was there before with wider rights.
        QFile::setPermissions(s.file, ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        s.reg.WriteString("PROXY", "ADDR", "proxy.local");
        QCOMPARE(QFile::permissions(s.file) & mask, ownerOnly);
        const auto dirMask = QFile::permissions(QFileInfo(s.file).absolutePath()) & mask;
        QCOMPARE(dirMask & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
