#pragma once

#include "core/archive/ArchiveSearch.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class Program;
class SearchExports;

// "ObservasjonsArkiv": searches the stored observations again after every change of a criterion
// and lists at most 100. Typing in a number box searches once the typing pauses, so that a long
// archive is not searched again for every digit. A click on a result makes it the current record of the observation
// record set and closes the window.
class frm_Arkiv : public QDialog {
    Q_OBJECT
public:
    explicit frm_Arkiv(Program &program, QWidget *parent = nullptr);

    static constexpr int TypingPauseMilliseconds = 150;

private:
    void FillCriteria();
    void FillNumberRows();
    void PrepareResultList();
    void LayOut();
    QComboBox *criterionList(const QString &name, const QString &caption, const QString &noChoice,
                             const QList<KeyedEntry> &entries);
    QLineEdit *numberBox(const QString &name);
    using NumberReading = std::optional<qint64> (*)(const QString &text);
    QComboBox *operatorList(const QString &name, const QString &label, QLineEdit *box, NumberReading reading);
    ArchiveCriteria criteria() const;
    void Search();
    void List1_Click(const QModelIndex &entry);

    Program &m_program;
    QGroupBox *Frame1; // "Search variables"
    QGroupBox *Frame3; // "Number, day, month and year"
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5, *Combo6, *Combo7;
    QLineEdit *Text1, *Text4, *Text2, *Text3;        // count, day, month, year
    QComboBox *Combo9, *Combo12, *Combo10, *Combo11; // their operators
    QGroupBox *Frame2;                               // "Treff", then the result caption
    KeyedListModel *m_results;                       // the result lines, keyed by ObsID
    QListView *List1;
    SearchExports *m_exports; // "Til fil", "eBird …", "Darwin Core …": every match of the search
    QPushButton *Command1;    // "&Quit"
    QTimer m_typingPause;
};

} // namespace lirvenda
