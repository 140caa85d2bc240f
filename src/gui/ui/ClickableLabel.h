#pragma once

#include <QLabel>

namespace lirvenda {

// A caption that opens something when clicked, as the place captions of the main window do.
// A disabled label receives no mouse events, so it does not react then.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &caption, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace lirvenda
