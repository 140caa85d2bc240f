#pragma once

// The documentation files of registrations: photos, videos and sound recordings kept in the
// program folder under Dokumentasjon/<ObsUniqueID>/, copied there from wherever the user had them.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace lirvenda {

// A file that could not be copied or moved; the message names it and says why.
class DocumentationError : public std::runtime_error {
public:
    explicit DocumentationError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

enum class DocumentKind { Picture, Video, Sound, Other };

// By the file name's ending, whatever its case.
DocumentKind documentKind(const QString &path);
// The file dialog's filters: pictures, videos and sounds together, each kind, and all files.
QString documentFileFilters();
// The mark the kind sets in the "Dokumentasjon" column: "F", "V", "L"; none for other files.
QString documentMark(DocumentKind kind);

QString documentationRoot(const QString &programFolder);
// The folder of one registration. The identifier is used as the folder name when it is made only
// of letters, digits, "-" and "_"; any other character is written as %XX, so that no identifier
// can reach outside the documentation folder.
QString documentationFolder(const QString &programFolder, const QString &obsUniqueId);
// The files of the folder in name order (Norwegian letters sort as in Norwegian); none when the
// identifier is empty or the folder does not exist.
QStringList documentationFiles(const QString &programFolder, const QString &obsUniqueId);

// Copies the file into the folder, creating it, and answers the copy's path. A name already there
// gets a number: "bilde.jpg", "bilde (2).jpg", "bilde (3).jpg". The original is left as it was.
// Throws DocumentationError when the file cannot be read or the copy cannot be written.
QString copyIntoFolder(const QString &source, const QString &folder);

// Moves the folder of a deleted registration to Dokumentasjon/slettet/, numbered like a copy when
// that name is taken; nothing when there is no folder. Throws DocumentationError when the folder
// cannot be moved (it then stays where it was).
void moveDocumentationAside(const QString &programFolder, const QString &obsUniqueId);

} // namespace lirvenda
