#pragma once

#include "core/shared/DisplayTexts.h"

#include <QDialog>

class QGroupBox;
class QListView;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class Program;

// The nature-type picker: a group, a main type within it and a base type within that.
class frm_Naturtyper : public QDialog {
    Q_OBJECT
public:
    explicit frm_Naturtyper(Program &program, QWidget *parent = nullptr);

    // Selects the levels of a path "group|main type|base type", each filling the list below it.
    void Preselect(const QString &path);

signals:
    // "&OK" says what the nature-type button is to show and hold: with no group chosen, nothing.
    void natureTypeChosen(const QString &caption, const QString &path);

private:
    // A level of the picker: its frame, holding its list over its "Reset" button.
    struct Level {
        QGroupBox *frame;
        QListView *list;
        KeyedListModel *entries;

        KeyedEntry selected() const; // the empty entry when none is selected
        void refill(const QList<KeyedEntry> &items);
    };
    Level level(const QString &caption, int number, int resetNumber);

    void Form_Load();
    void List1_Click();
    void List2_Click();
    void Command2_Click();

    Program &m_program;
    // Made first, so Tab goes from them to the lists, as it always has.
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Avbryt"
    Level m_groups;        // "Hovedgruppe": Frame1, List1 and its "Reset" Command5
    Level m_mainTypes;     // "Gruppe": Frame2, List2 and Command4; the main types of the chosen group
    Level m_baseTypes;     // "Undergruppe": Frame3, List3 and Command3; the base types of the chosen main type
};

} // namespace lirvenda
