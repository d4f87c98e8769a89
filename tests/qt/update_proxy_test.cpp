// The update check through a real HTTP proxy with basic authentication: Debian's
// tinyproxy, started here on 127.0.0.1 with a configuration of its own.
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/QtUpdateComponent.h"
#include "update_http_server.h"

using qd::qt::QtUpdateComponent;

namespace {

constexpr const char* kTinyproxy = "/usr/bin/tinyproxy";

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class Tinyproxy {
public:
    QTemporaryDir dir{QStringLiteral(QD720_TEST_BUILD_DIR "/qd720-tinyproxy-XXXXXX")};
    quint16 port = FreePort();
    QProcess process;

    bool Start() {
        QFile conf(dir.filePath(QStringLiteral("tinyproxy.conf")));
        if (!conf.open(QIODevice::WriteOnly)) return false;
        conf.write(QStringLiteral("Port %1\n"
                                  "Listen 127.0.0.1\n"
                                  "Timeout 10\n"
                                  "Allow 127.0.0.1\n"
                                  "BasicAuth qduser qdsecret\n"
                                  "MaxClients 10\n"
                                  "LogLevel Info\n"
                                  "LogFile \"%2\"\n"
                                  "PidFile \"%3\"\n")
                       .arg(port)
                       .arg(dir.filePath(QStringLiteral("tinyproxy.log")),
                            dir.filePath(QStringLiteral("tinyproxy.pid")))
                       .toUtf8());
        conf.close();
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QString::fromLatin1(kTinyproxy),
                      {QStringLiteral("-d"), QStringLiteral("-c"), conf.fileName()});
        if (!process.waitForStarted(2000)) return false;
        // Ready once it accepts a connection.
        return QTest::qWaitFor(
            [this] {
                QTcpSocket probe;
                probe.connectToHost(QHostAddress::LocalHost, port);
                return probe.waitForConnected(100);
            },
            3000);
    }
    QByteArray Log() {
        QFile log(dir.filePath(QStringLiteral("tinyproxy.log")));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }
    ~Tinyproxy() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(2000);
        }
    }
};

QByteArray InfoFile() {
    const QByteArray payload = "payload";
    return "[QD720 update]\nversion=1.00.700\nurl=files/qd720sim.tar.gz\nsize=" +
           QByteArray::number(payload.size()) +
           "\nsha256=" + QCryptographicHash::hash(payload, QCryptographicHash::Sha256).toHex() +
           "\n";
}

struct Told {
    std::string kind, text;
};

void Configure(QtUpdateComponent& update, TestHttpServer& server, quint16 proxyPort,
               const std::string& user, const std::string& password, std::vector<Told>& told,
               bool& ended) {
    update.SetInformationUrl(QUrl(QString::fromLatin1(server.Url("/update.txt"))));
    update.SetTimeout(1500);
    update.SetVersion("1.00.600");
    qd::ProxySettings proxy;
    proxy.useProxy = true;
    proxy.host = "127.0.0.1";
    proxy.port = proxyPort;
    proxy.userName = user;
    proxy.password = password;
    update.SetProxy(proxy);
    update.intercept = [&told](const std::string& k, const std::string& t) {
        told.push_back({k, t});
        return false;
    };
    update.finished = [&ended] { ended = true; };
}

}  // namespace

class UpdateProxyTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (!QFile::exists(QString::fromLatin1(kTinyproxy)))
            QSKIP(
                "tinyproxy is not installed (/usr/bin/tinyproxy, package tinyproxy-bin); "
                "the proxy tests need it");
    }

    void theCheckGoesThroughTheProxyWithItsCredentials() {
        TestHttpServer server;
        QVERIFY(server.Listen());
        server.answers["/update.txt"] = {200, InfoFile()};
        Tinyproxy proxy;
        QVERIFY2(proxy.Start(), proxy.process.readAll().constData());

        QtUpdateComponent update;
        std::vector<Told> told;
        bool ended = false;
        Configure(update, server, proxy.port, "qduser", "qdsecret", told, ended);
        QVERIFY(update.SilentCheck());
        QCOMPARE(server.requests.size(), 1);
        QVERIFY2(server.requests[0].contains("(tinyproxy/"), server.requests[0].constData());
        QVERIFY(told.empty());

        update.InteractiveCheck();
        QVERIFY(QTest::qWaitFor([&ended] { return ended; }, 5000));
        QCOMPARE(told.size(), std::size_t{1});
        QCOMPARE(told[0].kind, std::string("confirm"));  // a newer version, declined
        QCOMPARE(server.requests.size(), 2);
    }

    void wrongCredentialsFailClearly_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << "qduser"
                                        << "guess";
        QTest::newRow("no credentials") << ""
                                        << "";
    }
    void wrongCredentialsFailClearly() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        TestHttpServer server;
        QVERIFY(server.Listen());
        server.answers["/update.txt"] = {200, InfoFile()};
        Tinyproxy proxy;
        QVERIFY2(proxy.Start(), proxy.process.readAll().constData());

        QtUpdateComponent update;
        std::vector<Told> told;
        bool ended = false;
        Configure(update, server, proxy.port, user.toStdString(), password.toStdString(), told,
                  ended);
        QVERIFY(!update.SilentCheck());
        QVERIFY(told.empty());
        update.InteractiveCheck();
        QVERIFY(QTest::qWaitFor([&ended] { return ended; }, 5000));
        QCOMPARE(told.size(), std::size_t{1});
        QCOMPARE(told[0].kind, std::string("error"));
        QVERIFY2(QString::fromStdString(told[0].text)
                     .startsWith(QLatin1String("The proxy server asks for a password")),
                 told[0].text.c_str());
        QVERIFY(server.requests.isEmpty());
    }

    void aProxyThatIsNotThereIsSaidSo() {
        TestHttpServer server;
        QVERIFY(server.Listen());
        server.answers["/update.txt"] = {200, InfoFile()};
        QtUpdateComponent update;
        std::vector<Told> told;
        bool ended = false;
        Configure(update, server, FreePort(), "qduser", "qdsecret", told, ended);
        update.InteractiveCheck();
        QVERIFY(QTest::qWaitFor([&ended] { return ended; }, 5000));
        QCOMPARE(told.size(), std::size_t{1});
        QVERIFY2(QString::fromStdString(told[0].text)
                     .startsWith(QLatin1String("The proxy server could not be reached.")),
                 told[0].text.c_str());
        QVERIFY(server.requests.isEmpty());
    }
};

QTEST_MAIN(UpdateProxyTest)
#include "update_proxy_test.moc"
