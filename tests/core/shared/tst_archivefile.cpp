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

    // An entry made while it is written: every block in order, though more wait than the queue
    // holds; what the maker throws reaches the caller once the writing thread has stopped.
    void producedEntries()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("produced.zip");
        QByteArray expected;
        {
            ArchiveWriter writer(path, ArchiveWriter::Compression::Fast);
            writer.addProduced("empty.txt", [](const auto &) {});
            writer.addProduced("rows.txt", [&expected](const ArchiveWriter::BlockWriter &write) {
                for (int block = 0; block < 40; ++block) {
                    QByteArray bytes;
                    for (int row = 0; row < 2000; ++row)
                        bytes += QByteArray::number(block * 2000 + row) + "\tæøå\n";
                    expected += bytes;
                    write(bytes);
                }
            });
            writer.addBytes("after.txt", "end");
            writer.close();
        }
        const QMap<QString, QByteArray> entries = test::archiveEntries(path);
        QCOMPARE(entries.keys(), QStringList({"after.txt", "empty.txt", "rows.txt"}));
        QVERIFY(entries["rows.txt"] == expected);
        QCOMPARE(entries["after.txt"], QByteArray("end"));
        QProcess unzip;
        unzip.start("unzip", {"-p", path, "rows.txt"});
        QVERIFY(unzip.waitForFinished(30000));
        QVERIFY(unzip.readAllStandardOutput() == expected);

        ArchiveWriter failing(dir.filePath("failing.zip"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, failing.addProduced("rows.txt", [](const auto &write) {
            for (int block = 0; block < 10; ++block)
                write(QByteArray(100000, 'x'));
            throw std::runtime_error("the rows could not be read");
        }));
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
