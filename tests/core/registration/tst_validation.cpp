#include "core/registration/Validation.h"
#include "support/TestProgram.h"

#include <QtTest>

#include <initializer_list>
#include <utility>

using namespace lirvenda;

namespace {

using F = RegistrationFields;

// Valid fields (latitude, longitude, locality, species, count, start and stop date and time, one
// ticked observer) with the given ones changed.
RegistrationFields changed(std::initializer_list<std::pair<QString F::*, const char *>> changes, int ticked = 1)
{
    RegistrationFields f{"59.9127", "10.75",      "Frognerparken", "Svarttrost (Turdus merula) [11870]",
                         "2",       "05.06.2024", "10:00",         "05.06.2024",
                         "10:00",   ticked};
    for (const auto &[field, value] : changes)
        f.*field = value;
    return f;
}

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
        const QStringList none, count{"Feil i angivelse av antall"}, date{"Ulovlig dato"},
            time{"Ulovlig tid!", "Ulovlig tid"}, order{"Stopptid er før starttid."},
            coordinates{"De angitte koordinater stemmer ikke med fylke/kommune. Trykk 'Fylke/kom.' for tips"};
        QTest::newRow("all valid") << changed({}) << none;
        QTest::newRow("coordinates before locality")
            << changed({{&F::latitude, ""}, {&F::longitude, ""}, {&F::locality, ""}}) << coordinates;
        QTest::newRow("locality") << changed({{&F::locality, ""}}) << QStringList{"Du må angi en lokalitet"};
        QTest::newRow("blank locality is text") << changed({{&F::locality, " "}}) << none;
        QTest::newRow("latitude in a box but not a number")
            << changed({{&F::latitude, "599x"}, {&F::longitude, ""}}) << coordinates;
        QTest::newRow("latitude not a number")
            << changed({{&F::latitude, "59.91x"}}) << QStringList{"Du må oppgi en breddegrad"};
        QTest::newRow("longitude not a number")
            << changed({{&F::longitude, "10.75x"}}) << QStringList{"Du må oppgi en lengdegrad"};
        QTest::newRow("no species") << changed({{&F::speciesCaption, "&Art"}}) << QStringList{"Du må oppgi en art"};
        QTest::newRow("no count") << changed({{&F::count, ""}}) << count;
        QTest::newRow("count of blanks") << changed({{&F::count, " "}}) << count;
        QTest::newRow("count with two marks") << changed({{&F::count, "1.2.3"}}) << count;
        QTest::newRow("count with decimal comma") << changed({{&F::count, "1,5"}}) << none;
        QTest::newRow("count of twenty digits") << changed({{&F::count, "99999999999999999999"}}) << count;
        QTest::newRow("count of eighteen digits") << changed({{&F::count, "999999999999999999"}}) << none;
        QTest::newRow("start date") << changed({{&F::startDate, "31.04.2024"}}) << date;
        QTest::newRow("start hour out of range, stop not examined")
            << changed({{&F::startTime, "25:00"}, {&F::stopDate, "x"}}) << time;
        QTest::newRow("start time malformed") << changed({{&F::startTime, "10.00"}}) << QStringList{"Ulovlig tid"};
        QTest::newRow("stop date") << changed({{&F::stopDate, "5.6.2024"}}) << date;
        QTest::newRow("stop minute out of range") << changed({{&F::stopTime, "10:60"}}) << time;
        QTest::newRow("stop before start") << changed({{&F::stopTime, "09:59"}}) << order;
        QTest::newRow("stop on an earlier day")
            << changed({{&F::stopDate, "04.06.2024"}, {&F::stopTime, "23:00"}}) << order;
        QTest::newRow("one-digit start is the hour, stored 09:00")
            << changed({{&F::startTime, "9"}, {&F::stopTime, "09:05"}}) << none;
        QTest::newRow("three digits are an hour and minutes")
            << changed({{&F::startTime, "930"}, {&F::stopTime, "0945"}}) << none;
        QTest::newRow("start checked as it is stored")
            << changed({{&F::startTime, "123"}, {&F::stopTime, "0130"}}) << none;
        QTest::newRow("empty times are midnight") << changed({{&F::startTime, ""}, {&F::stopTime, " "}}) << none;
        QTest::newRow("no main observer")
            << changed({}, 0)
            << QStringList{"Det må avkrysses en hovedobservatør. Legg til en observatør med høyre museknapp på "
                           "observatørlista."};
        QTest::newRow("two main observers") << changed({}, 2) << QStringList{"Kun en hovedobservatør skal avmerkes"};
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
