#include "core/documentation/DocumentationFiles.h"
#include "core/documentation/RegistrationDocuments.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// A file of the user's outside the program folder.
QString userFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes = "bytes")
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    writeFile(path, bytes);
    return path;
}

QStringList names(const QStringList &paths)
{
    QStringList out;
    for (const QString &path : paths)
        out << QFileInfo(path).fileName();
    return out;
}

} // namespace

class DocumentationFilesTest : public QObject {
    Q_OBJECT
private slots:
    void kindsByEnding_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("mark");
        QTest::newRow("photo, capitals") << "IMG_0001.JPG"
                                         << "F";
        QTest::newRow("png") << "skisse.png"
                             << "F";
        QTest::newRow("video") << "clip.mov"
                               << "V";
        QTest::newRow("sound") << "sang.m4a"
                               << "L";
        QTest::newRow("other") << "notat.pdf"
                               << "";
        QTest::newRow("no ending") << "README"
                                   << "";
    }
    void kindsByEnding()
    {
        QFETCH(QString, file);
        QFETCH(QString, mark);
        QCOMPARE(documentMark(documentKind("/some/where/" + file)), mark);
    }

    // Whatever the identifier holds, its folder lies directly in the documentation folder.
    void identifierNeverLeavesTheFolder_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("folderName");
        QTest::newRow("made here") << "20261207002200-1"
                                   << "20261207002200-1";
        QTest::newRow("parent") << ".."
                                << "%2E%2E";
        QTest::newRow("path") << "../../etc/x"
                              << "%2E%2E%2F%2E%2E%2Fetc%2Fx";
        QTest::newRow("blank and letters") << "a b/ø"
                                           << "a%20b%2F%C3%B8";
    }
    void identifierNeverLeavesTheFolder()
    {
        QFETCH(QString, id);
        QFETCH(QString, folderName);
        const QFileInfo folder(documentationFolder("/prog", id));
        QCOMPARE(folder.fileName(), folderName);
        QCOMPARE(folder.path(), QString("/prog/Dokumentasjon"));
    }

    // Copies land under the identifier made for the registration, with numbers for names taken;
    // the boxes to tick follow the kinds; the user's files stay where they were.
    void addingCopiesAndMarks()
    {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        const QStringList sources = {userFile(elsewhere, "tur/bilde.jpg", "first"), userFile(elsewhere, "sang.mp3"),
                                     userFile(elsewhere, "annen/bilde.jpg", "second"),
                                     userFile(elsewhere, "notat.txt")};
        RegistrationDocuments documents(program.path());
        const auto added = documents.add(sources, [] { return QStringLiteral("20261207-7"); });
        QCOMPARE(added.marks, QString("FL"));
        QVERIFY(added.failures.isEmpty());
        QCOMPARE(documents.id(), QString("20261207-7"));
        QStringList files = names(documents.files());
        files.sort();
        QCOMPARE(files, (QStringList{"bilde (2).jpg", "bilde.jpg", "notat.txt", "sang.mp3"}));
        const QString folder = documentationFolder(program.path(), "20261207-7");
        QCOMPARE(contents(folder + "/bilde (2).jpg"), QByteArray("second"));
        for (const QString &source : sources)
            QVERIFY(QFileInfo::exists(source));

        // A file that is gone is refused by name; the rest are still added.
        const auto partly = documents.add({elsewhere.filePath("borte.jpg"), sources[1]}, [] { return QString("x"); });
        QCOMPARE(partly.marks, QString("L"));
        QCOMPARE(partly.failures.size(), 1);
        QVERIFY(partly.failures[0].contains("borte.jpg"));
        QVERIFY(QFileInfo::exists(folder + "/sang (2).mp3"));
    }

    // Cancelling removes only what was added since the registration was opened.
    void cancellingRemovesOnlyTheNewCopies()
    {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        const QString photo = userFile(elsewhere, "bilde.jpg");
        RegistrationDocuments documents(program.path());
        documents.add({photo}, [] { return QStringLiteral("id-1"); });
        documents.keep();
        documents.open("id-1");
        documents.add({photo, userFile(elsewhere, "lyd.wav")}, {});
        documents.discardAdded();
        QCOMPARE(names(documents.files()), QStringList{"bilde.jpg"});

        documents.open({});
        documents.add({photo}, [] { return QStringLiteral("id-2"); });
        documents.discardAdded();
        QVERIFY(!QFileInfo::exists(documentationFolder(program.path(), "id-2")));
        QVERIFY(QFileInfo::exists(photo));
    }

    // A deleted observation's files are moved aside, never removed, also when the same
    // identifier was deleted before.
    void deletionMovesTheFolderAside()
    {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        const QString photo = userFile(elsewhere, "bilde.jpg");
        const QString deleted = program.path() + "/Dokumentasjon/slettet/";
        for (const QString suffix : {"", " (2)"}) {
            copyIntoFolder(photo, documentationFolder(program.path(), "id-1"));
            moveDocumentationAside(program.path(), "id-1");
            QVERIFY(QFileInfo::exists(deleted + "id-1" + suffix + "/bilde.jpg"));
            QVERIFY(!QFileInfo::exists(documentationFolder(program.path(), "id-1")));
        }
        moveDocumentationAside(program.path(), "id-without-files"); // nothing to move
        QCOMPARE(QDir(deleted).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
    }
};

QTEST_GUILESS_MAIN(DocumentationFilesTest)
#include "tst_documentationfiles.moc"
