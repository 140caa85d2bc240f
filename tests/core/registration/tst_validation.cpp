#include "core/registration/Validation.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

// latitude, longitude, locality, species, count, start date and time, stop date and time, ticked observers
const RegistrationFields Valid{
    "59.9127", "10.75", "Frognerparken", "Svarttrost (Turdus merula) [11870]", "2", "05.06.2024", "10:00", "05.06.2024",
    "10:00",   1};

} // namespace

Q_DECLARE_METATYPE(RegistrationFields)

class ValidationTest : public QObject {
    Q_OBJECT
private slots:
    // Each row breaks the fields in its own way; the first failing check's message wins.
    void firstFailureWins_data()
    {
        QTest::addColumn<RegistrationFields>("fields");
        QTest::addColumn<QStringList>("messages");
        const QString coordinates =
            "De angitte koordinater stemmer ikke med fylke/kommune. Trykk 'Fylke/kom.' for tips";
        auto row = [](const char *name, auto change, QStringList messages) {
            RegistrationFields f = Valid;
            change(f);
            QTest::newRow(name) << f << messages;
        };
        row("all valid", [](RegistrationFields &) {}, {});
        row("coordinates before locality", [](RegistrationFields &f) { f.latitude = f.longitude = f.locality = ""; },
            {coordinates});
        row("locality", [](RegistrationFields &f) { f.locality = ""; }, {"Du må angi en lokalitet"});
        row("blank locality is text", [](RegistrationFields &f) { f.locality = " "; }, {});
        row("latitude in a box but not a number",
            [](RegistrationFields &f) {
                f.latitude = "599x";
                f.longitude = "";
            },
            {coordinates});
        row("latitude not a number", [](RegistrationFields &f) { f.latitude = "59.91x"; },
            {"Du må oppgi en breddegrad"});
        row("longitude not a number", [](RegistrationFields &f) { f.longitude = "10.75x"; },
            {"Du må oppgi en lengdegrad"});
        row("no species", [](RegistrationFields &f) { f.speciesCaption = "&Art"; }, {"Du må oppgi en art"});
        row("no count", [](RegistrationFields &f) { f.count = ""; }, {"Feil i angivelse av antall"});
        row("count of blanks", [](RegistrationFields &f) { f.count = " "; }, {"Feil i angivelse av antall"});
        row("count with two marks", [](RegistrationFields &f) { f.count = "1.2.3"; }, {"Feil i angivelse av antall"});
        row("count with decimal comma", [](RegistrationFields &f) { f.count = "1,5"; }, {});
        row("count of twenty digits", [](RegistrationFields &f) { f.count = "99999999999999999999"; },
            {"Feil i angivelse av antall"});
        row("count of eighteen digits", [](RegistrationFields &f) { f.count = "999999999999999999"; }, {});
        row("start date", [](RegistrationFields &f) { f.startDate = "31.04.2024"; }, {"Ulovlig dato"});
        row("start hour out of range, stop not examined",
            [](RegistrationFields &f) {
                f.startTime = "25:00";
                f.stopDate = "x";
            },
            {"Ulovlig tid!", "Ulovlig tid"});
        row("start time malformed", [](RegistrationFields &f) { f.startTime = "10.00"; }, {"Ulovlig tid"});
        row("stop date", [](RegistrationFields &f) { f.stopDate = "5.6.2024"; }, {"Ulovlig dato"});
        row("stop minute out of range", [](RegistrationFields &f) { f.stopTime = "10:60"; },
            {"Ulovlig tid!", "Ulovlig tid"});
        row("stop before start", [](RegistrationFields &f) { f.stopTime = "09:59"; }, {"Stopptid er før starttid."});
        row("stop on an earlier day",
            [](RegistrationFields &f) {
                f.stopDate = "04.06.2024";
                f.stopTime = "23:00";
            },
            {"Stopptid er før starttid."});
        row("one-digit start is the hour, stored 09:00",
            [](RegistrationFields &f) {
                f.startTime = "9";
                f.stopTime = "09:05";
            },
            {});
        row("three digits are an hour and minutes",
            [](RegistrationFields &f) {
                f.startTime = "930";
                f.stopTime = "0945";
            },
            {});
        row("start checked as it is stored",
            [](RegistrationFields &f) {
                f.startTime = "123";
                f.stopTime = "0130";
            },
            {});
        row("empty times are midnight",
            [](RegistrationFields &f) {
                f.startTime = "";
                f.stopTime = " ";
            },
            {});
        row("no main observer", [](RegistrationFields &f) { f.tickedObservers = 0; },
            {"Det må avkrysses en hovedobservatør"});
        row("two main observers", [](RegistrationFields &f) { f.tickedObservers = 2; },
            {"Kun en hovedobservatør skal avmerkes"});
    }
    void firstFailureWins()
    {
        QFETCH(RegistrationFields, fields);
        QFETCH(QStringList, messages);
        test::TestProgram t;
        QStringList shown;
        for (const ValidationMessage &m : registrationProblems(t.program(), fields))
            shown << m.text;
        QCOMPARE(shown, messages);
    }
};

QTEST_GUILESS_MAIN(ValidationTest)
#include "tst_validation.moc"
