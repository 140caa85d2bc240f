#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace lirvenda::test {

// A named control of a window; a test cannot go on without it.
template <typename Control = QWidget>
Control *child(const QObject *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found)
        qFatal("No control %s", qPrintable(name));
    return found;
}

inline void click(const QObject *window, const QString &name)
{
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

inline void clickEntry(QAbstractItemView *list, int row)
{
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
}

// Every entry of a list, in order.
inline QStringList entries(const QAbstractItemView *list)
{
    QStringList shown;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        shown << list->model()->index(i, 0).data().toString();
    return shown;
}

inline QStringList entries(const QComboBox *combo)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    return shown;
}

// The initials in each entry's "(...)", as observer entries show them; "*" marks a ticked entry,
// or with bySelection a selected one.
inline QStringList initialsIn(const QAbstractItemModel *list, const QItemSelectionModel *selection = nullptr)
{
    QStringList out;
    for (int i = 0; i < list->rowCount(); ++i) {
        const QModelIndex entry = list->index(i, 0);
        const bool marked =
            selection ? selection->isSelected(entry) : entry.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        out << entry.data().toString().section('(', 1).section(')', 0, 0) + (marked ? "*" : "");
    }
    return out;
}
inline QStringList initialsIn(const QAbstractItemView *list, bool bySelection = false)
{
    return initialsIn(list->model(), bySelection ? list->selectionModel() : nullptr);
}

} // namespace lirvenda::test
