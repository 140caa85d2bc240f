#include "support/FaunaWindow.h"

#include "core/shared/DateTexts.h"

#include <QCheckBox>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QPushButton *element(FaunaWindow &w, const char *array, int index)
{
    return w.control<QPushButton>(QString("%1_%2").arg(array).arg(index));
}
void click(FaunaWindow &w, const char *array, int index)
{
    QTest::mouseClick(element(w, array, index), Qt::LeftButton);
}

// Which buttons of an array are chosen (yellow), by caption.
QStringList chosen(FaunaWindow &w, const char *array, int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        if (isYellow(element(w, array, i)))
            captions << element(w, array, i)->text();
    return captions;
}

// A new registration with one default observer, at a place inside Trondheim.
void startNew(FaunaWindow &w)
{
    w.t.addObserver("Kari", "Nordmann", "KN", true);
    w.click("Command7");
    w.enter({"Combo13=Gaulosen", "Text7=63.35", "Text8=10.22"});
}

} // namespace

// The choices themselves are tested with RegistrationState and the date steps with DateSteps; here
// the window's wiring to them, and what a save through the window stores. How a stored row is shown
// is tested in tst_showregistration.
class EntryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void plusOnTodayBeeps()
    {
        FaunaWindow w;
        startNew(w);
        w.click("Command4");
        QCOMPARE(w.shown("Text2"), dateBoxText(QDate::currentDate()));
        QCOMPARE(w.t.prompter().beeps, 1);
        w.click("Command6");
        QCOMPARE(w.shown("Text5"), dateBoxText(QDate::currentDate().addDays(-1)));
    }

    // A right-button press on any button of a group, or a click on its frame, withdraws that
    // group's choice and no other.
    void rightPressOrFrameClickWithdraws()
    {
        FaunaWindow w;
        startNew(w);
        click(w, "Command19", 1); // "Hann"
        click(w, "Command20", 4); // "2K"
        emit element(w, "Command20", 9)->customContextMenuRequested({});
        QCOMPARE(chosen(w, "Command19", 4) + chosen(w, "Command20", 23), QStringList({"Hann"}));
        click(w, "Command20", 4);
        QTest::mouseClick(w.control("Frame10"), Qt::LeftButton, {}, QPoint(250, 5));
        QCOMPARE(chosen(w, "Command19", 4) + chosen(w, "Command20", 23), QStringList({"2K"}));
    }

    // An individual with count keyed, sex, age, activity, ring (answered, then the answer taken
    // back and given again) and photo and sound.
    void individualRecordIsSaved()
    {
        FaunaWindow w;
        startNew(w);
        w.enter({"Command2=Svarttrost (Turdus merula) [11870]", "Text1="});
        click(w, "Command16", 2); // "3"
        click(w, "Command16", 9); // "0"
        click(w, "Command19", 1);
        click(w, "Command20", 22);
        auto *activity = w.control<QComboBox>("Combo2");
        activity->setCurrentIndex(1);
        emit activity->activated(1);
        QVERIFY(isYellow(activity));
        w.t.prompter().inputAnswers = {QString("NOS 8A12345"), QString(), QString("NOS 8A12345")};
        for (const char *ring : {"NOS 8A12345", "Ringmerking", "NOS 8A12345"}) {
            w.click("Command31");
            QCOMPARE(w.shown("Command31"), QString(ring));
        }
        w.control<QCheckBox>("Check2")->setChecked(true);
        w.control<QCheckBox>("Check4")->setChecked(true);
        QCOMPARE(w.shown("Text1"), QString("30"));
        w.click("Command7");
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        const QStringList expected = {"Art=11870",        "Antall=30",           "Kjønn=Hann",
                                      "Alder=Adult",      "AtlasKode=2",         "Ring=NOS 8A12345",
                                      "Dokumentasjon=FL", "Reirplassering=NULL", "Fylke_Kommune="}; // no county chosen
        QCOMPARE(w.storedAs(w.lastObsId(), expected), expected);
    }

    // A nest with two exposures, a third refused: the individual fields are not written.
    void nestRecordIsSaved()
    {
        FaunaWindow w;
        startNew(w);
        w.enter({"Command2=Ærfugl (Somateria mollissima) [02060]"});
        click(w, "Command19", 1); // chosen before switching to the nest: not saved
        w.click("Command34");
        QVERIFY(!w.control("Frame10")->isVisibleTo(&w.window));
        w.control<QComboBox>("Combo6")->setCurrentIndex(3);
        w.enter({"Combo9=5"});
        click(w, "Command35", 1); // Ø
        click(w, "Command35", 3); // V
        click(w, "Command35", 0); // N refused
        QCOMPARE(w.t.prompter().lastText(), QString("Kun to retninger kan velges"));
        QCOMPARE(chosen(w, "Command35", 4), QStringList({"Ø", "V"}));
        w.click("Command7");
        const QStringList expected = {"Eksponering=ØV", "Reirplassering=4", "AntallEgg=5", "Tresort=10", "Kjønn=NULL"};
        QCOMPARE(w.storedAs(w.lastObsId(), expected), expected);
    }
};

QTEST_MAIN(EntryWindowTest)
#include "tst_entrywindow.moc"
