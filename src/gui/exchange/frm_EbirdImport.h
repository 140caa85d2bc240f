#pragma once

#include "core/exchange/EbirdImport.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lirvenda {

class Program;

// "Importer fra eBird": the user chooses the downloaded file and the observer, reads what the
// import would do, and imports; the store is copied first, and the rows go in one transaction.
class frm_EbirdImport : public QDialog {
    Q_OBJECT
public:
    // imported runs after rows were added, before the closing message.
    frm_EbirdImport(Program &program, std::function<void()> imported, QWidget *parent = nullptr);

private:
    void FillObservers();
    void LayOut();
    void Command1_Click();
    void ShowPreview();
    void Command2_Click();
    std::optional<qint64> chosenObserver() const;

    Program &m_program;
    std::function<void()> m_imported;
    std::optional<EbirdImportPlan> m_plan;
    QGroupBox *Frame1;     // "Fil og observatør"
    QLineEdit *Text1;      // the file
    QPushButton *Command1; // "&Velg fil …"
    QComboBox *Combo1;     // the observer, keyed by ObserverID
    QGroupBox *Frame2;     // "Hva importen gjør"
    QPlainTextEdit *Text2; // the preview
    QPushButton *Command2; // "&Importer"
    QPushButton *Command3; // "&Lukk"
};

} // namespace lirvenda
