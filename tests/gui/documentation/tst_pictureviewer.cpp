#include "gui/documentation/DesktopOpener.h"
#include "gui/documentation/PictureBox.h"
#include "gui/documentation/PictureFiles.h"
#include "gui/documentation/frm_Bilde.h"
#include "support/Gestures.h"
#include "support/TestProgram.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QtEndian>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QString picture(const QTemporaryDir &dir, const QString &name, QSize size, QColor colour = Qt::darkGreen)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// A JPEG stored wide whose EXIF orientation (6) says it is to be seen turned a quarter clockwise.
QString turnedPhoto(const QTemporaryDir &dir, const QString &name, QSize stored)
{
    QImage image(stored, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    // APP1: "Exif", a big-endian TIFF header, one entry (orientation, a short, 6), no next directory.
    const QByteArray exif =
        QByteArray::fromHex("FFE10022 457869660000 4D4D002A00000008 0001 011200030000000100060000 00000000");
    const int afterJfif = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    jpeg.insert(afterJfif, exif);
    const QString path = dir.filePath(name);
    writeFile(path, jpeg);
    return path;
}

// A program folder and a folder of files, with the desktop's opener replaced by one that notes
// what it is handed and answers desktopOpens.
struct Viewer {
    TestProgram t;
    QTemporaryDir dir;
    QStringList opened;
    bool desktopOpens = true;
    DesktopOpener previous = setDesktopOpener([this](const QString &path) {
        opened << path;
        return desktopOpens;
    });
    ~Viewer() { setDesktopOpener(previous); }
};

} // namespace

class PictureViewerTest : public QObject {
    Q_OBJECT
private slots:
    // Brackets in a file's name and in a folder's are part of the path; a missing or corrupt file
    // is named as unavailable, shows nothing and is handed nowhere.
    void whichFilesShow()
    {
        Viewer v;
        QVERIFY(QDir(v.dir.path()).mkpath("Fugler [2024]"));
        const QString bracketed = picture(v.dir, "Fugler [2024]/IMG_1 [kopi].png", {300, 200});
        writeFile(v.dir.filePath("ødelagt.jpg"), "\xFF\xD8\xFF\xE0 not really a photo");
        frm_Bilde viewer({bracketed}, 0);
        for (const char *unavailable : {"borte.jpg", "ødelagt.jpg"}) {
            QVERIFY(viewer.zoom());
            QVERIFY(v.t.prompter().shown.isEmpty());
            QVERIFY(!viewer.ShowDocumentPicture(v.dir.filePath(unavailable)));
            QCOMPARE(v.t.prompter().lastText(), frm_Bilde::Unavailable);
            QVERIFY(!viewer.zoom());
            v.t.prompter().shown.clear();
            viewer.ShowDocumentPicture(bracketed);
        }
        QVERIFY(v.opened.isEmpty());
    }

