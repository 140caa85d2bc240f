#pragma once

#include <QRect>
#include <QSize>

namespace lirvenda {

// The viewer's box: wide for a picture wider than high, else (square pictures too) upright.
QSize pictureBoxSize(QSize picture);

// How a picture lies in the viewer's box. Fitted, the whole picture fills as much of the box as
// its proportions allow. Zooming multiplies the part of the box's scale that the picture is
// fitted to by a factor, from wherever it stands: 0.9 shows the picture larger, 1.1 smaller. The
// point at the middle of the box stays there while zooming; a picture larger than the box can be
// moved within its own extent, never beyond.
class PictureZoom {
public:
    static constexpr double ZoomIn = 0.9;
    static constexpr double ZoomOut = 1.1;
    static constexpr double SmallestScale = 0.05; // twenty times the fitted size
    static constexpr double LargestScale = 4.0;   // a quarter of the fitted size

    PictureZoom(QSize box, QSize picture);

    void fit();
    void zoom(double factor); // kept within SmallestScale and LargestScale

    double scale() const { return m_scale; } // 1 when fitted
    QSize shownSize() const;                 // the picture's size on the screen
    QRect pictureRect() const;               // where in the box it is painted

    // How far the picture can be moved (0 when it fits that way), and how far it is.
    int horizontalRange() const;
    int verticalRange() const;
    int horizontal() const { return m_offset.x(); }
    int vertical() const { return m_offset.y(); }
    void setHorizontal(int offset);
    void setVertical(int offset);

private:
    QSize m_box;
    QSize m_fitted;
    double m_scale = 1.0;
    QPoint m_offset;
};

} // namespace lirvenda
