#pragma once

#include "core/group/GroupEntries.h"
#include "core/group/NamedLocalities.h"
#include "gui/group/GroupDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lirvenda {

class Program;
struct GroupHeader;

// The entry grid of a group registration: count, operator, age, sex, activity and comment per
// species in fifteen rows that scroll, then one header (time, locality, observers) for all, and
// the save.
class frm_Detaljer : public GroupDialog {
    Q_OBJECT
public:
    static constexpr int Rows = 15;

    frm_Detaljer(Program &program, const QStringList &speciesKeys, QWidget *parent = nullptr);
    ~frm_Detaljer() override;

    // True after a save or the header's "&Avbryt": the species list closes too.
    bool endedGroupRegistration() const { return m_ended; }
    const GroupEntries &entries() const { return m_entries; }

    void ClearRows();
    void StoreRows();
    void ShowRows();

    void Command1_Click(); // scroll up
    void Command2_Click(); // scroll down
    void Command4_Click(); // "&Gå videre"
    void Command3_Click(); // "&Avbryt" on the grid
    // A press on a copy button of a row, with the keys held.
    void CopyButton_MouseDown(GroupField field, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void Combo7_Change(int box);

    void Command5_Click();  // start date back
    void Command7_Click();  // start date on
    void Command6_Click();  // stop date back
    void Command21_Click(); // stop date on
    void Command22_Click(); // "Ny"
    void Command9_Click();  // "&Lagre"
    void Command10_Click(); // "&Tilbake"
    void Command8_Click();  // "&Avbryt" on the header

    // The grid page.
    QWidget *GridPage;                         // the grid and its buttons
    std::array<QCheckBox *, Rows> Check1;      // "Fjern"
    std::array<QLabel *, Rows> Label1;         // the species' six-letter code
    std::array<QLineEdit *, Rows> Text1;       // count
    std::array<QPushButton *, Rows> Command15; // "K": copy the count
    std::array<QComboBox *, Rows> Combo3;      // "=", ">", "<", "~"
    std::array<QComboBox *, Rows> Combo1;      // age
    std::array<QPushButton *, Rows> Command12; // "K": copy the age
    std::array<QComboBox *, Rows> Combo4;      // sex
    std::array<QPushButton *, Rows> Command13; // "K": copy the sex
    std::array<QComboBox *, Rows> Combo2;      // activity
    std::array<QPushButton *, Rows> Command11; // "K": copy the activity
    std::array<QLineEdit *, Rows> Text4;       // comment
    std::array<QPushButton *, Rows> Command14; // "K": copy the comment
    QPushButton *Command1;                     // scroll up (picture)
    QPushButton *Command2;                     // scroll down (picture)
    std::array<QComboBox *, 3> Combo7;         // species look-ups
    QPushButton *Command4;                     // "&Gå videre"
    QPushButton *Command3;                     // "&Avbryt"

    // The header panel.
    QWidget *Frame3;        // holds Frame1; hidden until "&Gå videre"
    QGroupBox *Frame1;      // "Registrering av dato, tid, lokalitet og observatører"
    QLineEdit *Text2;       // start date
    QPushButton *Command5;  // "-"
    QPushButton *Command7;  // "+"
    QLineEdit *Text3;       // start time
    QLineEdit *Text5;       // stop date
    QPushButton *Command6;  // "-"
    QPushButton *Command21; // "+"
    QLineEdit *Text6;       // stop time
    QComboBox *Combo5;      // named localities and the places used in the observations
    QPushButton *Command22; // "Ny"
    QComboBox *Combo6;      // main observer
    QListWidget *List1;     // other observers; the selected ones take part
    QPushButton *Command9;  // "&Lagre"
    QPushButton *Command10; // "&Tilbake"
    QPushButton *Command8;  // "&Avbryt"

protected:
    // The title bar's close button: the window's own "&Avbryt" once the user agrees that what was
    // typed is not saved.
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildGrid();
    void BuildRow(int row, int top);
    void BuildHeader();
    void ConnectRow(int row);
    void Recolour(int row);
    void FillRowLists(const QStringList &activities);
    void FillHeaderOnce();
    void FillObservers();
    void FillLocalities(const LocalityChoice &chosen);
    LocalityChoice chosenLocality() const;
    void ShowHeader(bool shown);
    GroupHeader header() const;
    int speciesOfRow(int row) const { return m_firstShown + row; }
    int shownRows() const;

    Program &m_program;
    GroupEntries m_entries;
    QList<LocalityChoice> m_localities; // what Combo5 lists, in its order
    int m_firstShown = 0;
    bool m_drawing = false;      // rows are being drawn: their signals are not the user's
    bool m_headerFilled = false; // the header's time and main observer are set once, then kept
    bool m_ended = false;
};

} // namespace lirvenda
