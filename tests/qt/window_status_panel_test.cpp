// The update status panel shows the text and colour the update check gives it.
#include <QLabel>
#include <QtTest>
#include <memory>

#include "app/QD720SIM.h"
#include "platform/qt/MainWindow.h"
#include "support/RecordingPlatform.h"

class WindowStatusPanelTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCheckersTextInItsColour() {
        qd::testing::RecordingPlatform platform;
        platform.SeedReturningUser();
        qd::Program program = qd::StartProgram(platform.services, "/nonexistent/qd720sim");
        QVERIFY(program.form);
        qd::qt::MainWindow window(*program.form);
        auto* panel = window.findChild<QLabel*>(QStringLiteral("STATUSPANEL4"));
        QVERIFY(panel);

        qd::Label& plain = program.form->STATUSPANEL4;
        plain.visible = true;
        plain.text = "Update Available";
        plain.color = "red";
        window.SyncViews();
        QCOMPARE(panel->text(), QStringLiteral("Update Available"));
        QVERIFY(panel->styleSheet().endsWith(QStringLiteral("color: red")));

        plain.color.clear();
        window.SyncViews();
        QVERIFY(!panel->styleSheet().contains(QStringLiteral("red")));
    }
};

QTEST_MAIN(WindowStatusPanelTest)
#include "window_status_panel_test.moc"
