#include "support/FaunaWindow.h"

#include "core/registration/Places.h"

#include <QCheckBox>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// The nature type 1|1|3 as its button reads.
const QString Seabed =
    "Saltvannsbunnsystemer (M)/Eufotisk fast saltvannsbunn (M1)/Beskyttet infralitoral fastbunn (M1-3)";

// A row's columns from "column=value" texts.
QVariantMap columns(const QStringList &texts)
{
    QVariantMap out;
    for (const QString &text : texts)
        out.insert(text.section('=', 0, 0), text.section('=', 1));
    return out;
}

// A nest of eider: no locality, no comment, a stop at midnight.
QVariantMap nestRecord(const QString &observers)
{
    QVariantMap nest =
        columns({"Art=02060", "Operator=>", "Antall=3", "StartDato=2024-05-06 07:30:00",
                 "StoppDato=2024-05-06 00:00:00", "Fylke_Kommune=4601", "Breddegrad=60.39", "Lengdegrad=05.32",
                 "Reirplassering=3", "Tresort=2", "HOM=4", "Eksponering=ØV", "AntallEgg=5", "AntallUnger=-1",
                 "AntallVoksne=2", "UngeAlder=4", "Dokumentasjon=FL", "Ring=NOS CA12345", "Naturtype=1|1|3"});
    nest["Observatører"] = observers;
    return nest;
}

QVariantMap individualRecord(const QString &reference)
{
    QVariantMap individual = columns({"Art=01540", "Antall=2", "StartDato=2024-04-01 12:05:00",
                                      "Lokalitet=Nordåsvannet", "Fylke_Kommune=NO46", "Kjønn=Hunn", "Alder=2K",
                                      "AtlasKode=3", "Dokumentasjon=V", "Naturtype=3|25", "Kommentar=ved land"});
    individual["Referanse"] = reference;
    return individual;
}

// The indexes of the green buttons of an array.
QList<int> green(FaunaWindow &w, const char *array, int count)
{
    QList<int> out;
    for (int i = 0; i < count; ++i)
        if (isGreen(w.control(QString("%1_%2").arg(array).arg(i))))
            out << i;
    return out;
}

} // namespace

class ShowRegistrationTest : public QObject {
    Q_OBJECT
private slots:
    // A nest record fills the nest panel, over what was typed before. Nothing of it carries over to
    // the next row shown: not the nest panel, not a code that matches no entry, and not the reference
    // a nest record does not have, which a change would save over its own.
    void nestPanelAndNothingCarriesOver()
    {
        FaunaWindow w(false);
        w.t.db().execute("INSERT INTO Referanser(Referanse_ID, Forfattere, År) VALUES (7, 'Berg, A.', '1999')");
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        const QString main = w.t.addObserver("Kari", "Nordmann", "KN");
        const QString other = w.t.addObserver("Per", "Hansen", "PH");
        w.enter({"Combo13=fra før", "Text4=fra før"});
        QVERIFY(w.show(w.insertObservation(nestRecord(main + ",," + other + ","))));
        QStringList nestShown = {"Combo13=",    "Text4=",           "Command2=Ærfugl (Somateria mollissima) [02060]",
                                 "Combo1=>",    "Text1=3",          "Text2=06.05.2024",
                                 "Text3=07:30", "Text5=06.05.2024", "Text6=",
                                 "Text7=60.39", "Text8=05.32",      "Command31=NOS CA12345",
                                 "Combo8=4",    "Combo9=5",         "Combo10=-1",
                                 "Combo11=2"};
        nestShown << "Command37=" + Seabed << "Combo6=" + withKey("I busk", 40, "3")
                  << "Combo7=" + withKey("Furu", 40, "2") << "Combo12=" + withKey("Dununger", 30, "4");
        QCOMPARE(w.shownAs(nestShown), nestShown);
        QCOMPARE(w.control("Command37")->property("tag").toString(), "1|1|3");
        QCOMPARE(initialsIn(w.control<QAbstractItemView>("List1")), (QStringList{"KN*", "PH"}));
        QVERIFY(isGreen(w.control("Command34")) && isNeutral(w.control("Command33")));
        QVERIFY(!w.control("Combo6")->isHidden() && w.control("Frame11")->isHidden());
        QVERIFY(w.control<QCheckBox>("Check2")->isChecked() && w.control<QCheckBox>("Check4")->isChecked());
        QVERIFY(!w.control<QCheckBox>("Check3")->isChecked());
        QCOMPARE(green(w, "Command35", 4), (QList<int>{1, 3})); // "Ø", "V"

        QVERIFY(w.show(w.insertObservation(individualRecord("7"))));
        const QStringList expected = {"Combo13=Nordåsvannet", "Text4=ved land", "Command31=Ringmerking",
                                      "Combo4=Berg, A. 1999   [7]",
                                      "Command37=Fastmarkssystemer (T)/Åpen grunnlendt mark (T2)"};
        QCOMPARE(w.shownAs(expected), expected);
        QVERIFY(isGreen(w.control("Command33")) && isNeutral(w.control("Command34")));
        for (const char *frame : {"Frame11", "Frame10", "Frame8"})
            QVERIFY2(!w.control(frame)->isHidden(), frame);
        for (const char *nestControl : {"Combo6", "Combo12", "Label13", "Command35_0"})
            QVERIFY2(w.control(nestControl)->isHidden(), nestControl);
        QCOMPARE(green(w, "Command19", 4), QList<int>{2});  // "Hunn"
        QCOMPARE(green(w, "Command20", 23), QList<int>{4}); // "2K"
        QCOMPARE(green(w, "Command35", 4), QList<int>{});
        QCOMPARE(bracketCode(w.shown("Combo2")), "3");
        QVERIFY(isGreen(w.control("Combo2")) && isGreen(w.control("Combo4")));
        QVERIFY(!w.control<QCheckBox>("Check2")->isChecked() && w.control<QCheckBox>("Check3")->isChecked());

        // Codes that match no entry choose nothing, not what the row before had chosen.
        QVariantMap unmatched = individualRecord("77");
        unmatched["AtlasKode"] = "99";
        unmatched["Kjønn"] = "Ukjent";
        QVERIFY(w.show(w.insertObservation(unmatched)));
        for (const char *name : {"Combo2", "Combo4"}) {
            QCOMPARE(w.control<QComboBox>(name)->currentIndex(), -1);
            QVERIFY2(isNeutral(w.control(name)), name);
        }

        QVERIFY(w.show(w.insertObservation(individualRecord("7"))));
        QVariantMap nestOnAHolm = nestRecord(main);
        nestOnAHolm["Lokalitet"] = "Holmen";
        nestOnAHolm["StoppDato"] = "2024-05-06 09:00:00";
        const qint64 nest = w.insertObservation(nestOnAHolm);
        QVERIFY(w.show(nest));
        QCOMPARE(w.control<QComboBox>("Combo4")->currentIndex(), -1);
        QVERIFY(isNeutral(w.control("Combo4")));
        w.click("Command8");
        w.click("Command8");
        QCOMPARE(w.t.prompter().lastText(), QString());
        QCOMPARE(w.column(nest, "Referanse"), QString());
    }

