#include "gui/documentation/PictureBox.h"

#include <QPainter>

namespace lirvenda {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);
}

void PictureBox::showPicture(const QImage &picture, const QRect &at)
{
    m_picture = picture;
    m_at = at;
    m_note.clear();
    update();
}

void PictureBox::showNote(const QString &note)
{
    m_picture = {};
    m_at = {};
    m_note = note;
    update();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_note);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_picture.hasAlphaChannel()) // see-through parts show as paper, not as the dark box
        painter.fillRect(m_at, Qt::white);
    painter.drawImage(m_at, m_picture);
}

} // namespace lirvenda
