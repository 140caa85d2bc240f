#pragma once

// The order of names shown to people: Norwegian (… z, æ, ø, å), never the order of the
// characters' codes, which puts "Båtsfjord" before "Bærum". The store's NORSK collation compares
// with the same function, so lists sorted in SQL and in code agree.

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace lirvenda {

// Below, equal to or above zero as a comes before, with or after b.
int compareNorwegian(const QString &a, const QString &b);

// Items by the name each has (a member or a function that gives it); items of one name keep
// their order.
template <typename Item, typename Name>
void sortByNorwegianName(QList<Item> &items, Name name)
{
    std::stable_sort(items.begin(), items.end(), [&name](const Item &a, const Item &b) {
        return compareNorwegian(std::invoke(name, a), std::invoke(name, b)) < 0;
    });
}

// File names in Norwegian order with capitals among the small letters and numbers by their
// value: "Bilde2" before "bilde10".
void sortFileNames(QStringList &names);

} // namespace lirvenda
