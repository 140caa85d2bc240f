#include "registration/ObservationColumns.h"

#include <QtTest>

using namespace lirvenda;

namespace {

RegistrationValues individual()
{
    RegistrationValues v;
    v.startDate = "05.06.2024";
    v.startTime = "07:05";
    v.stopDate = "05.06.2024";
    v.stopTime = "00:00";
    v.locality = "Per's holme";
    v.natureTypePath = "3|17|2";
    v.countyItem = "Trøndelag" + QString(40, ' ') + "[NO50]";
    v.municipalityItem = "Trondheim" + QString(40, ' ') + "[5001]";
    v.latitude = "63,4305";
    v.longitude = "10.3951";
    v.speciesCaption = "Svarttrost (Turdus merula) [11870]";
    v.countOperator = ">";
    v.count = "2,5";
    v.comment = "Sang";
    v.ringCaption = "Ringmerking";
    v.sex = "Hann";
    v.age = "2K";
    v.activityItem = "Syngende hann" + QString(100, ' ') + "[2]";
    v.nestSiteItem = "I tre" + QString(40, ' ') + "[2]";
    v.documentation = "FL";
    v.observers = "A-1,B-2";
    return v;
}

} // namespace

class ObservationColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void individualRecord()
    {
        const QVariantMap c = observationColumns(individual(), QDate(2024, 6, 6));
        QCOMPARE(c["ObsLastUpdated"].toString(), QString("2024-06-06 00:00:00"));
        QCOMPARE(c["StartDato"].toString(), QString("2024-06-05 07:05:00"));
        QCOMPARE(c["StoppDato"].toString(), QString("2024-06-05 00:00:00"));
        QCOMPARE(c["Fylke_Kommune"].toString(), QString("5001"));
        QCOMPARE(c["Art"].toString(), QString("11870"));
        QCOMPARE(c["Antall"].toLongLong(), 3LL); // 2,5 rounded to whole individuals
        QCOMPARE(c["Ring"].toString(), QString());
        QCOMPARE(c["Rapportert"].toInt(), 0);
        QCOMPARE(c["Kjønn"].toString(), QString("Hann"));
        QCOMPARE(c["Alder"].toString(), QString("2K"));
        QCOMPARE(c["AtlasKode"].toString(), QString("2"));
        QCOMPARE(c["Dokumentasjon"].toString(), QString("FL"));
        QCOMPARE(c["Referanse"].toString(), QString());
        QCOMPARE(c["Lokalitet"].toString(), QString("Per's holme"));
        QVERIFY(!c.contains("Reirplassering")); // the nest columns stay as they were
        QVERIFY(!c.contains("ObsUniqueID"));
    }

    void nestRecordWithOnlyACounty()
    {
        RegistrationValues v = individual();
        v.nestMode = true;
        v.municipalityItem = "-";
        v.exposure = "ØV";
        v.treeItem = "Ikke angitt" + QString(40, ' ') + "[10]";
        v.height = "-1";
        v.eggs = "4";
        v.young = "-1";
        v.adults = "2";
        v.youngAgeItem = "Ikke angitt" + QString(30, ' ') + "[1]";
        v.ringCaption = "NOS 8A12345 Ringmerking";
        v.referenceItem = "Hansen 2001 Fugler i Trøndelag  [7]";
        const QVariantMap c = observationColumns(v);
        QCOMPARE(c["Fylke_Kommune"].toString(), QString("NO50"));
        QCOMPARE(c["Reirplassering"].toString(), QString("2"));
        QCOMPARE(c["Tresort"].toString(), QString("10"));
        QCOMPARE(c["Eksponering"].toString(), QString("ØV"));
        QCOMPARE(c["AntallEgg"].toString(), QString("4"));
        QCOMPARE(c["UngeAlder"].toString(), QString("1"));
        QCOMPARE(c["Ring"].toString(), QString("NOS 8A12345 "));
        QCOMPARE(c["Referanse"].toString(), QString("7"));
        QVERIFY(!c.contains("Kjønn") && !c.contains("Alder") && !c.contains("AtlasKode"));
    }

    void dateTimesRoundTrip_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("timeShown");
        QTest::newRow("morning") << "01.12.2026" << "07:05" << "2026-12-01 07:05:00" << "07:05";
        QTest::newRow("midnight shows empty") << "31.12.1999" << "00:00" << "1999-12-31 00:00:00" << "";
        QTest::newRow("typed without colon") << "05.06.2024" << "1230" << "2024-06-05 12:30:00" << "12:30";
    }
    void dateTimesRoundTrip()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, stored);
        QFETCH(QString, timeShown);
        QCOMPARE(storedDateTime(date, time), stored);
        QCOMPARE(shownDate(stored), date);
        QCOMPARE(shownTime(stored), timeShown);
    }
};

QTEST_GUILESS_MAIN(ObservationColumnsTest)
#include "tst_observationcolumns.moc"
