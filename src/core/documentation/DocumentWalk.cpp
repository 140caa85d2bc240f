#include "core/documentation/DocumentWalk.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lirvenda {

bool DocumentWalk::previous()
{
    if (m_index <= 0)
        return false;
    --m_index;
    return true;
}

bool DocumentWalk::next()
{
    if (m_index + 1 >= m_files.size())
        return false;
    ++m_index;
    return true;
}

QString DocumentWalk::positionText() const
{
    return QCoreApplication::translate("DocumentWalk", "%1 - %2 av %3")
        .arg(QFileInfo(current()).fileName())
        .arg(m_index + 1)
        .arg(m_files.size());
}

} // namespace lirvenda
