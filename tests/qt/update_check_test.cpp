// The update component against real HTTP servers on 127.0.0.1 started here:
// silent and manual checks, the download and its verification, and servers that
// misbehave.
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/QD720SIM.h"
#include "platform/qt/QtUpdateComponent.h"
#include "support/RecordingPlatform.h"
#include "update_http_server.h"

using qd::qt::QtUpdateComponent;

namespace {

constexpr const char* kNotFound =
    "A newer version was not found. You are using the most recent version of this program.";
constexpr int kTimeoutMs = 1200;

QByteArray Payload() {
    QByteArray data;
    for (int i = 0; i < 50000; ++i) data += char('A' + i % 26);
    return data;
}

QByteArray InfoFile(const QByteArray& version, const QByteArray& url, const QByteArray& payload,
                    const QByteArray& sha = {}) {
    const QByteArray hash =
        sha.isEmpty() ? QCryptographicHash::hash(payload, QCryptographicHash::Sha256).toHex() : sha;
    return "[QD720 update]\nversion=" + version + "\nurl=" + url +
           "\nsize=" + QByteArray::number(payload.size()) + "\nsha256=" + hash + "\n";
}

enum class Server {
    Newer,
    Same,
    Older,
    Missing,
    Malformed,
    Huge,
    HugeNoLength,
    Silent,
    Loop,
    Refused,
    InsecureRedirect
};

struct Rig {
    TestHttpServer server;
    QTemporaryDir downloads{QStringLiteral(QD720_TEST_BUILD_DIR "/qd720-downloads-XXXXXX")};
    QtUpdateComponent update;
    struct Told {
        std::string kind, text;
    };
    std::vector<Told> told;
    bool answerYes = true;
    bool ended = false;
    QList<QUrl> opened;

    explicit Rig(Server kind) {
        server.Listen();
        const QByteArray payload = Payload();
        auto& a = server.answers;
        a["/files/qd720sim-1.00.1000.tar.gz"] = {200, payload};
        switch (kind) {
            case Server::Newer:
                a["/update.txt"] = {
                    200, InfoFile("1.00.1000", "files/qd720sim-1.00.1000.tar.gz", payload)};
                break;
            case Server::Same:
                a["/update.txt"] = {200, InfoFile("1.00.600", "files/x.tar.gz", payload)};
                break;
            case Server::Older:
                a["/update.txt"] = {200, InfoFile("1.00.99", "files/x.tar.gz", payload)};
                break;
            case Server::Missing:
                break;
            case Server::Malformed:
                a["/update.txt"] = {200, "<html>version=9.9.9</html>"};
                break;
            case Server::Huge:
                a["/update.txt"] = {200, QByteArray(4 * 1024 * 1024, 'x')};
                break;
            case Server::HugeNoLength:
                a["/update.txt"] = {
                    200, "[QD720 update]\n" + QByteArray(4 * 1024 * 1024, '#'), {}, false, false};
                break;
            case Server::Silent:
                a["/update.txt"].silent = true;
                break;
            case Server::Loop:
                a["/update.txt"] = {302, {}, {{"Location", "/loop.txt"}}};
                a["/loop.txt"] = {302, {}, {{"Location", "/update.txt"}}};
                break;
            case Server::Refused:
                break;
            case Server::InsecureRedirect:
                // Away from https and from this machine; nothing to connect to.
                a["/update.txt"] = {302, {}, {{"Location", "file:///nonexistent/update.txt"}}};
                break;
        }
        QUrl url(QString::fromLatin1(server.Url("/update.txt")));
        if (kind == Server::Refused) {
            // A port nobody listens on: bind, learn it, close.
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            url.setPort(probe.serverPort());
        }
        update.SetInformationUrl(url);
        update.SetTimeout(kTimeoutMs);
        update.SetDownloadFolder(downloads.path());
        update.SetVersion("1.00.600");
        qd::ProxySettings system;
        system.useSystemSettings = true;
        update.SetProxy(system);
        update.intercept = [this](const std::string& k, const std::string& t) {
            told.push_back({k, t});
            return answerYes;
        };
        update.openHook = [this](const QUrl& u) { opened.append(u); };
        update.finished = [this] { ended = true; };
    }

    bool RunManual() {
        update.InteractiveCheck();
        return QTest::qWaitFor([this] { return ended; }, 8000);
    }
    QStringList Files() const { return QDir(downloads.path()).entryList(QDir::Files); }
};

}  // namespace

Q_DECLARE_METATYPE(Server)

class UpdateCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A proxy from the environment must not sit between the tests and 127.0.0.1.
        for (const char* v :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
    }

    void silentCheck_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << Server::Newer << true;
        QTest::newRow("same") << Server::Same << false;
        QTest::newRow("older") << Server::Older << false;
        QTest::newRow("404") << Server::Missing << false;
        QTest::newRow("malformed") << Server::Malformed << false;
        QTest::newRow("far over the cap") << Server::Huge << false;
        QTest::newRow("over the cap, no length") << Server::HugeNoLength << false;
        QTest::newRow("never answers") << Server::Silent << false;
        QTest::newRow("redirect loop") << Server::Loop << false;
        QTest::newRow("refused") << Server::Refused << false;
        QTest::newRow("redirect to plain http") << Server::InsecureRedirect << false;
    }
    void silentCheck() {
        QFETCH(Server, server);
        QFETCH(bool, offered);
        Rig rig(server);
        // The window keeps working while the check waits.
        int ticks = 0;
        QTimer ui;
        connect(&ui, &QTimer::timeout, [&ticks] { ++ticks; });
        ui.start(20);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig.update.SilentCheck(), offered);
        QVERIFY2(clock.elapsed() < kTimeoutMs + 1500, "the check must end by its timeout");
        QVERIFY(rig.told.empty());
        QVERIFY(rig.Files().isEmpty());
        if (server == Server::Silent) {
            QVERIFY(clock.elapsed() >= kTimeoutMs - 100);
            QVERIFY2(ticks >= 20, "timers kept ticking during the wait");
        }
        if (server == Server::Loop) QVERIFY(rig.server.requests.size() <= 8);
    }

    void manualCheckFailures_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("same") << Server::Same << "information" << kNotFound;
        QTest::newRow("older") << Server::Older << "information" << kNotFound;
        QTest::newRow("404") << Server::Missing << "error"
                             << "The update information file was not found on the update server.";
        QTest::newRow("malformed") << Server::Malformed << "error"
                                   << "No valid update information file was found";
        QTest::newRow("far over the cap") << Server::Huge << "error"
                                          << "No valid update information file was found";
        QTest::newRow("never answers") << Server::Silent << "error"
                                       << "The update server did not answer in time.";
        QTest::newRow("redirect loop") << Server::Loop << "error"
                                       << "redirected the request too many times";
        QTest::newRow("refused") << Server::Refused << "error"
                                 << "The update server could not be reached.";
        QTest::newRow("redirect to plain http") << Server::InsecureRedirect << "error"
                                                << "not a secure (https) address";
    }
    void manualCheckFailures() {
        QFETCH(Server, server);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        Rig rig(server);
        QVERIFY(rig.RunManual());
        QCOMPARE(rig.told.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(rig.told[0].kind), kind);
        QVERIFY2(QString::fromStdString(rig.told[0].text).contains(text), rig.told[0].text.c_str());
        if (kind == QLatin1String("information"))
            QCOMPARE(QString::fromStdString(rig.told[0].text), text);
        QVERIFY(rig.Files().isEmpty());
        QVERIFY(!rig.update.Busy());
    }

    void manualCheckDownloadsVerifiesAndSaves() {
        Rig rig(Server::Newer);
        QVERIFY(rig.RunManual());
        QCOMPARE(rig.told.size(), std::size_t{2});
        QCOMPARE(rig.told[0].kind, std::string("confirm"));
        QVERIFY(QString::fromStdString(rig.told[0].text).contains(QLatin1String("1.00.1000")));
        QCOMPARE(rig.told[1].kind, std::string("confirm"));
        QCOMPARE(rig.Files(), QStringList{QStringLiteral("qd720sim-1.00.1000.tar.gz")});
        QFile saved(rig.update.LastSavedFile());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), Payload());
        QCOMPARE(rig.opened, QList<QUrl>{QUrl::fromLocalFile(rig.downloads.path())});
    }

    void declinedUpgradeDownloadsNothing() {
        Rig rig(Server::Newer);
        rig.answerYes = false;
        QVERIFY(rig.RunManual());
        QCOMPARE(rig.told.size(), std::size_t{1});
        QCOMPARE(rig.server.RequestsFor("/files/qd720sim-1.00.1000.tar.gz"), 0);
        QVERIFY(rig.Files().isEmpty());
    }

    void aDownloadThatDoesNotMatchIsDeleted_data() {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<QByteArray>("sha");
        const QByteArray payload = Payload();
        QByteArray changed = payload;
        changed[100] = '!';
        QTest::newRow("sha-256") << changed << QByteArray();
        QTest::newRow("longer") << payload + "tail" << QByteArray();
        QTest::newRow("shorter") << payload.left(1000) << QByteArray();
        QTest::newRow("404") << QByteArray() << QByteArray();
    }
    void aDownloadThatDoesNotMatchIsDeleted() {
        QFETCH(QByteArray, served);
        Rig rig(Server::Newer);
        if (served.isEmpty())
            rig.server.answers.remove("/files/qd720sim-1.00.1000.tar.gz");
        else
            rig.server.answers["/files/qd720sim-1.00.1000.tar.gz"].body = served;
        QVERIFY(rig.RunManual());
        QCOMPARE(rig.told.size(), std::size_t{2});
        QCOMPARE(rig.told[1].kind, std::string("error"));
        if (!served.isEmpty())
            QVERIFY2(QString::fromStdString(rig.told[1].text).contains(QLatin1String("SHA-256")),
                     rig.told[1].text.c_str());
        QVERIFY2(rig.Files().isEmpty(), qPrintable(rig.Files().join(QLatin1Char(' '))));
        QVERIFY(rig.update.LastSavedFile().isEmpty());
        QVERIFY(rig.opened.isEmpty());
    }

    void aStalledDownloadEndsAndLeavesNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("text");
        QTest::newRow("timeout") << false
                                 << "The download failed. The update server did not answer";
        QTest::newRow("cancelled") << true << "The download was cancelled";
    }
    void aStalledDownloadEndsAndLeavesNothing() {
        QFETCH(bool, cancel);
        QFETCH(QString, text);
        Rig rig(Server::Newer);
        rig.server.answers["/files/qd720sim-1.00.1000.tar.gz"].silent = true;
        rig.update.InteractiveCheck();
        QProgressDialog* progress = nullptr;
        QVERIFY(QTest::qWaitFor(
            [&progress] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == QLatin1String("UpdateDownload") && w->isVisible())
                        progress = qobject_cast<QProgressDialog*>(w);
                return progress != nullptr;
            },
            3000));
        QVERIFY(!rig.Files().isEmpty());  // the part file while it runs
        if (cancel) {
            auto* button = progress->findChild<QPushButton*>();
            QVERIFY(button);
            button->click();
        }
        QVERIFY(QTest::qWaitFor([&rig] { return rig.ended; }, kTimeoutMs + 3000));
        QCOMPARE(rig.told.size(), std::size_t{2});
        QVERIFY2(QString::fromStdString(rig.told[1].text).startsWith(text),
                 rig.told[1].text.c_str());
        QVERIFY(rig.Files().isEmpty());
    }

    void plainHttpIsRefusedAwayFromThisMachine() {
        Rig rig(Server::Newer);
        rig.update.SetInformationUrl(
            QUrl(QStringLiteral("http://updates.torvane.example/qd720/update.txt")));
        QVERIFY(!rig.update.SilentCheck());
        QVERIFY(rig.RunManual());
        QCOMPARE(rig.told.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(rig.told[0].text).contains(QLatin1String("https")));
    }

    void theEnvironmentOverridesTheAddress() {
        qputenv("QD720_UPDATE_URL", "http://127.0.0.1:9/mirror/update.txt");
        QtUpdateComponent fromEnvironment;
        qunsetenv("QD720_UPDATE_URL");
        QtUpdateComponent standard;
        QCOMPARE(fromEnvironment.InformationUrl(),
                 QUrl(QStringLiteral("http://127.0.0.1:9/mirror/update.txt")));
        QCOMPARE(standard.InformationUrl(), QUrl(QString::fromLatin1(qd::qt::kDefaultUpdateUrl)));
        QCOMPARE(standard.InformationUrl().scheme(), QStringLiteral("https"));
    }

    // The main window with the real component: start-up check, panel, manual check.
    void theStatusPanelFollowsTheSilentCheck_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << Server::Newer << true;
        QTest::newRow("same") << Server::Same << false;
        QTest::newRow("never answers") << Server::Silent << false;
    }
    void theStatusPanelFollowsTheSilentCheck() {
        QFETCH(Server, server);
        QFETCH(bool, offered);
        Rig rig(server);
        qd::testing::RecordingPlatform p;
        p.SeedReturningUser();
        p.store["SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L2"] = "1";
        qd::Platform services{p, p, p, p, rig.update, p};
        qd::Program program = qd::StartProgram(services, "/nonexistent/qd720sim");
        QVERIFY(program.form);
        qd::TSimForm& f = *program.form;
        QCOMPARE(rig.update.version, std::string("1.00.600"));
        QCOMPARE(f.STATUSPANEL4.text, std::string("Checking for updates..."));
        QVERIFY(f.STATUSPANEL4.visible);
        f.clock.Advance(3000);
        QVERIFY(rig.told.empty());
        QCOMPARE(f.STATUSPANEL4.visible, offered);
        QCOMPARE(f.FlashTimer.Enabled(), offered);
        if (!offered) return;
        QCOMPARE(f.STATUSPANEL4.text, std::string("Update Available"));
        QCOMPARE(f.STATUSPANEL4.color, std::string("red"));
        f.clock.Advance(500);
        QCOMPARE(f.STATUSPANEL4.text, std::string());
        f.clock.Advance(500);
        QCOMPARE(f.STATUSPANEL4.text, std::string("Update Available"));

        rig.answerYes = false;
        f.STATUSPANEL4Click();
        QVERIFY(!f.STATUSPANEL4.visible);
        QVERIFY(QTest::qWaitFor([&rig] { return rig.ended; }, 5000));
        QCOMPARE(rig.told.size(), std::size_t{1});
        QCOMPARE(rig.told[0].kind, std::string("confirm"));
    }
};

QTEST_MAIN(UpdateCheckTest)
#include "update_check_test.moc"
