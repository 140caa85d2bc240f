#pragma once

#include "core/exchange/DarwinCoreArchive.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace lirvenda {

// "Darwin Core-arkiv": the dataset prefix that makes each occurrenceID unique, the licence the
// data are published under and the file the archive goes to, chosen before it is written.
class frm_DarwinCore : public QDialog {
    Q_OBJECT
public:
    frm_DarwinCore(const DarwinCoreSettings &settings, QWidget *parent = nullptr);
    // The settings as shown, with the prefix and the licence chosen.
    DarwinCoreSettings chosenSettings() const;
    QString chosenFile() const;

private:
    void Command3_Click();

    DarwinCoreSettings m_settings;
    QGroupBox *Frame1;     // "Datasett"
    QLineEdit *Text1;      // the dataset prefix
    QComboBox *Combo1;     // the licence
    QLineEdit *Text2;      // the archive file
    QPushButton *Command3; // "&Velg fil …"
    QPushButton *Command1; // "&Eksporter", offered once a file is named
    QPushButton *Command2; // "&Avbryt"
};

} // namespace lirvenda
