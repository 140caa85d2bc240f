#pragma once

#include <QImage>
#include <QWidget>

namespace lirvenda {

// The viewer's picture: an image painted into a rectangle of the box, which may reach beyond it;
// without an image, a line of text in the middle.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void showPicture(const QImage &picture, const QRect &at);
    void showNote(const QString &note);

    const QImage &picture() const { return m_picture; }
    QRect pictureRect() const { return m_at; }

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
    QRect m_at;
    QString m_note;
};

} // namespace lirvenda
