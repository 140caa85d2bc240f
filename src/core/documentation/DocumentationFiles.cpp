#include "core/documentation/DocumentationFiles.h"

#include "core/store/NorwegianOrder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace lirvenda {

namespace {

const QStringList PictureEndings{"jpg", "jpeg", "jpe", "png", "gif", "bmp", "tif", "tiff", "webp", "heic", "heif"};
const QStringList VideoEndings{"mp4", "m4v", "mov", "avi", "mkv", "mpg", "mpeg", "wmv", "3gp", "webm", "mts"};
const QStringList SoundEndings{"mp3", "wav", "m4a", "aac", "ogg", "oga", "opus", "flac", "wma", "amr"};

QString patterns(const QStringList &endings)
{
    QStringList out;
    for (const QString &ending : endings)
        out << QStringLiteral("*.") + ending;
    return out.join(' ');
}

// "bilde.jpg", then "bilde (2).jpg", "bilde (3).jpg" … : the first name not taken in the folder.
QString freeName(const QDir &folder, const QString &name)
{
    if (!folder.exists(name))
        return name;
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
    const QString base = info.suffix().isEmpty() ? name : info.completeBaseName();
    for (int n = 2;; ++n) {
        const QString numbered = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (!folder.exists(numbered))
            return numbered;
    }
}

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

DocumentKind documentKind(const QString &path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (PictureEndings.contains(ending))
        return DocumentKind::Picture;
    if (VideoEndings.contains(ending))
        return DocumentKind::Video;
    if (SoundEndings.contains(ending))
        return DocumentKind::Sound;
    return DocumentKind::Other;
}

QString documentFileFilters()
{
    return QStringList{QCoreApplication::translate("DocumentationFiles", "Bilder, video og lyd (%1)")
                           .arg(patterns(PictureEndings + VideoEndings + SoundEndings)),
                       QCoreApplication::translate("DocumentationFiles", "Bilder (%1)").arg(patterns(PictureEndings)),
                       QCoreApplication::translate("DocumentationFiles", "Video (%1)").arg(patterns(VideoEndings)),
                       QCoreApplication::translate("DocumentationFiles", "Lyd (%1)").arg(patterns(SoundEndings)),
                       QCoreApplication::translate("DocumentationFiles", "Alle filer (*)")}
        .join(QStringLiteral(";;"));
}

QString documentMark(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::Picture: return QStringLiteral("F");
    case DocumentKind::Video: return QStringLiteral("V");
    case DocumentKind::Sound: return QStringLiteral("L");
    case DocumentKind::Other: break;
    }
    return {};
}

QString documentationRoot(const QString &programFolder) { return QDir(programFolder).filePath("Dokumentasjon"); }

QString documentationFolder(const QString &programFolder, const QString &obsUniqueId)
{
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(obsUniqueId, {}, "~."));
    return QDir(documentationRoot(programFolder)).filePath(name);
}

QStringList documentationFiles(const QString &programFolder, const QString &obsUniqueId)
{
    if (obsUniqueId.isEmpty())
        return {};
    const QDir folder(documentationFolder(programFolder, obsUniqueId));
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    sortFileNames(names);
    QStringList paths;
    for (const QString &name : names)
        paths << folder.filePath(name);
    return paths;
}

QString copyIntoFolder(const QString &source, const QString &folder)
{
    const QFileInfo original(source);
    if (!original.isFile() || !original.isReadable())
        throw DocumentationError(
            QCoreApplication::translate("DocumentationFiles",
                                        "Fila %1 finnes ikke eller kan ikke leses, og ble ikke lagt til.")
                .arg(nativePath(source)));
    if (!QDir().mkpath(folder))
        throw DocumentationError(
            QCoreApplication::translate("DocumentationFiles", "Mappa %1 kunne ikke lages.").arg(nativePath(folder)));
    const QString target = QDir(folder).filePath(freeName(QDir(folder), original.fileName()));
    QFile file(source);
    if (!file.copy(target))
        throw DocumentationError(
            QCoreApplication::translate("DocumentationFiles", "Fila %1 kunne ikke kopieres til %2: %3")
                .arg(nativePath(source), nativePath(folder), file.errorString()));
    return target;
}

void moveDocumentationAside(const QString &programFolder, const QString &obsUniqueId)
{
    if (obsUniqueId.isEmpty())
        return;
    const QString folder = documentationFolder(programFolder, obsUniqueId);
    if (!QFileInfo(folder).isDir())
        return;
    const QDir deleted(QDir(documentationRoot(programFolder)).filePath(QStringLiteral("slettet")));
    const QString target = deleted.filePath(freeName(deleted, QFileInfo(folder).fileName()));
    if (!QDir().mkpath(deleted.path()) || !QDir().rename(folder, target))
        throw DocumentationError(
            QCoreApplication::translate("DocumentationFiles",
                                        "Dokumentasjonen i %1 kunne ikke flyttes til %2; den ligger der den lå.")
                .arg(nativePath(folder), nativePath(deleted.path())));
}

} // namespace lirvenda
