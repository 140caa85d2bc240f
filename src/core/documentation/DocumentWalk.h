#pragma once

#include <QString>
#include <QStringList>

namespace lirvenda {

// A position in a registration's documentation files, stepped back and forth by the viewer.
class DocumentWalk {
public:
    DocumentWalk(QStringList files, int start) : m_files(std::move(files)), m_index(start) {}

    // One step; false, and no move, at the first or the last file.
    bool previous();
    bool next();

    QString current() const { return m_files.value(m_index); }
    // "bilde.jpg - 2 av 5"
    QString positionText() const;

private:
    QStringList m_files;
    int m_index;
};

} // namespace lirvenda
