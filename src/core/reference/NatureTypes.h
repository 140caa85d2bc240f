#pragma once

// The three-level nature-type classification of the table Original: groups, main types within a
// group, base types within a main type. A choice is kept as a path "group|main type|base type
// code"; a level is present only when every level above it is.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// "Group/Main type/Base type" for a path; a level whose identifier has no row adds nothing.
QString natureTypeText(Program &program, const QString &path);

// The picker's entries "name  [code]", by name in Norwegian order.
QList<KeyedEntry> natureTypeGroupItems(Program &program);
QList<KeyedEntry> mainTypeItems(Program &program, const QString &groupId);
QList<KeyedEntry> baseTypeItems(Program &program, const QString &mainTypeId);

struct NatureTypeChoice {
    QString caption; // "Group/Main type/Base type", a level not chosen as the empty name
    QString path;
};
// The choice made by the picker's three entries (the empty entry for a level not chosen). A base
// type without its main type is no choice: the path is positional and would name another type.
NatureTypeChoice chosenNatureType(const KeyedEntry &group, const KeyedEntry &mainType, const KeyedEntry &baseType);

} // namespace lirvenda
