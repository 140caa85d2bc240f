#pragma once

#include <QDialog>

class QLayout;

namespace lirvenda {

// A tapped digit on a count box: a box holding nothing, zero or less starts over with the digit;
// a positive number grows by it.
QString withDigitTapped(const QString &box, int digit);

// "Non-breeding distribution": a counting sheet for a flock. It keeps nothing when closed, so its
// controls are only found by name.
class frm_NonBreeding : public QDialog {
    Q_OBJECT
public:
    explicit frm_NonBreeding(QWidget *parent = nullptr);

private:
    QLayout *countColumns();
    QWidget *commentFrame();
    QWidget *documentationFrame();
    QLayout *commandRow();
};

} // namespace lirvenda
