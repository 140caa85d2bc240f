#include "gui/documentation/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace lirvenda {

namespace {

DesktopOpener &current()
{
    static DesktopOpener opener = [](const QString &path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return opener;
}

} // namespace

bool openOnDesktop(const QString &path) { return current()(path); }

DesktopOpener setDesktopOpener(DesktopOpener opener)
{
    std::swap(current(), opener);
    return opener;
}

} // namespace lirvenda
