#include "FaunaWindow.h"

#include "data/SharedProcedures.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

using namespace lirvenda;
using test::FaunaWindow;

namespace {

const QStringList DesignedControls = [] {
    QStringList names = QStringLiteral(
        "Frame1 Label6 Combo13 Label19 Combo3 Combo14 Label20 Command37 Label8 Command17 Command36 Label9 Text7 "
        "Label10 Text8 Label7 Command2 Label1 Combo1 Text1 Command11 Command12 Label2 Command3 Text2 Command4 Label3 "
        "Text3 Command25 Label5 Command6 Text5 Command21 Label4 Text6 Command26 Command9 Command8 Command7 Frame12 "
        "Command33 Command34 Command18 Label11 Combo6 Label12 Combo7 Label13 Combo8 Label16 Label14 Combo9 Label15 "
        "Combo10 Label17 Combo11 Label18 Combo12 Command31 Check2 Check3 Check4 Frame2 Text4 Frame11 Frame10 Frame8 "
        "Combo2 Command22 Frame6 Image1 Frame7 List6 List3 Check1 Frame3 List1 Frame4 List2 Frame9 List4 Frame5 "
        "Command10 Command1 Command15 Command14 Command28 Command30 Command24 Command23 Command13 Command5 Frame13 "
        "Combo4 Command27 Command29 List5 Timer1").split(' ');
    for (const auto &[array, size] : {std::pair{"Command32", 4}, {"Command16", 10}, {"Command19", 4}, {"Command20", 23}, {"Command35", 4}})
        for (int i = 0; i < size; ++i)
            names << QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
    return names;
}();

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void everyDesignedControlIsThere()
    {
        FaunaWindow w(false);
        for (const QString &name : DesignedControls)
            QVERIFY2(w.window.findChild<QObject *>(name), qPrintable(name));
        QCOMPARE(w.control<QPushButton>("Command22")->toolTip(), "Nullstill aktivitet");
        QCOMPARE(w.control<QPushButton>("Command27")->toolTip(), "Legg inn ny referanse");
        QCOMPARE(w.control<QPushButton>("Command29")->toolTip(), "Nullstill referanse");
    }

    void titleNamesTheDayAndVersion()
    {
        FaunaWindow w;
        QCOMPARE(w.window.windowTitle(),
                 "Lirvenda  " + QDate::currentDate().toString("dd.MM.yyyy") + " - Versjon: 1.0 beta (April 2013)");
    }

    void listsStartAtTheirFirstEntry_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("entries");
        QTest::newRow("operator") << "Combo1" << "=" << 4;
        QTest::newRow("nest height") << "Combo8" << "-1" << 32;
        QTest::newRow("eggs") << "Combo9" << "-1" << 17;
        QTest::newRow("young") << "Combo10" << "-1" << 17;
        QTest::newRow("adults") << "Combo11" << "-1" << 17;
        QTest::newRow("nest site") << "Combo6" << withKey("Ikke angitt", 40, "1") << 16;
        QTest::newRow("tree species") << "Combo7" << withKey("Gran", 40, "1") << 23;
        QTest::newRow("age of young") << "Combo12" << withKey("Ikke angitt", 30, "1") << 8;
        QTest::newRow("activity, unchosen") << "Combo2" << "" << 36;
        QTest::newRow("reference, unchosen") << "Combo4" << "" << 0;
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

    void keyedItemsInTheirFormats()
    {
        FaunaWindow w;
        auto *counties = w.control<QComboBox>("Combo3");
        QCOMPARE(counties->itemText(0), "-");
        QCOMPARE(counties->itemText(1), withKey("Oslo", 40, "NO03"));
        QCOMPARE(w.control<QComboBox>("Combo2")->itemText(0),
                 withKey("Observert i hekketiden i mulig hekkebiotop", 100, "1"));
        QVERIFY(counties->count() >= 16);
        for (int i = 2; i < counties->count(); ++i)
            QVERIFY(BracketCode(counties->itemText(i - 1)) < BracketCode(counties->itemText(i)));
    }

