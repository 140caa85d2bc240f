#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace lirvenda {

class Program;

// Chooses the receiver's port and speed and stores them for the next connection.
class frm_GPS : public QDialog {
    Q_OBJECT
public:
    explicit frm_GPS(Program &program, QWidget *parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    Program &m_program;
    QGroupBox *Frame1;     // "Com port"
    QComboBox *Combo1;     // "1" … "9", the serial devices found, "gpsd"; any path can be typed
    QGroupBox *Frame2;     // "Com speed"
    QComboBox *Combo2;     // "4800" … "115200"
    QPushButton *Command2; // "&Save settings"
    QPushButton *Command1; // "&Quit"
};

} // namespace lirvenda