    // The box takes the shape of the picture as it is to be seen; the picture is decoded at the
    // size shown, not at the size of the file.
    void boxFollowsTheSeenShape_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("landscape") << "wide" << QSize(913, 609) << QSize(913, 609);
        QTest::newRow("square is portrait") << "square" << QSize(406, 609) << QSize(406, 406);
        QTest::newRow("photo turned by its EXIF orientation") << "turned" << QSize(406, 609) << QSize(406, 609);
    }
    void boxFollowsTheSeenShape()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, box);
        QFETCH(QSize, decoded);
        Viewer v;
        const QString path = kind == "wide"     ? picture(v.dir, "wide.png", {3000, 2001})
                             : kind == "square" ? picture(v.dir, "square.png", {1000, 1000})
                                                : turnedPhoto(v.dir, "turned.jpg", {1800, 1200});
        frm_Bilde viewer({path}, 0);
        QCOMPARE(child<PictureBox>(&viewer, "Picture1")->size(), box);
        const QSize shown = child<PictureBox>(&viewer, "Picture1")->picture().size();
        QVERIFY(qAbs(shown.width() - decoded.width()) <= 1 && qAbs(shown.height() - decoded.height()) <= 1);
        QVERIFY(v.t.prompter().shown.isEmpty());
    }

    // Through the buttons: zoom accumulates, the bars reach exactly the picture's overhang, fit
    // brings the whole picture back; zooming in reads the picture again at the larger size.
    void zoomScrollAndResize()
    {
        Viewer v;
        frm_Bilde viewer({picture(v.dir, "wide.png", {2739, 1827})}, 0);
        for (const char *button : {"Command5", "Command5", "Command6"})
            click(&viewer, button);
        QVERIFY(qAbs(viewer.zoom()->scale() - 0.891) < 1e-9);
        const QSize shown = viewer.zoom()->shownSize();
        auto *box = child<PictureBox>(&viewer, "Picture1");
        auto *across = child<QScrollBar>(&viewer, "HScroll1"), *down = child<QScrollBar>(&viewer, "VScroll1");
        QVERIFY(box->picture().width() >= shown.width() - 1); // read again, sharper
        QCOMPARE(across->maximum(), shown.width() - 913);
        QCOMPARE(down->maximum(), shown.height() - 609);
        across->setValue(across->maximum());
        down->setValue(0);
        QCOMPARE(box->pictureRect().topLeft(), QPoint(913 - shown.width(), 0));
        click(&viewer, "Command4");
        QCOMPARE(box->pictureRect(), QRect(0, 0, 913, 609));
        QVERIFY(!across->isEnabled());

        // A larger window shows the whole picture larger, fitted anew.
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        click(&viewer, "Command5");
        viewer.resize(viewer.size() + QSize(300, 200));
        QTRY_COMPARE(box->size(), QSize(1213, 809));
        QCOMPARE(viewer.zoom()->scale(), 1.0);
        const QRect fitted = box->pictureRect(); // the picture is a hair narrower than the box
        QVERIFY(fitted.topLeft() == QPoint(0, 0) && fitted.height() == 809 && fitted.width() >= 1212);
    }

    // Previous on the first and next on the last only beep; a sound is handed to the desktop.
    void walkingTheFiles()
    {
        Viewer v;
        const QStringList files = {picture(v.dir, "a.png", {40, 30}), picture(v.dir, "b.png", {30, 40}),
                                   v.dir.filePath("c.mp3")};
        writeFile(files[2], "ID3");
        frm_Bilde viewer(files, 0);
        auto *label = child<QLabel>(&viewer, "Label1");
        click(&viewer, "Command3");
        QCOMPARE(v.t.prompter().beeps, 1);
        QCOMPARE(label->text(), QString("a.png - 1 av 3"));
        click(&viewer, "Command2");
        QCOMPARE(child<PictureBox>(&viewer, "Picture1")->size(), QSize(406, 609));
        click(&viewer, "Command2");
        QCOMPARE(label->text(), QString("c.mp3 - 3 av 3"));
        QCOMPARE(v.opened, QStringList{files[2]});
        click(&viewer, "Command2");
        QCOMPARE(v.t.prompter().beeps, 2);
        QCOMPARE(label->text(), QString("c.mp3 - 3 av 3"));
        QCOMPARE(v.opened.size(), 1);
        QVERIFY(v.t.prompter().shown.isEmpty());

        v.desktopOpens = false; // nothing on the machine plays it: said so
        viewer.ShowDocumentPicture(files[2]);
        QVERIFY(v.t.prompter().lastText().contains("c.mp3"));
        click(&viewer, "Command1");
        QVERIFY(!viewer.isVisible());
    }

    // A thumbnail is kept, but a file replaced since is read again.
    void thumbnailFollowsTheFile()
    {
        Viewer v;
        const QString path = picture(v.dir, "bilde.png", {200, 100}, Qt::red);
        QCOMPARE(documentThumbnail(path, {100, 100}).toImage().pixelColor(5, 5), QColor(Qt::red));
        picture(v.dir, "bilde.png", {200, 120}, Qt::blue);
        QCOMPARE(documentThumbnail(path, {100, 100}).toImage().pixelColor(5, 5), QColor(Qt::blue));
    }
};

QTEST_MAIN(PictureViewerTest)
#include "tst_pictureviewer.moc"
