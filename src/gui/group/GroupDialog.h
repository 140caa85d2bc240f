#pragma once

#include "core/shared/SharedProcedures.h"
#include "gui/ui/KeyedListModel.h"

#include <QDialog>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace lirvenda {

// A window of the group registration. Only its own buttons close it: Escape would take the
// species chosen and the counts typed with it, so it does nothing here.
class GroupDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel))
            event->accept();
        else
            QDialog::keyPressEvent(event);
    }
};

// A list of the group registration whose selected entries are the ones chosen. A click or the
// space bar chooses; typing a name's first letters only moves to it, and a move that no click or
// key of the user's made (the list's own search) leaves the choice as it is.
class ChoiceList : public QListView {
    Q_OBJECT
public:
    // Lists its own entries, or those of a model it shares with another box.
    explicit ChoiceList(QWidget *parent, KeyedListModel *entries = nullptr);

    KeyedListModel &entries() const { return *m_entries; }
    // The entries, none chosen.
    void setEntries(const QList<KeyedEntry> &entries);
    // The entry at the end, unless one with its key is listed.
    void add(const KeyedEntry &entry);
    // The entry with the key is chosen, when it is listed.
    void choose(const QString &key);
    // The chosen entries, in list order.
    QList<KeyedEntry> chosenEntries() const;
    QStringList chosenKeys() const;

    // At least as wide as its longest entry, so that no name is cut.
    QSize minimumSizeHint() const override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override;

private:
    void measureEntries();

    KeyedListModel *m_entries;
    int m_entryWidth = 0; // of the longest entry
};

// A button that shows one character ("K", "-", "+"): it needs the character and its frame, not
// the width the style gives a caption.
class LetterButton : public QPushButton {
public:
    LetterButton(const QString &letter, QWidget *parent) : QPushButton(letter, parent) { setAutoDefault(false); }

    QSize sizeHint() const override
    {
        const QSize caption = QPushButton::sizeHint();
        const int letter = fontMetrics().horizontalAdvance(text()) + 2 * style()->pixelMetric(QStyle::PM_ButtonMargin);
        return {std::min(caption.width(), std::max(letter, caption.height())), caption.height()};
    }
};

} // namespace lirvenda
