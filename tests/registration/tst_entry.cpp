#include "FaunaWindow.h"

#include "data/SharedProcedures.h"
#include "registration/DateSteps.h"
#include "support/ModalAnswer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;
using test::isGreen;
using test::isNeutral;
using test::isYellow;

namespace {

QPushButton *element(FaunaWindow &w, const char *array, int index)
{
    return w.control<QPushButton>(QString("%1_%2").arg(array).arg(index));
}

void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }

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
    click(w.control<QPushButton>("Command7"));
    w.control<QComboBox>("Combo13")->setEditText("Gaulosen");
    w.control<QLineEdit>("Text7")->setText("63.35");
    w.control<QLineEdit>("Text8")->setText("10.22");
}

QString savedColumn(FaunaWindow &w, const char *column)
{
    return w.t.db().scalar(QString("SELECT \"%1\" FROM Observasjoner ORDER BY ObsID DESC LIMIT 1").arg(column)).toString();
}

} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void sexAndAgeAreSingleChoicesThatToggle()
    {
        FaunaWindow w;
        startNew(w);
        click(element(w, "Command19", 1)); // "Hann"
        click(element(w, "Command19", 2)); // "Hunn"
        QCOMPARE(chosen(w, "Command19", 4), QStringList({"Hunn"}));
        click(element(w, "Command19", 2));
        QCOMPARE(chosen(w, "Command19", 4), QStringList());

        click(element(w, "Command20", 4));
        QCOMPARE(chosen(w, "Command20", 23), QStringList({"2K"}));
        emit element(w, "Command20", 9)->customContextMenuRequested({}); // right button on any age
        QCOMPARE(chosen(w, "Command20", 23), QStringList());

        click(element(w, "Command19", 0));
        QTest::mouseClick(w.control<QGroupBox>("Frame10"), Qt::LeftButton, {}, QPoint(250, 5));
        QCOMPARE(chosen(w, "Command19", 4), QStringList());
    }

    void atMostTwoExposures()
    {
        FaunaWindow w;
        startNew(w);
        click(w.control<QPushButton>("Command34")); // "Reir"
        click(element(w, "Command35", 0));        // N
        click(element(w, "Command35", 2));        // S
        click(element(w, "Command35", 3));        // V refused
        QCOMPARE(w.t.prompter().lastText(), QString("Kun to retninger kan velges"));
        QCOMPARE(chosen(w, "Command35", 4), QStringList({"N", "S"}));
        click(element(w, "Command35", 0));
        click(element(w, "Command35", 3));
        QCOMPARE(chosen(w, "Command35", 4), QStringList({"S", "V"}));
    }

    void ringAnswerOrNone()
    {
        FaunaWindow w;
        startNew(w);
        auto *ring = w.control<QPushButton>("Command31");
        w.t.prompter().inputAnswers = {QString("NOS CA12345 rød/grønn"), QString()};
        click(ring);
        QCOMPARE(ring->text(), QString("NOS CA12345 rød/grønn"));
        click(ring);
        QCOMPARE(ring->text(), QString("Ringmerking"));
    }

    void dateSteps_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("refused");
        QTest::newRow("back") << "01.03.2024" << -1 << "29.02.2024" << false;
        QTest::newRow("on to today") << "09.06.2024" << 1 << "10.06.2024" << false;
        QTest::newRow("never past today") << "10.06.2024" << 1 << "10.06.2024" << true;
        QTest::newRow("no date: today") << "i går" << -1 << "10.06.2024" << false;
    }
    void dateSteps()
    {
        QFETCH(QString, box);
        QFETCH(int, days);
        QFETCH(QString, result);
        QFETCH(bool, refused);
        const SteppedDate stepped = stepDate(box, days, QDate(2024, 6, 10));
        QCOMPARE(stepped.text, result);
        QCOMPARE(stepped.refused, refused);
    }

    void plusOnTodayBeeps()
    {
        FaunaWindow w;
        startNew(w);
        const int beeps = w.t.prompter().beeps;
        click(w.control<QPushButton>("Command4"));
        QCOMPARE(w.shown("Text2"), QDate::currentDate().toString("dd.MM.yyyy"));
        QCOMPARE(w.t.prompter().beeps, beeps + 1);
        click(w.control<QPushButton>("Command6"));
        QCOMPARE(w.shown("Text5"), QDate::currentDate().addDays(-1).toString("dd.MM.yyyy"));
    }

    // An individual with species picked in the search, count keyed, sex, age, activity, ring and
    // photo and sound; shown again exactly as entered.
    void individualRecordRoundTrip()
    {
        FaunaWindow w;
        startNew(w);
        test::ModalAnswer pick([](QWidget *search) {
            auto *text = search->findChild<QLineEdit *>("Text1");
            text->setText("svarttrost");
            QTest::keyClick(text, Qt::Key_Return);
        });
        click(w.control<QPushButton>("Command2"));
        w.control<QLineEdit>("Text1")->clear();
        click(element(w, "Command16", 2)); // "3"
        click(element(w, "Command16", 9)); // "0"
        click(element(w, "Command19", 1));
        click(element(w, "Command20", 22));
        auto *activity = w.control<QComboBox>("Combo2");
        activity->setCurrentIndex(1);
        emit activity->activated(1);
        QVERIFY(isYellow(activity));
        w.t.prompter().inputAnswers = {QString("NOS 8A12345")};
        click(w.control<QPushButton>("Command31"));
        w.control<QCheckBox>("Check2")->setChecked(true);
        w.control<QCheckBox>("Check4")->setChecked(true);
        QCOMPARE(w.shown("Text1"), QString("30"));
        click(w.control<QPushButton>("Command7"));
        QCOMPARE(w.t.db().scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);

        QCOMPARE(savedColumn(w, "Art"), QString("11870"));
        QCOMPARE(savedColumn(w, "Antall"), QString("30"));
        QCOMPARE(savedColumn(w, "Kjønn"), QString("Hann"));
        QCOMPARE(savedColumn(w, "Alder"), QString("Adult"));
        QCOMPARE(savedColumn(w, "AtlasKode"), QString("2"));
        QCOMPARE(savedColumn(w, "Ring"), QString("NOS 8A12345"));
        QCOMPARE(savedColumn(w, "Dokumentasjon"), QString("FL"));
        QVERIFY(w.t.db().scalar("SELECT Reirplassering FROM Observasjoner").isNull());
        QCOMPARE(savedColumn(w, "Fylke_Kommune"), QString()); // no county chosen

        click(w.control<QPushButton>("Command9")); // cancel: browse the saved row
        QCOMPARE(w.shown("Command2"), QString("Svarttrost (Turdus merula) [11870]"));
        QCOMPARE(w.shown("Text1"), QString("30"));
        QVERIFY(isGreen(element(w, "Command19", 1)));
        QVERIFY(isGreen(element(w, "Command20", 22)));
        QCOMPARE(BracketCode(w.shown("Combo2")), QString("2"));
        QCOMPARE(w.shown("Command31"), QString("NOS 8A12345"));
        QVERIFY(w.control<QCheckBox>("Check2")->isChecked() && w.control<QCheckBox>("Check4")->isChecked());
        QVERIFY(!w.control<QCheckBox>("Check3")->isChecked());
    }

    // A nest with two exposures: the individual fields are not written.
    void nestRecordRoundTrip()
    {
        FaunaWindow w;
        startNew(w);
        w.control<QPushButton>("Command2")->setText("Ærfugl (Somateria mollissima) [02060]");
        click(element(w, "Command19", 1)); // chosen before switching to the nest: not saved
        click(w.control<QPushButton>("Command34"));
        QVERIFY(!w.control<QGroupBox>("Frame10")->isVisibleTo(&w.window));
        w.control<QComboBox>("Combo6")->setCurrentIndex(3);
        w.control<QComboBox>("Combo9")->setCurrentText("5");
        click(element(w, "Command35", 1)); // Ø
        click(element(w, "Command35", 3)); // V
        click(w.control<QPushButton>("Command7"));

        QCOMPARE(savedColumn(w, "Eksponering"), QString("ØV"));
        QCOMPARE(savedColumn(w, "Reirplassering"), QString("4"));
        QCOMPARE(savedColumn(w, "AntallEgg"), QString("5"));
        QCOMPARE(savedColumn(w, "Tresort"), QString("10"));
        QVERIFY(w.t.db().scalar("SELECT Kjønn FROM Observasjoner").isNull());

        click(w.control<QPushButton>("Command9"));
        QVERIFY(isGreen(w.control<QPushButton>("Command34")));
        QVERIFY(isGreen(element(w, "Command35", 1)) && isGreen(element(w, "Command35", 3)));
        QVERIFY(isNeutral(element(w, "Command35", 0)));
        QCOMPARE(w.shown("Combo9"), QString("5"));
        QCOMPARE(BracketCode(w.shown("Combo6")), QString("4"));
    }
};

QTEST_MAIN(EntryTest)
#include "tst_entry.moc"
