#include "support/FaunaWindow.h"

#include "core/documentation/DocumentationFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

struct DocumentedWindow : FaunaWindow {
    QTemporaryDir elsewhere; // the user's own files
    QString observer;
    QString photo;
    QString sound;

    DocumentedWindow()
    {
        observer = t.addObserver("Kari", "Nordmann", "KN", true);
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        photo = elsewhere.filePath("trost.jpg");
        image.save(photo);
        sound = elsewhere.filePath("sang.mp3");
        writeFile(sound, "ID3");
    }

    QString ticked()
    {
        QString out;
        for (const char *box : {"Check2", "Check3", "Check4"})
            out += control<QCheckBox>(box)->isChecked() ? "x" : "-";
        return out;
    }
    bool frameShown() { return control("Frame6")->isVisibleTo(&window); }
    // A row that can be saved again as it is.
    qint64 insertComplete()
    {
        return insertObservation({{"Art", "11870"},
                                  {"Antall", 1},
                                  {"StartDato", "2024-05-01 08:00:00"},
                                  {"StoppDato", "2024-05-01 09:00:00"},
                                  {"Lokalitet", "Tjønna"},
                                  {"Breddegrad", "63.43"},
                                  {"Lengdegrad", "10.39"},
                                  {"Observatører", observer}});
    }
    qint64 saveNew()
    {
        enter({"Combo13=Tjønna", "Text7=63.43", "Text8=10.39", "Command2=Svarttrost (Turdus merula) [11870]"});
        click("Command7");
        return lastObsId();
    }
    QStringList filesOf(const QString &id) { return QDir(documentationFolder(t.folder(), id)).entryList(QDir::Files); }
};

} // namespace

class RegistrationDocumentsTest : public QObject {
    Q_OBJECT
private slots:
    // Files added to a new registration are copies under its identifier; cancelling removes them.
    void cancelledRegistrationLeavesNoCopies()
    {
        DocumentedWindow w;
        QVERIFY(!w.frameShown());
        w.click("Command7");
        QVERIFY(w.frameShown() && w.control("cmdAddDocumentation")->isVisibleTo(&w.window));
        w.window.AddDocumentation({w.photo, w.sound});
        QCOMPARE(w.ticked(), QString("x-x"));
        const QString root = w.t.folder() + "/Dokumentasjon";
        const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 1);
        QCOMPARE(w.filesOf(folders[0]), (QStringList{"sang.mp3", "trost.jpg"}));
        QVERIFY(!w.control<QLabel>("Image1")->pixmap().isNull());

        w.click("Command9");
        QVERIFY(QDir(root).isEmpty());
        QVERIFY(QFileInfo::exists(w.photo) && QFileInfo::exists(w.sound));
        QVERIFY(!w.frameShown());
    }

    // Saved, the files belong to the row: shown again with it, opened in the viewer, and kept
    // (moved aside) when the observation is deleted.
    void savedFilesFollowTheRow()
    {
        DocumentedWindow w;
        const qint64 undocumented = w.insertComplete();
        w.click("Command7");
        w.window.AddDocumentation({w.photo});
        const qint64 obsId = w.saveNew();
        const QString id = w.column(obsId, "ObsUniqueID");
        QCOMPARE(w.filesOf(id), QStringList{"trost.jpg"});
        QCOMPARE(w.column(obsId, "Dokumentasjon"), QString("F"));
        QVERIFY(w.frameShown() && w.control<QLabel>("Image1")->pixmap().isNull()); // the next starts bare
        w.click("Command9");
        QCOMPARE(w.filesOf(id), QStringList{"trost.jpg"}); // cancelling the next keeps the saved one's

        QVERIFY(w.show(undocumented));
        QVERIFY(!w.frameShown());
        QVERIFY(w.show(obsId));
        QVERIFY(w.frameShown() && !w.control("cmdAddDocumentation")->isVisibleTo(&w.window));
        QVERIFY(!w.control<QLabel>("Image1")->pixmap().isNull());
        QString label;
        QVERIFY(answerModal([&] { w.window.Image1_Click(); },
                            [&](QWidget *viewer) {
                                label = child<QLabel>(viewer, "Label1")->text();
                                click(viewer, "Command1");
                            }));
        QCOMPARE(label, QString("trost.jpg - 1 av 1"));

        w.t.prompter().yesNoAnswers = {true};
        w.click("Command9");
        QCOMPARE(w.t.prompter().lastText(), QString("Observasjonen er strøket."));
        QVERIFY(QFileInfo::exists(w.t.folder() + "/Dokumentasjon/slettet/" + id + "/trost.jpg"));
        QVERIFY(!QFileInfo::exists(documentationFolder(w.t.folder(), id)));
    }

    // An older row without an identifier gets one with its first file, stored by the change.
    void changedRowGetsAnIdentifier()
    {
        DocumentedWindow w;
        const qint64 obsId = w.insertComplete();
        QVERIFY(w.show(obsId));
        w.click("Command8");
        w.window.AddDocumentation({w.sound});
        QCOMPARE(w.ticked(), QString("--x"));
        w.click("Command8");
        const QString id = w.column(obsId, "ObsUniqueID");
        QVERIFY(!id.isEmpty());
        QCOMPARE(w.filesOf(id), QStringList{"sang.mp3"});
        QCOMPARE(w.column(obsId, "Dokumentasjon"), QString("L"));
        QVERIFY(w.frameShown());
        QCOMPARE(w.control<QLabel>("Image1")->text(), QString("sang.mp3"));
    }
};

QTEST_MAIN(RegistrationDocumentsTest)
#include "tst_registrationdocuments.moc"
