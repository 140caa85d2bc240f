#include "core/shared/ArchiveFile.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace lirvenda;

class ArchiveFileTest : public QObject {
    Q_OBJECT

private slots:
    void entriesRoundTripInBothFormats_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("lister"); // the system's own tool, to see the file is standard
        QTest::newRow("zip") << ".zip"
                             << "unzip -l";
        QTest::newRow("tar") << ".tar"
                             << "tar -tf";
    }

    void entriesRoundTripInBothFormats()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, lister);
        QTemporaryDir dir;
        QFile big(dir.filePath("big.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 300000; ++i) // larger than one block
            bytes += char(i * 7);
        big.write(bytes);
        big.close();

        const QString path = dir.filePath("a" + suffix);
        ArchiveWriter writer(path);
        writer.addBytes("manifest.txt", "æøå\n");
        writer.addFile("Dokumentasjon/big.bin", big.fileName());
        writer.close();

        const QMap<QString, QByteArray> entries = test::archiveEntries(path);
        QCOMPARE(entries.keys(), QStringList({"Dokumentasjon/big.bin", "manifest.txt"}));
        QCOMPARE(entries["manifest.txt"], QByteArray("æøå\n"));
        QVERIFY(entries["Dokumentasjon/big.bin"] == bytes);

        QProcess list;
        list.start("sh", {"-c", lister + " \"$0\"", path});
        QVERIFY(list.waitForFinished());
        QCOMPARE(list.exitCode(), 0);
        QVERIFY(list.readAllStandardOutput().contains("Dokumentasjon/big.bin"));
    }

    void aCutArchiveIsReportedNotReadShort()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cut.zip");
        {
            ArchiveWriter writer(path);
            writer.addBytes("one.txt", QByteArray(100000, 'x'));
            writer.addBytes("two.txt", QByteArray(100000, 'y'));
            writer.close();
        }
        QFile file(path);
        QVERIFY(file.resize(file.size() / 3));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, test::archiveEntries(path));
    }

    void aWriterThatCannotWriteSaysSo()
    {
        QVERIFY_THROWS_EXCEPTION(ArchiveError, ArchiveWriter("/nonexistent-folder/a.zip"));
    }
};

QTEST_GUILESS_MAIN(ArchiveFileTest)
#include "tst_archivefile.moc"
