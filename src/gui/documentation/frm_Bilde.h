#pragma once

#include "core/documentation/DocumentWalk.h"
#include "core/documentation/PictureZoom.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;

namespace lirvenda {

class PictureBox;

// The picture viewer: one documentation file of a registration at a time, fitted, zoomed and
// moved; previous and next walk the registration's files. Pictures are shown here, videos and
// sounds are handed to the desktop's player.
class frm_Bilde : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *UnavailableText =
        QT_TR_NOOP("Denne dokumentasjonen er ikke lenger tilgjengelig. Fila er enten flyttet eller fjernet.");
    static inline const QString Unavailable = QString::fromUtf8(UnavailableText);

    // Shows the file at start among the files.
    frm_Bilde(const QStringList &files, int start, QWidget *parent = nullptr);

    // Shows a file; brackets in its path are part of the name ("IMG_1 [kopi].jpg"). False, after
    // the message, when the file is missing or is not a picture that can be read.
    bool ShowDocumentPicture(const QString &path);
    void ZoomPicture(double factor);

    // How the shown picture lies in the box; none while no picture is shown.
    const std::optional<PictureZoom> &zoom() const { return m_zoom; }

private:
    PictureBox *Picture1;
    QPushButton *Command4; // fit the picture to the box
    QPushButton *Command5; // zoom in
    QPushButton *Command6; // zoom out
    QScrollBar *HScroll1;  // moves a zoomed picture sideways
    QScrollBar *VScroll1;  // moves it up and down
    QPushButton *Command3; // "<-------"
    QPushButton *Command2; // "------->"
    QPushButton *Command1; // "&Avslutt"
    QLabel *Label1;        // the file's name and its place among the files

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);

    void ShowCurrent();
    bool ShowPictureFile(const QString &path);
    void HandToDesktop(const QString &path);
    void ShowNoPicture(const QString &note);
    void ChangeZoom(const std::function<void(PictureZoom &)> &change);
    void LayOut();
    void ArrangeFor(QSize box);
    void FitToBox();
    void DrawPicture();

    DocumentWalk m_walk;
    std::optional<PictureZoom> m_zoom;
    QString m_path;
    QSize m_fileSize;      // the picture's full size, turned as it is seen
    QImage m_decoded;      // decoded no larger than needed for the size shown
    QSize m_decodedWithin; // the size it was decoded for
};

} // namespace lirvenda
