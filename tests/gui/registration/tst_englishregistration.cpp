#include "core/shared/Language.h"
#include "support/FaunaWindow.h"

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

// A new registration of a species at a place, by an observer the window ticks.
void startNew(FaunaWindow &w)
{
    w.t.addObserver("Kari", "Nordmann", "KN", true);
    w.click("Command7");
    w.enterRequired();
}

} // namespace

// The window shown in English: the sex, age, exposure and ring buttons read English, while the
// store keeps the values it always kept, and a stored row chooses the buttons of its values.
class EnglishRegistrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installTranslation(Language::English);
        QCOMPARE(shownLanguage(), Language::English);
    }

    void individualKeepsItsStoredValues()
    {
        FaunaWindow w;
        startNew(w);
        click(w, "Command19", 1);
        click(w, "Command20", 22);
        QCOMPARE(w.shownAs({"Command19_1=Male", "Command20_22=Adult", "Command31=Ringing"}),
                 QStringList({"Command19_1=Male", "Command20_22=Adult", "Command31=Ringing"}));
        w.click("Command7");
        const QStringList expected = {"Kjønn=Hann", "Alder=Adult", "Ring="}; // the ring's caption is no ring
        QCOMPARE(w.storedAs(w.lastObsId(), expected), expected);

        w.click("Command9"); // back to browsing, on the row saved
        QVERIFY(isGreen(element(w, "Command19", 1)) && isGreen(element(w, "Command20", 22)));
        QCOMPARE(w.shown("Command31"), QString("Ringing"));
    }

    void nestKeepsItsStoredExposure()
    {
        FaunaWindow w;
        startNew(w);
        w.click("Command34");
        click(w, "Command35", 1);
        click(w, "Command35", 3);
        QCOMPARE(element(w, "Command35", 1)->text() + element(w, "Command35", 3)->text(), QString("EW"));
        w.click("Command7");
        QCOMPARE(w.column(w.lastObsId(), "Eksponering"), QString("ØV"));

        w.click("Command9");
        QVERIFY(isGreen(element(w, "Command35", 1)) && isGreen(element(w, "Command35", 3)));
    }

    // The groups are looked up by the class the taxa are stored under, not by the shown caption.
    void speciesGroupsFindTheirTaxa()
    {
        FaunaWindow w;
        QCOMPARE(element(w, "Command32", 3)->text(), QString("Insects"));
        QVERIFY(element(w, "Command32", 3)->isEnabled()); // the shipped taxa have butterflies
    }

    // The longer English captions of the entry state and the nest tab leave the window on a laptop
    // screen.
    void enteringFitsALaptopScreen()
    {
        FaunaWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const auto fits = [&w] {
            const QSize least = w.window.minimumSizeHint();
            return least.width() <= 1366 && least.height() <= 768 - 48;
        };
        w.window.SetEditState(RegistrationState::Mode::New);
        QVERIFY(fits());
        w.click("Command34");
        QVERIFY(fits());
    }
};

QTEST_MAIN(EnglishRegistrationTest)
#include "tst_englishregistration.moc"
