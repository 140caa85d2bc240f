#include "gui/windows/frmAbout.h"
#include "gui/windows/frm_Frontside.h"
#include "gui/windows/frm_Melding.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// Runs the timer's work now instead of waiting for it.
void fire(QObject *window, const char *timer) { QMetaObject::invokeMethod(child<QTimer>(window, timer), "timeout"); }

} // namespace

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void showTimedMessageBeepsAndReturnsByItself()
    {
        TestProgram t(false);
        QString text;
        QVERIFY2(answerModal([] { showTimedMessage(QStringLiteral("Registreringen lagret")); },
                             [&](QWidget *window) { text = child<QLabel>(window, "Label1")->text(); }),
                 "the timed message did not close by itself");
        QCOMPARE(text, QStringLiteral("Registreringen lagret"));
        QCOMPARE(t.prompter().beeps, 1);
    }

    void splashClosesWhenItsTimerFires()
    {
        frm_Frontside splash;
        ModalAnswer answer([&](QWidget *) { fire(&splash, "Timer1"); });
        QCOMPARE(splash.exec(), int(QDialog::Accepted));
        QVERIFY(!answer.watchdogFired());
    }

    void systemInfoStartsFirstInstalledViewer_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");
        const QString hardinfo = "/usr/bin/hardinfo", monitor = "/usr/bin/gnome-system-monitor";
        QTest::newRow("both installed") << QStringList{"hardinfo", "gnome-system-monitor"} << true
                                        << QStringList{hardinfo} << false;
        QTest::newRow("system monitor only")
            << QStringList{"gnome-system-monitor"} << true << QStringList{monitor} << false;
        QTest::newRow("none installed") << QStringList{} << true << QStringList{} << true;
        QTest::newRow("viewer fails to start") << QStringList{"hardinfo"} << false << QStringList{hardinfo} << true;
    }
    void systemInfoStartsFirstInstalledViewer()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);
        TestProgram t(false);
        QStringList startedPaths;
        ViewerLauncher launcher{
            [&](const QString &name) { return installed.contains(name) ? "/usr/bin/" + name : QString(); },
            [&](const QString &path) {
                startedPaths << path;
                return starts;
            }};
        frmAbout box(t.program(), launcher);
        box.show();
        click(&box, "cmdSysInfo");
        QCOMPARE(startedPaths, started);
        QCOMPARE(t.prompter().lastText(), unavailable ? "System Information Is Unavailable At This Time" : "");
        QCOMPARE(t.prompter().shown.size(), unavailable ? 1 : 0);
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "tst_auxiliarywindows.moc"
