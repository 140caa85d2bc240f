#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;

// Where the automatic backups of the diary go, reached from the about box.
class frm_Sikkerhetskopier : public QDialog {
    Q_OBJECT
public:
    explicit frm_Sikkerhetskopier(Program &program, QWidget *parent = nullptr);

private:
    void cmdVelg_Click();
    void cmdOK_Click();
    void layOut();

    Program &m_program;
    QLabel *lblForklaring;  // when the backups are made and how many are kept
    QLabel *lblMappe;       // "Mappe:"
    QLineEdit *txtMappe;    // the backup folder
    QPushButton *cmdVelg;   // "Velg..."
    QLabel *lblMiljo;       // that LIRVENDA_BACKUP_DIR decides, when it is set
    QPushButton *cmdOK;     // "OK"
    QPushButton *cmdAvbryt; // "Avbryt"
};

} // namespace lirvenda
