#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

// Asks for the diary's passphrase when the store does not open with the built-in key.
class frm_Passfrase : public QDialog {
    Q_OBJECT
public:
    explicit frm_Passfrase(const QString &question, QWidget *parent = nullptr);
    QString passphrase() const;

    // The passphrase the user gives in the window; nullopt when the user cancels.
    static std::optional<QString> ask(const QString &question);

private:
    QLabel *lblSporsmal;     // the question
    QLineEdit *txtPassfrase; // the passphrase, not shown
    QPushButton *cmdOK;      // "OK"
    QPushButton *cmdAvbryt;  // "Avbryt"
};

} // namespace lirvenda
