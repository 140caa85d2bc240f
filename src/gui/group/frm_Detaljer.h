#pragma once

#include "core/group/GroupEntries.h"
#include "core/group/NamedLocalities.h"
#include "gui/group/GroupDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QStackedLayout;

namespace lirvenda {

class Program;
struct GroupHeader;

// The entry grid of a group registration: count, operator, age, sex, activity and comment per
// species in fifteen rows that scroll, then one header (time, locality, observers) for all, and
// the save. exec() answers Accepted after a save, Abandoned after the header's "&Avbryt" (the
// species list closes too in both cases) and Rejected after the grid's "&Avbryt".
class frm_Detaljer : public GroupDialog {
    Q_OBJECT
public:
    static constexpr int Rows = 15;
    static constexpr int Abandoned = 2;

    frm_Detaljer(Program &program, const QStringList &speciesKeys, QWidget *parent = nullptr);
    ~frm_Detaljer() override;

    // True after a save or the header's "&Avbryt".
    bool endedGroupRegistration() const { return result() == Accepted || result() == Abandoned; }

    void Command1_Click(); // scroll up
    void Command2_Click(); // scroll down
    void Command4_Click(); // "&Gå videre"
    void Command3_Click(); // "&Avbryt" on the grid

    void Command5_Click();  // start date back
    void Command7_Click();  // start date on
    void Command6_Click();  // stop date back
    void Command21_Click(); // stop date on
    void Command22_Click(); // "Ny"
    void Command9_Click();  // "&Lagre"
    void Command10_Click(); // "&Tilbake"
    void Command8_Click();  // "&Avbryt" on the header

protected:
    // The title bar's close button: the window's own "&Avbryt" once the user agrees that what was
    // typed is not saved.
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls of one row of the grid, named after their column with the row's index.
    struct GridRow {
        QCheckBox *leftOut;                // Check1: "Fjern"
        QLabel *code;                      // Label1: the species' six-letter code
        QLineEdit *count;                  // Text1
        QComboBox *countOperator;          // Combo3: "=", ">", "<", "~"
        QComboBox *age;                    // Combo1
        QComboBox *sex;                    // Combo4
        QComboBox *activity;               // Combo2
        QLineEdit *comment;                // Text4
        std::array<QPushButton *, 5> copy; // "K" per GroupField: Command15, 12, 13, 11, 14
    };

    void ClearRows();
    void StoreRows();
    void ShowRows();
    void ShowRow(int row);
    // A press on a copy button of a row, with the keys held.
    void CopyButton_MouseDown(GroupField field, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void Combo7_Change(int box);

    QWidget *BuildGrid();
    QLayout *BuildLookUps();
    void BuildHeadings(QGridLayout *grid);
    void BuildRow(QGridLayout *grid, int row);
    void ConnectRow(int row);
    QWidget *BuildHeader();
    void BuildDateRows(QGridLayout *grid);
    void BuildPlaceAndObservers(QGridLayout *grid);
    void ConnectHeader();
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
    QList<LocalityChoice> m_localities; // what the locality box lists, in its order
    int m_firstShown = 0;
    bool m_drawing = false;      // rows are being drawn: their signals are not the user's
    bool m_headerFilled = false; // the header's time and main observer are set once, then kept

    QStackedLayout *m_pages;
    // The grid page.
    QWidget *m_gridPage;                             // GridPage
    std::array<QComboBox *, 3> m_lookUps;            // Combo7: species look-ups
    std::array<KeyedListModel *, 3> m_lookUpEntries; // what each look-up found
    std::array<GridRow, Rows> m_rows;
    QPushButton *m_up;   // Command1
    QPushButton *m_down; // Command2
    QPushButton *m_next; // Command4: "&Gå videre"
    QPushButton *m_back; // Command3: "&Avbryt"
    // The header page: Frame3 holding Frame1.
    QWidget *m_headerPage;
    QLineEdit *m_startDate;                   // Text2
    QLineEdit *m_startTime;                   // Text3
    QLineEdit *m_stopDate;                    // Text5
    QLineEdit *m_stopTime;                    // Text6
    std::array<QPushButton *, 4> m_dateSteps; // Command5, Command7, Command6, Command21
    QComboBox *m_locality;                    // Combo5: named localities and the places used in the observations
    KeyedListModel *m_localityEntries;        // what Combo5 lists
    QPushButton *m_newLocality;               // Command22: "Ny"
    QComboBox *m_mainObserver;                // Combo6: lists the entries of List1
    ChoiceList *m_otherObservers;             // List1: the selected ones take part
    QPushButton *m_save;                      // Command9: "&Lagre"
    QPushButton *m_toGrid;                    // Command10: "&Tilbake"
    QPushButton *m_abandon;                   // Command8: "&Avbryt"
};

} // namespace lirvenda
