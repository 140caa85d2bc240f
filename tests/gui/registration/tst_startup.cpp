#include "support/FaunaWindow.h"

#include "core/shared/DateTexts.h"
#include "core/shared/DisplayTexts.h"
#include "core/shared/TextFiles.h"

#include <QApplication>
#include <QRegularExpression>
#include <QThread>

using namespace lirvenda;
using namespace lirvenda::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // The browse state's captions are checked with the workflow.
    void opensInTheBrowseStateDatedToday()
    {
        FaunaWindow w;
        const QString today = dateBoxText(QDate::currentDate());
        QCOMPARE(w.shown("Text2") + ' ' + w.shown("Text5"), today + ' ' + today);
        const QRegularExpression clock("^([01][0-9]|2[0-3]):[0-5][0-9]$");
        QVERIFY(clock.match(w.shown("Text3")).hasMatch() && clock.match(w.shown("Text6")).hasMatch());
        for (const char *name : {"Command7", "Command8", "Command9"})
            QVERIFY2(isGreen(w.control(name)) && w.control(name)->isEnabled(), name);
        QVERIFY(w.control("Command16_0")->isHidden() && !w.control("Command11")->isHidden());
        QVERIFY(isGreen(w.control("Command32_0")));
        for (const char *name : {"Command15", "Command30", "List5", "Label20", "Frame6"})
            QVERIFY2(w.control(name)->isHidden(), name); // can never be reached, or no atlas records
        QVERIFY(!w.control("Command24")->isHidden());
        QWidget *reference = w.control("Frame13");
        QVERIFY(!reference->isHidden() && w.window.rect().contains(reference->geometry()));
    }

    void listsStartAtTheirFirstEntry_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("entries");
        QTest::newRow("counties") << QString("Combo3") << QString("-") << 17;
        QTest::newRow("operator") << QString("Combo1") << QString("=") << 4;
        QTest::newRow("nest height") << QString("Combo8") << QString("-1") << 32;
        QTest::newRow("eggs") << QString("Combo9") << QString("-1") << 17;
        QTest::newRow("nest site") << QString("Combo6") << withKey("Ikke angitt", 40, "1") << 16;
        QTest::newRow("tree species") << QString("Combo7") << withKey("Gran", 40, "1") << 23;
        QTest::newRow("age of young") << QString("Combo12") << withKey("Ikke angitt", 30, "1") << 8;
        QTest::newRow("activity, unchosen") << QString("Combo2") << QString() << 36;
        QTest::newRow("reference, unchosen") << QString("Combo4") << QString() << 0;
    }
    void listsStartAtTheirFirstEntry()
    {
        QFETCH(QString, combo);
        QFETCH(QString, shown);
        QFETCH(int, entries);
        FaunaWindow w;
        QCOMPARE(w.shown(combo), shown);
        QCOMPARE(w.control<QComboBox>(combo)->count(), entries);
    }

    // The reading itself is tested with the settings; here only that start-up uses it.
    void startUpReadsTheGpsSettings()
    {
        FaunaWindow w(false);
        writeLine(w.t.path("DefaultGPSSettings.txt"), "14800");
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QCOMPARE(w.t.program().gpsPort, QString("1"));
        QCOMPARE(w.t.program().gpsSpeed, 4800);
    }

    void opensOnTheRowThatSortsLast()
    {
        FaunaWindow w(false);
        w.insertObservation({{"Art", "04210"}, {"StartDato", "2024-05-01 08:00:00"}, {"Antall", 1}});
        w.insertObservation({{"Art", "01540"}, {"StartDato", "2024-06-01 08:00:00"}, {"Antall", 2}});
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QCOMPARE(w.shown("Command2"), "Åkerrikse (Crex crex) [04210]");
        QCOMPARE(w.shown("Text1"), "1");
    }

    void splashOnlyWithoutObserverFile_data()
    {
        QTest::addColumn<bool>("observerFile");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("splashShown");
        QTest::newRow("no Nest.mdb") << false << false << true;
        QTest::newRow("Nest.mdb present") << true << false << false;
        QTest::newRow("splash skipped") << false << true << false;
    }
    void splashOnlyWithoutObserverFile()
    {
        QFETCH(bool, observerFile);
        QFETCH(bool, skip);
        QFETCH(bool, splashShown);
        FaunaWindow w(false);
        if (observerFile)
            w.t.createObserverFile();
        // Act only inside the modal's own event loop: a window that is being shown can already
        // be the active modal one, and closing it then would leave exec() waiting for ever.
        const int outerLoops = QThread::currentThread()->loopLevel();
        QString modalSeen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && QThread::currentThread()->loopLevel() > outerLoops) {
                modalSeen = modal->metaObject()->className();
                modal->close();
            }
        });
        poll.start(10);
        w.window.Form_Load(skip ? frm_Fauna::Splash::Skip : frm_Fauna::Splash::Show);
        QCOMPARE(modalSeen, splashShown ? "lirvenda::frm_Frontside" : "");
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
