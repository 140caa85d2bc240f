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

// Where the entry of a list shows, scrolled into sight.
inline QPoint entryCentre(QAbstractItemView *list, int row)
{
    const QModelIndex entry = list->model()->index(row, 0);
    list->scrollTo(entry);
    return list->visualRect(entry).center();
}

inline void clickEntry(QAbstractItemView *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entryCentre(list, row));
}

inline void doubleClickEntry(QAbstractItemView *list, int row)
{
    const QPoint at = entryCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The entry becomes the current one, as the keyboard would make it.
inline void selectEntry(QAbstractItemView *list, int row) { list->setCurrentIndex(list->model()->index(row, 0)); }

// Every entry of a list, in order.
inline QStringList entries(const QAbstractItemView *list)
{
    QStringList shown;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        shown << list->model()->index(row, 0).data().toString();
    return shown;
}

inline QStringList entries(const QComboBox *combo)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    return shown;
}

// The row of the first entry with the key (Qt::UserRole), as the list shows it; -1 for none.
inline int rowWithKey(const QAbstractItemView *list, const QString &key)
{
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::UserRole, key, 1, Qt::MatchExactly);
    return found.isEmpty() ? -1 : found.first().row();
}

// The initials in each entry's "(...)", as observer entries show them; "*" marks a ticked entry,
// or, given a selection, a selected one.
inline QStringList initialsIn(const QAbstractItemModel &list, const QItemSelectionModel *selection = nullptr)
{
    QStringList out;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QModelIndex entry = list.index(row, 0);
        const bool marked =
            selection ? selection->isSelected(entry) : entry.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        out << entry.data().toString().section('(', 1).section(')', 0, 0) + (marked ? "*" : "");
    }
    return out;
}
inline QStringList initialsIn(const QAbstractItemView *list, bool bySelection = false)
{
    return initialsIn(*list->model(), bySelection ? list->selectionModel() : nullptr);
}

} // namespace lirvenda::test
