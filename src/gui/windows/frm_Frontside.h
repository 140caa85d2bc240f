#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace lirvenda {

// The splash window shown at start-up; it closes by itself after three seconds.
class frm_Frontside : public QDialog {
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 3000;

    explicit frm_Frontside(QWidget *parent = nullptr);

private:
    void Timer1_Timer();

    QLabel *Image1; // the program's picture
    QLabel *Label1; // "LirvendaProgrammet"
    QLabel *Label9; // the maker's line
    QLabel *Label2; // empty
    QTimer *Timer1; // closes the window
};

} // namespace lirvenda
