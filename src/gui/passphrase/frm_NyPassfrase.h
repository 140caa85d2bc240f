#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;

// Sets, changes or removes the diary's own passphrase, reached from the about box.
class frm_NyPassfrase : public QDialog {
    Q_OBJECT
public:
    explicit frm_NyPassfrase(Program &program, QWidget *parent = nullptr);

private:
    void cmdLagre_Click();
    void cmdFjern_Click();
    void SetPassphrase(const QString &passphrase, bool remember);
    void layOut();

    Program &m_program;
    QLabel *lblForklaring;  // what the passphrase does, and that a forgotten one loses the diary
    QLabel *lblNy;          // "Ny passfrase:"
    QLineEdit *txtNy;       // the new passphrase, not shown
    QLabel *lblGjenta;      // "Gjenta:"
    QLineEdit *txtGjenta;   // the same once more
    QCheckBox *chkHusk;     // "Husk i nøkkelringen"
    QPushButton *cmdLagre;  // "Lagre"
    QPushButton *cmdFjern;  // "Fjern passfrasen"
    QPushButton *cmdAvbryt; // "Avbryt"
};

} // namespace lirvenda
