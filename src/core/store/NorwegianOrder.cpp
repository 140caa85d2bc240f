#include "core/store/NorwegianOrder.h"

#include <QCollator>
#include <QLocale>

namespace lirvenda {

namespace {

QCollator norwegianCollator() { return QCollator(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); }

} // namespace

int compareNorwegian(const QString &a, const QString &b)
{
    static const QCollator names = norwegianCollator();
    return names.compare(a, b);
}

void sortFileNames(QStringList &names)
{
    static const QCollator fileNames = [] {
        QCollator collator = norwegianCollator();
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(true);
        return collator;
    }();
    std::sort(names.begin(), names.end(), fileNames);
}

} // namespace lirvenda