    void placeShownFromItsCode_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("municipality");
        QTest::addColumn<int>("municipalities"); // "-" and those of the county
        QTest::newRow("none") << QVariant("") << QString("-") << QString("-") << 1;
        QTest::newRow("NULL") << QVariant() << QString("-") << QString("-") << 1;
        QTest::newRow("municipality") << QVariant("4621") << placeItem("Vestland", "NO46").text
                                      << placeItem("Voss", "4621").text << 44;
        QTest::newRow("county only") << QVariant("NO46") << placeItem("Vestland", "NO46").text << "-" << 44;
        QTest::newRow("unknown municipality")
            << QVariant("9999") << placeItem("-", "NO99").text << placeItem("", "9999").text << 2;
    }
    void placeShownFromItsCode()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, county);
        QFETCH(QString, municipality);
        QFETCH(int, municipalities);
        FaunaWindow w;
        QVERIFY(w.show(w.insertObservation({{"Art", "01540"}, {"Fylke_Kommune", stored}})));
        QCOMPARE(w.shown("Combo3"), county);
        QCOMPARE(w.shown("Combo14"), municipality);
        QCOMPARE(w.control<QComboBox>("Combo14")->count(), municipalities);
    }

    // On an empty window the observer list takes observers from the right button, so editing
    // enables it in its own colour, and the tabs switch between the nest and the individual panels.
    // On a shown row editing turns what is chosen yellow and closes the windows that could change
    // the row under it; browsing turns it green again and read-only.
    void editAndBrowseStates()
    {
        FaunaWindow w;
        w.window.SetEditState(RegistrationState::Mode::New);
        QVERIFY(w.control("List1")->isEnabled() && hasColour(w.control("List1"), Colour::White));
        w.click("Command34");
        QVERIFY(!w.control("Combo9")->isHidden() && w.control("Frame10")->isHidden() &&
                isGreen(w.control("Command34")));
        w.click("Command33");
        QVERIFY(w.control("Combo9")->isHidden() && !w.control("Frame10")->isHidden());
        QVERIFY(isGreen(w.control("Command33")) && isNeutral(w.control("Command34")));
        w.window.SetBrowseState();

        const QString observer = w.t.addObserver("Per", "Hansen", "PH");
        QVERIFY(w.show(w.insertObservation(
            {{"Art", "01540"}, {"Kjønn", "Hann"}, {"AtlasKode", "2"}, {"Observatører", observer}})));
        QWidget *male = w.control("Command19_1"), *activity = w.control("Combo2"), *observers = w.control("List1");
        w.window.SetEditState(RegistrationState::Mode::New);
        for (QWidget *chosen : {male, activity, observers, w.control("Command16_0"), w.control("Text1")})
            QVERIFY2(isYellow(chosen) && chosen->isEnabled() && !chosen->isHidden(), qPrintable(chosen->objectName()));
        QVERIFY(isNeutral(w.control("Command19_0")) && isYellow(w.control("Command9")));
        QVERIFY(w.control("Command11")->isHidden() && !w.control("Command18")->isHidden());
        QCOMPARE(w.shown("Command9"), "A&vbryt");
        for (const char *opener : {"Command1", "Command5", "Command10", "Command14", "Command23", "Command28", "List2"})
            QVERIFY2(!w.control(opener)->isEnabled(), opener);
        QVERIFY(w.control("Label6")->isEnabled());

        w.window.SetBrowseState();
        QVERIFY(isGreen(male) && !male->isEnabled() && isGreen(activity) && !activity->isEnabled());
        QVERIFY(hasColour(observers, Colour::White) && !observers->isEnabled());
        QVERIFY(w.control("Command16_0")->isHidden() && w.control("Command28")->isEnabled());
    }
};

QTEST_MAIN(ShowRegistrationTest)
#include "tst_showregistration.moc"
