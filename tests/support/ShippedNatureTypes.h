#pragma once

#include <QString>

namespace lirvenda::test {

// The shipped nature type 1|1|3, level by level, by the names its texts are made of.
inline const QString Seabed = QStringLiteral("Saltvannsbunnsystemer (M)");
inline const QString SolidSeabed = QStringLiteral("Eufotisk fast saltvannsbunn (M1)");
inline const QString Sheltered = QStringLiteral("Beskyttet infralitoral fastbunn (M1-3)");

} // namespace lirvenda::test
