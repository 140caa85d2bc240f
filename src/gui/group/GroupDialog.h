#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>

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
class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget *parent) : QListWidget(parent) { setSelectionMode(MultiSelection); }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override
    {
        return event ? QListWidget::selectionCommand(index, event) : QItemSelectionModel::NoUpdate;
    }
};

} // namespace lirvenda
