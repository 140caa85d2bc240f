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
    // Whatever the identifier holds, its folder lies directly in the documentation folder.
    void identifierNeverLeavesTheFolder()
    {
        for (const auto &[id, name] : {std::pair{"20261207002200-1", "20261207002200-1"},
                                       {"..", "%2E%2E"},
                                       {"../../etc/x", "%2E%2E%2F%2E%2E%2Fetc%2Fx"},
                                       {"a b/ø", "a%20b%2F%C3%B8"}}) {
            const QFileInfo folder(documentationFolder("/prog", id));
            QCOMPARE(folder.fileName(), QString(name));
            QCOMPARE(folder.path(), QString("/prog/Dokumentasjon"));
        }
    }

    // Copies land under the registration's identifier, numbered where a name is taken; the marks
    // follow the kinds in any case; the user's files stay where they were.
    void addingCopiesAndMarks()
    {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        const QStringList sources = {userFile(elsewhere, "tur/bilde.jpg", "first"), userFile(elsewhere, "SANG.MP3"),
                                     userFile(elsewhere, "annen/bilde.jpg", "second"), userFile(elsewhere, "notat.txt"),
                                     userFile(elsewhere, "klipp.mov")};
        RegistrationDocuments documents(program.path());
        const auto added = documents.add(sources, [] { return QStringLiteral("20261207-7"); });
        QCOMPARE(added.marks, QString("FVL"));
        QVERIFY(added.failures.isEmpty());
        QCOMPARE(documents.id(), QString("20261207-7"));
        QCOMPARE(names(documents.files()), // in name order, whatever the case
                 (QStringList{"bilde (2).jpg", "bilde.jpg", "klipp.mov", "notat.txt", "SANG.MP3"}));
        const QString folder = documentationFolder(program.path(), "20261207-7");
        QCOMPARE(contents(folder + "/bilde (2).jpg"), QByteArray("second"));
        for (const QString &source : sources)
            QVERIFY(QFileInfo::exists(source));

        // A file that is gone is refused by name; the rest are still added.
        const auto partly = documents.add({elsewhere.filePath("borte.jpg"), sources[1]}, [] { return QString("x"); });
        QCOMPARE(partly.marks, QString("L"));
        QCOMPARE(partly.failures.size(), 1);
        QVERIFY(partly.failures[0].contains("borte.jpg"));
        QVERIFY(QFileInfo::exists(folder + "/SANG (2).MP3"));
    }

    // Cancelling, or closing on an unsaved registration, removes only what was added since opening.
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
        {
            RegistrationDocuments unsaved(program.path()); // closed while entering
            unsaved.add({photo}, [] { return QStringLiteral("id-2"); });
        }
        QVERIFY(!QFileInfo::exists(documentationFolder(program.path(), "id-2")));
    }

    // A deleted observation's files are moved aside, never removed, also for a reused identifier.
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