    void referencesByAuthorWithEveryPartInPlace()
    {
        FaunaWindow w(false);
        const QString insert = "INSERT INTO Referanser(Referanse_ID, Forfattere, År, Tittel, Journal) VALUES (?, ?, ?, ?, ?)";
        w.t.db().execute(insert, {1, "Østby, C.", "2005", "Ugler", "Vår Fuglefauna"});
        w.t.db().execute(insert, {2, "Berg, A.", "1999", "", QVariant()});
        w.t.db().execute(insert, {3, "Andersen, B.", "2001", "Lirer", "Ornis"});
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        auto *references = w.control<QComboBox>("Combo4");
        QCOMPARE(references->count(), 3);
        QCOMPARE(references->itemText(0), "Andersen, B. 2001 Lirer Ornis [3]");
        QCOMPARE(references->itemText(1), "Berg, A. 1999   [2]");
        QCOMPARE(references->itemText(2), "Østby, C. 2005 Ugler Vår Fuglefauna [1]");
    }

    void captionsDatesAndTimesSetAtStart()
    {
        FaunaWindow w;
        const QString today = QDate::currentDate().toString("dd.MM.yyyy");
        const QList<std::pair<const char *, QString>> expected = {
            {"Command16_0", "1"}, {"Command16_9", "0"}, {"Command20_0", "Egg"}, {"Command20_3", "1K+"},
            {"Command20_22", "Adult"}, {"Text2", today}, {"Text5", today}};
        for (const auto &[name, text] : expected)
            QVERIFY2(w.shown(name) == text, name);
        const QRegularExpression clock("^([01][0-9]|2[0-3]):[0-5][0-9]$");
        QVERIFY(clock.match(w.shown("Text3")).hasMatch() && clock.match(w.shown("Text6")).hasMatch());
        QCOMPARE(w.control<QTimer>("Timer1")->interval(), 2000);
    }

    void gpsSettingsFromTheFirstLine_data()
    {
        QTest::addColumn<QString>("fileText"); // "absent": no file
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("speed");
        QTest::newRow("no file") << "absent" << "5" << 9600;
        QTest::newRow("empty file") << "" << "5" << 9600;
        QTest::newRow("port 1 at 4800") << "14800\n" << "1" << 4800;
        QTest::newRow("port 5 at 115200") << "5115200\nrest\n" << "5" << 115200;
    }
    void gpsSettingsFromTheFirstLine()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, port);
        QFETCH(int, speed);
        FaunaWindow w(false);
        w.t.program().gpsPort = "9";
        w.t.program().gpsSpeed = 1;
        if (fileText != "absent")
            WriteLine(w.t.path("DefaultGPSSettings.txt"), fileText.chopped(fileText.endsWith('\n') ? 1 : 0));
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QCOMPARE(w.t.program().gpsPort, port);
        QCOMPARE(w.t.program().gpsSpeed, speed);
    }

    void opensInTheBrowseState()
    {
        FaunaWindow w;
        const std::pair<const char *, const char *> workflow[] = {
            {"Command7", "&Ny registrering"}, {"Command8", "&Endre registrering"}, {"Command9", "&Stryk registrering"}};
        for (const auto &[name, caption] : workflow) {
            QCOMPARE(w.shown(name), caption);
            QVERIFY2(test::isGreen(w.control<QWidget>(name)) && w.control<QWidget>(name)->isEnabled(), name);
        }
        QVERIFY(w.control<QPushButton>("Command16_0")->isHidden() && w.control<QPushButton>("Command16_9")->isHidden());
        QVERIFY(!w.control<QPushButton>("Command11")->isHidden() && !w.control<QPushButton>("Command12")->isHidden());
        QVERIFY(test::isGreen(w.control<QPushButton>("Command32_0")));
    }

    void unreachableControlsStayHidden()
    {
        FaunaWindow w;
        for (const char *name : {"Command15", "Command30", "Command24", "List5", "Label20", "Frame6"})
            QVERIFY2(w.control<QWidget>(name)->isHidden(), name);
        QWidget *reference = w.control<QWidget>("Frame13");
        QVERIFY(!reference->isHidden() && w.window.rect().contains(reference->geometry()));
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
        w.window.Form_Load(skip ? frm_Fauna::Splash::Skip : frm_Fauna::Splash::AsDesigned);
        poll.stop();
        QCOMPARE(modalSeen, splashShown ? "lirvenda::frm_Frontside" : "");
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
