#include "FaunaWindow.h"

#include "data/Schema.h"
#include "data/SharedProcedures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

using namespace lirvenda;
using test::FaunaWindow;

namespace {

QString keyed(const QString &text, int blanks, const QString &key) { return withKey(text, blanks, key); }

const QStringList DesignedControls = [] {
    QStringList names = {
        "Frame1",    "Label6",    "Combo13",   "Label19",   "Combo3",    "Combo14",   "Label20",   "Command37",
        "Label8",    "Command17", "Command36", "Label9",    "Text7",     "Label10",   "Text8",     "Label7",
        "Command2",  "Label1",    "Combo1",    "Text1",     "Command11", "Command12", "Label2",    "Command3",
        "Text2",     "Command4",  "Label3",    "Text3",     "Command25", "Label5",    "Command6",  "Text5",
        "Command21", "Label4",    "Text6",     "Command26", "Command9",  "Command8",  "Command7",  "Frame12",
        "Command33", "Command34", "Command18", "Label11",   "Combo6",    "Label12",   "Combo7",    "Label13",
        "Combo8",    "Label16",   "Label14",   "Combo9",    "Label15",   "Combo10",   "Label17",   "Combo11",
        "Label18",   "Combo12",   "Command31", "Check2",    "Check3",    "Check4",    "Frame2",    "Text4",
        "Frame11",   "Frame10",   "Frame8",    "Combo2",    "Command22", "Frame6",    "Image1",    "Frame7",
        "List6",     "List3",     "Check1",    "Frame3",    "List1",     "Frame4",    "List2",     "Frame9",
        "List4",     "Frame5",    "Command10", "Command1",  "Command15", "Command14", "Command28", "Command30",
        "Command24", "Command23", "Command13", "Command5",  "Frame13",   "Combo4",    "Command27", "Command29",
        "List5",     "Timer1"};
    const std::pair<const char *, int> arrays[] = {
        {"Command32", 4}, {"Command16", 10}, {"Command19", 4}, {"Command20", 23}, {"Command35", 4}};
    for (const auto &[array, size] : arrays)
        for (int i = 0; i < size; ++i)
            names << QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
    return names;
}();

void createObserverFile(const QString &path)
{
    auto db = Database::create(path, Program::DatabaseKey);
    upgradeObserverSchema(*db);
}

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
        QTest::newRow("nest site") << "Combo6" << keyed("Ikke angitt", 40, "1") << 16;
        QTest::newRow("tree species") << "Combo7" << keyed("Gran", 40, "1") << 23;
        QTest::newRow("age of young") << "Combo12" << keyed("Ikke angitt", 30, "1") << 8;
    }
    void listsStartAtTheirFirstEntry()
    {
        QFETCH(QString, combo);
        QFETCH(QString, shown);
        QFETCH(int, entries);
        FaunaWindow w;
        auto *list = w.control<QComboBox>(combo);
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(list->count(), entries);
    }

    void activityAndReferenceStartUnchosen()
    {
        FaunaWindow w;
        auto *activity = w.control<QComboBox>("Combo2");
        QCOMPARE(activity->currentIndex(), -1);
        QCOMPARE(activity->itemText(0), keyed("Observert i hekketiden i mulig hekkebiotop", 100, "1"));
        QCOMPARE(w.control<QComboBox>("Combo4")->currentIndex(), -1);
    }

    void countiesFollowTheDashInCodeOrder()
    {
        FaunaWindow w;
        auto *counties = w.control<QComboBox>("Combo3");
        QCOMPARE(counties->itemText(0), "-");
        QCOMPARE(counties->itemText(1), keyed("Oslo", 40, "NO03"));
        QVERIFY(counties->count() >= 16);
        for (int i = 2; i < counties->count(); ++i) {
            QCOMPARE(counties->itemText(i).indexOf(QString(40, ' ') + "[NO"), counties->itemText(i).indexOf('[') - 40);
            QVERIFY(BracketCode(counties->itemText(i - 1)) < BracketCode(counties->itemText(i)));
        }
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
        QCOMPARE(w.control<QPushButton>("Command16_0")->text(), "1");
        QCOMPARE(w.control<QPushButton>("Command16_8")->text(), "9");
        QCOMPARE(w.control<QPushButton>("Command16_9")->text(), "0");
        QCOMPARE(w.control<QPushButton>("Command20_0")->text(), "Egg");
        QCOMPARE(w.control<QPushButton>("Command20_3")->text(), "1K+");
        QCOMPARE(w.control<QPushButton>("Command20_22")->text(), "Adult");
        const QString today = QDate::currentDate().toString("dd.MM.yyyy");
        QCOMPARE(w.control<QLineEdit>("Text2")->text(), today);
        QCOMPARE(w.control<QLineEdit>("Text5")->text(), today);
        const QRegularExpression clock("^([01][0-9]|2[0-3]):[0-5][0-9]$");
        QVERIFY(clock.match(w.control<QLineEdit>("Text3")->text()).hasMatch());
        QVERIFY(clock.match(w.control<QLineEdit>("Text6")->text()).hasMatch());
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
            auto *button = w.control<QPushButton>(name);
            QCOMPARE(button->text(), caption);
            QVERIFY2(test::isGreen(button) && button->isEnabled(), name);
        }
        for (int i = 0; i < 10; ++i)
            QVERIFY(w.control<QPushButton>(QString("Command16_%1").arg(i))->isHidden());
        QVERIFY(!w.control<QPushButton>("Command11")->isHidden());
        QVERIFY(!w.control<QPushButton>("Command12")->isHidden());
        QVERIFY(w.control<QPushButton>("Command18")->isHidden());
        QVERIFY(!w.control<QPushButton>("Command2")->isEnabled());
        QVERIFY(hasColour(w.control<QLineEdit>("Text1"), Colour::White));
        QVERIFY(w.control<QPushButton>("Command23")->isEnabled());
        QVERIFY(test::isGreen(w.control<QPushButton>("Command32_0")));
        for (const char *group : {"Command32_1", "Command32_2", "Command32_3"})
            QVERIFY2(!w.control<QPushButton>(group)->isEnabled(), group);
    }

    void unreachableControlsStayHidden()
    {
        FaunaWindow w;
        for (const char *name : {"Command15", "Command30", "Command24", "List5", "Label20", "Frame6"})
            QVERIFY2(w.control<QWidget>(name)->isHidden(), name);
        QVERIFY(!w.control<QGroupBox>("Frame13")->isHidden());
        const QRect reference = w.control<QGroupBox>("Frame13")->geometry();
        QVERIFY(w.window.rect().contains(reference));
    }

    void opensOnTheRowThatSortsLast()
    {
        FaunaWindow w(false);
        w.insertObservation({{"Art", "04210"}, {"StartDato", "2024-05-01 08:00:00"}, {"Antall", 1}});
        w.insertObservation({{"Art", "01540"}, {"StartDato", "2024-06-01 08:00:00"}, {"Antall", 2}});
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QCOMPARE(w.control<QPushButton>("Command2")->text(), "Åkerrikse (Crex crex) [04210]");
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), "1");
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
            createObserverFile(w.t.path("Nest.mdb"));
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
