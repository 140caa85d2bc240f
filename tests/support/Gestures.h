#pragma once

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

inline void clickEntry(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

inline void doubleClickEntry(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Every entry of a list, in order.
inline QStringList entries(const QListWidget *list)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
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
inline QStringList initialsIn(const QListWidget *list, bool bySelection = false)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const bool marked = bySelection ? item->isSelected() : item->checkState() == Qt::Checked;
        out << item->text().section('(', 1).section(')', 0, 0) + (marked ? "*" : "");
    }
    return out;
}

} // namespace lirvenda::test
