#include "core/documentation/PictureZoom.h"

#include <algorithm>
#include <cmath>

namespace lirvenda {

namespace {

int within(int value, int range) { return std::clamp(value, 0, std::max(0, range)); }

// Where the middle of the box lands after the picture grows from one extent to another.
int keepMiddle(int offset, int box, int before, int after)
{
    if (before <= 0)
        return 0;
    const double middle = (offset + std::min(box, before) / 2.0) / before;
    return int(std::lround(middle * after - box / 2.0));
}

} // namespace

QSize pictureBoxSize(QSize picture) { return picture.width() > picture.height() ? QSize(913, 609) : QSize(406, 609); }

PictureZoom::PictureZoom(QSize box, QSize picture)
    : m_box(box), m_fitted(picture.isEmpty() ? QSize() : picture.scaled(box, Qt::KeepAspectRatio))
{
}

void PictureZoom::fit()
{
    m_scale = 1.0;
    m_offset = {};
}

void PictureZoom::zoom(double factor)
{
    const QSize before = shownSize();
    m_scale = std::clamp(m_scale * factor, SmallestScale, LargestScale);
    const QSize after = shownSize();
    setHorizontal(keepMiddle(m_offset.x(), m_box.width(), before.width(), after.width()));
    setVertical(keepMiddle(m_offset.y(), m_box.height(), before.height(), after.height()));
}

QSize PictureZoom::shownSize() const
{
    return {int(std::lround(m_fitted.width() / m_scale)), int(std::lround(m_fitted.height() / m_scale))};
}

// Centred along a way it fits, moved by the offset along a way it does not.
QRect PictureZoom::pictureRect() const
{
    const QSize shown = shownSize();
    const int left = horizontalRange() > 0 ? -m_offset.x() : (m_box.width() - shown.width()) / 2;
    const int top = verticalRange() > 0 ? -m_offset.y() : (m_box.height() - shown.height()) / 2;
    return {QPoint(left, top), shown};
}

int PictureZoom::horizontalRange() const { return std::max(0, shownSize().width() - m_box.width()); }
int PictureZoom::verticalRange() const { return std::max(0, shownSize().height() - m_box.height()); }

void PictureZoom::setHorizontal(int offset) { m_offset.setX(within(offset, horizontalRange())); }
void PictureZoom::setVertical(int offset) { m_offset.setY(within(offset, verticalRange())); }

} // namespace lirvenda
