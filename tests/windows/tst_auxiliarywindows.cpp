#include "support/ModalAnswer.h"
#include "support/TestProgram.h"
#include "windows/frmAbout.h"
#include "windows/frm_Frontside.h"
#include "windows/frm_Melding.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace lirvenda;

namespace {

QTimer *timer(QObject *window, const char *name) { return window->findChild<QTimer *>(QString::fromLatin1(name)); }

// Runs the timer's work now instead of waiting for it.
void fire(QTimer *timer) { QMetaObject::invokeMethod(timer, "timeout"); }

} // namespace

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void timedMessageCountsDownThenClosesItself()
    {
        frm_Melding window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Closes in 1 second"));
        QTimer *closer = timer(&window, "Timer1");
        QTimer *countdown = timer(&window, "Timer2");
        QVERIFY(closer->isActive() && countdown->isActive());
        QCOMPARE(closer->interval(), 1000);
        QCOMPARE(countdown->interval(), 500);

        fire(countdown);
        QCOMPARE(window.windowTitle(), QStringLiteral("Closes in 0 seconds"));
        fire(closer);
        QVERIFY(!window.isVisible());
        QVERIFY(!countdown->isActive());
    }

    void timedMessageStartsOverOnEveryShowing()
    {
        frm_Melding window;
        for (int showing = 1; showing <= 2; ++showing) {
            window.show();
            QCOMPARE(window.windowTitle(), QStringLiteral("Closes in 1 second"));
            fire(timer(&window, "Timer2"));
            QCOMPARE(window.windowTitle(), QStringLiteral("Closes in 0 seconds"));
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        }
    }

    void showTimedMessageBeepsAndReturnsByItself()
    {
        test::TestProgram t(false);
        QString caption, text;
        test::ModalAnswer answer([&](QWidget *window) {
            caption = window->windowTitle();
            text = window->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        });
        ShowTimedMessage(QStringLiteral("Registreringen lagret"));

        QVERIFY(answer.answered());
        QVERIFY2(!answer.watchdogFired(), "the timed message did not close by itself");
        QCOMPARE(caption, QStringLiteral("Closes in 1 second"));
        QCOMPARE(text, QStringLiteral("Registreringen lagret"));
        QCOMPARE(t.prompter().beeps, 1);
    }

    void closeButtonEndsTimedMessageAtOnce()
    {
        test::TestProgram t(false);
        bool hiddenByClick = false;
        test::ModalAnswer answer([&](QWidget *window) {
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            hiddenByClick = !window->isVisible();
        });
        ShowTimedMessage(QStringLiteral("Veipunkt fra kartet satt inn som posisjon"));
        QVERIFY(hiddenByClick);
        QVERIFY(!answer.watchdogFired());
    }

    void splashClosesWhenItsTimerFires()
    {
        frm_Frontside splash;
        QTimer *closer = timer(&splash, "Timer1");
        QVERIFY(closer->isSingleShot());
        QCOMPARE(closer->interval(), 3000);
        QVERIFY(closer->isActive());
        test::ModalAnswer answer([&](QWidget *) { fire(closer); });
        QCOMPARE(splash.exec(), int(QDialog::Accepted));
        QVERIFY(!answer.watchdogFired());
    }

    void aboutBoxShowsVersionAndClosesOnOK()
    {
        frmAbout box(QStringLiteral("1.0 beta (April 2013)"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Om Lirvendaprogrammet"));
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Versjon: 1.0 beta (April 2013)"));
        test::ModalAnswer answer([](QWidget *window) {
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(!answer.watchdogFired());
    }

    void systemInfoStartsFirstInstalledViewer_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");

        const QString hardinfo = QStringLiteral("/usr/bin/hardinfo");
        const QString monitor = QStringLiteral("/usr/bin/gnome-system-monitor");
        QTest::newRow("both installed") << QStringList{"hardinfo", "gnome-system-monitor"} << true
                                        << QStringList{hardinfo} << false;
        QTest::newRow("system monitor only") << QStringList{"gnome-system-monitor"} << true
                                             << QStringList{monitor} << false;
        QTest::newRow("none installed") << QStringList{} << true << QStringList{} << true;
        QTest::newRow("viewer fails to start") << QStringList{"hardinfo"} << false << QStringList{hardinfo} << true;
    }

    void systemInfoStartsFirstInstalledViewer()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);

        test::TestProgram t(false);
        QStringList startedPaths;
        ViewerLauncher launcher{
            [&](const QString &name) { return installed.contains(name) ? "/usr/bin/" + name : QString(); },
            [&](const QString &path) {
                startedPaths << path;
                return starts;
            }};
        frmAbout box(QStringLiteral("1.0"), launcher);
        box.show();
        QTest::mouseClick(box.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

        QCOMPARE(startedPaths, started);
        QCOMPARE(t.prompter().shown.size(), unavailable ? 1 : 0);
        if (unavailable) {
            QCOMPARE(t.prompter().lastText(), QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(t.prompter().shown.last().icon, Prompter::Icon::Information);
        }
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "tst_auxiliarywindows.moc"
