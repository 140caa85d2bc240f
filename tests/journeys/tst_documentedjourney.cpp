#include "journeys/Journey.h"

#include "core/documentation/DocumentationFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QString picture(const QTemporaryDir &dir, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// "Legg &til…": both files chosen in the file window at once.
bool addThroughFileWindow(FaunaWindow &w, const QStringList &files)
{
    return answerModal([&] { w.click("cmdAddDocumentation"); },
                       [&](QWidget *window) {
                           auto *dialog = qobject_cast<QFileDialog *>(window);
                           QStringList quoted;
                           for (const QString &file : files)
                               quoted << '"' + QFileInfo(file).fileName() + '"';
                           dialog->setDirectory(QFileInfo(files.first()).path());
                           child<QLineEdit>(dialog, "fileNameEdit")->setText(quoted.join(' '));
                           QMetaObject::invokeMethod(dialog, "accept");
                       });
}

QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

} // namespace

class DocumentedJourney : public QObject {
    Q_OBJECT
private slots:
    // A registration with two pictures, found again, looked at in the viewer, deleted.
    void registrationWithTwoPictures()
    {
        FaunaWindow w;
        QTemporaryDir album; // the user's own pictures
        const QStringList photos = {picture(album, "hann.png", {300, 200}), picture(album, "hunn.png", {200, 300})};
        QVERIFY(addObserverThroughWindows(w, "Kari", "Nordmann", "KN"));

        w.click("Command7");
        QVERIFY(pickSpecies(w, "svarttrost"));
        type(w, "Combo13", "Storvatnet");
        type(w, "Text7", "63.4305");
        type(w, "Text8", "10.3951");
        QVERIFY(addThroughFileWindow(w, photos));
        QVERIFY(w.control<QCheckBox>("Check2")->isChecked());
        w.click("Command7");
        QCOMPARE(w.t.prompter().lastText(), QString());
        QCOMPARE(storedObsIds(w).size(), 1);
        const qint64 obsId = w.lastObsId();
        const QString uniqueId = w.column(obsId, "ObsUniqueID");
        const QStringList stored = {"Art=11870", "Lokalitet=Storvatnet", "Dokumentasjon=F", "Antall=1"};
        QCOMPARE(w.storedAs(obsId, stored), stored);
        QCOMPARE(filesIn(documentationFolder(w.t.folder(), uniqueId)), QStringList({"hann.png", "hunn.png"}));
        QVERIFY(QFileInfo::exists(photos[0]) && QFileInfo::exists(photos[1])); // copies were taken

        // Browsing elsewhere first: the archive brings the registration back.
        w.click("Command9"); // the next registration is cancelled
        const ArchiveAnswer found = searchArchive(w, "Combo1", "11870", obsId);
        QVERIFY(found.opened);
        QCOMPARE(found.lines.size(), 1);
        QVERIFY2(found.lines[0].contains("Storvatnet"), qPrintable(found.lines[0]));
        QCOMPARE(w.shownAs({"Command2", "Combo13", "Text1"}),
                 QStringList({"Command2=Svarttrost (Turdus merula) [11870]", "Combo13=Storvatnet", "Text1=1"}));
        QVERIFY(w.control("Frame6")->isVisibleTo(&w.window));
        QVERIFY(!w.control<QLabel>("Image1")->pixmap().isNull());

        // The thumbnail opens the viewer, which steps between the two pictures.
        QStringList captions;
        QVERIFY(answerModal([&] { QTest::mouseClick(w.control("Image1"), Qt::LeftButton); },
                            [&](QWidget *viewer) {
                                auto *label = child<QLabel>(viewer, "Label1");
                                captions << label->text();
                                click(viewer, "Command2");
                                captions << label->text();
                                click(viewer, "Command3");
                                captions << label->text();
                                click(viewer, "Command1");
                            }));
        QCOMPARE(captions, QStringList({"hann.png - 1 av 2", "hunn.png - 2 av 2", "hann.png - 1 av 2"}));

        // Deleted: the row is gone, its pictures are kept aside.
        w.t.prompter().yesNoAnswers = {true};
        w.click("Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Observasjonen er strøket."));
        QCOMPARE(storedObsIds(w), QStringList());
        QVERIFY(!QFileInfo::exists(documentationFolder(w.t.folder(), uniqueId)));
        QCOMPARE(filesIn(w.t.folder() + "/Dokumentasjon/slettet/" + uniqueId), QStringList({"hann.png", "hunn.png"}));
        QCOMPARE(searchArchive(w, "Combo1", "11870").lines, QStringList());
        QCOMPARE(w.t.db().scalar("PRAGMA integrity_check").toString(), QString("ok"));
    }
};

QTEST_MAIN(DocumentedJourney)
#include "tst_documentedjourney.moc"
