#include "core/registration/RegistrationState.h"

#include <QTest>

using namespace lirvenda;

class RegistrationStateTest : public QObject {
    Q_OBJECT
private slots:
    // Clicks on the buttons of one group, by index; the caption chosen afterwards.
    void singleChoice_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("one click chooses") << QList<int>{1} << "Hann";
        QTest::newRow("the same again withdraws") << QList<int>{1, 1} << "";
        QTest::newRow("another moves the choice") << QList<int>{1, 2} << "Hunn";
        QTest::newRow("moved, then withdrawn") << QList<int>{1, 2, 2} << "";
        QTest::newRow("nothing clicked") << QList<int>{} << "";
    }
    void singleChoice()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, chosen);
        RegistrationState state;
        for (int index : clicks)
            state.sex().toggle(index);
        QCOMPARE(state.sex().caption(), chosen);
        for (int i = 0; i < RegistrationState::Sexes.size(); ++i)
            QCOMPARE(state.sex().isChosen(i), RegistrationState::Sexes[i] == chosen);
    }

    // A stored caption chooses the first button with that caption; one no button has, none.
    void storedCaptions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("known") << QString("2K+") << QString("2K+");
        QTest::newRow("last") << QString("Adult") << QString("Adult");
        QTest::newRow("unknown") << QString("Ukjent") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("other case") << QString("adult") << QString();
    }
    void storedCaptions()
    {
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        RegistrationState state;
        state.age().toggle(0); // a choice from the row shown before never stays
        state.age().chooseCaption(stored);
        QCOMPARE(state.age().caption(), chosen);
    }

    // At most two directions; a refused click changes nothing. The text follows the buttons' order.
    void directions_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<bool>>("taken");
        QTest::addColumn<QString>("exposure");
        QTest::newRow("one") << QList<int>{2} << QList<bool>{true} << "S";
        QTest::newRow("two, kept in button order") << QList<int>{3, 0} << QList<bool>{true, true} << "NV";
        QTest::newRow("a third refused") << QList<int>{0, 2, 3} << QList<bool>{true, true, false} << "NS";
        QTest::newRow("withdrawn makes room") << QList<int>{0, 2, 0, 3} << QList<bool>{true, true, true, true} << "SV";
        QTest::newRow("withdrawn while at the limit") << QList<int>{1, 2, 1} << QList<bool>{true, true, true} << "S";
    }
    void directions()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<bool>, taken);
        QFETCH(QString, exposure);
        RegistrationState state;
        QList<bool> answers;
        for (int index : clicks)
            answers << state.toggleDirection(index);
        QCOMPARE(answers, taken);
        QCOMPARE(state.exposure(), exposure);
    }

    // A stored exposure is shown as it is, even with more directions than may be chosen.
    void storedExposure_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two") << QString("ØV") << QString("ØV");
        QTest::newRow("other order") << QString("VN") << QString("NV");
        QTest::newRow("three from older data") << QString("NØS") << QString("NØS");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("unknown letters") << QString("x") << QString();
    }
    void storedExposure()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        RegistrationState state;
        state.toggleDirection(3);
        state.setExposure(stored);
        QCOMPARE(state.exposure(), shown);
    }
};

QTEST_APPLESS_MAIN(RegistrationStateTest)
#include "tst_registrationstate.moc"
