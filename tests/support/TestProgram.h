#pragma once

#include "core/store/Program.h"
#include "support/ScriptedPrompter.h"

#include <QMap>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

namespace lirvenda::test {

// A fresh program folder with the embedded default database, and a scripted prompter that
// records every message; both go away with the object.
class TestProgram {
public:
    // The folder is made in parentFolder when one is given, else in the temporary folder.
    explicit TestProgram(bool openDatabases = true, const QString &parentFolder = {});
    ~TestProgram();

    Program &program() { return *m_program; }
    Database &db() { return m_program->mainConnection(); }
    ScriptedPrompter &prompter() { return *m_prompter; }
    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Nest.mdb with an empty observer register: from now on it holds the observers.
    void createObserverFile();
    // An observer in the observer register (Nest.mdb when present); answers its unique ID.
    QString addObserver(const QString &first, const QString &last, const QString &initials, bool isDefault = false);

    // A row of Observasjoner as given, NULL for what is not; answers its ObsID.
    qint64 insertObservation(const QVariantMap &columns);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Program> m_program;
    ScriptedPrompter *m_prompter;
    std::unique_ptr<Prompter> m_previous;
};

// Turns a store of the current schema into one as the first schema version left it: no lists of
// used values with their triggers, no index of the yearly statistics, no list of export files.
void makeFirstSchemaVersion(Database &db);

// The file's bytes; empty when it cannot be read.
QByteArray contents(const QString &path);
// The page objects of a PDF file; the page tree's "/Type /Pages" does not count.
int pdfPageCount(const QString &path);
// Replaces the file with the bytes; false when it cannot.
bool writeFile(const QString &path, const QByteArray &bytes);
// Whether the database file opens with the key.
bool opensWith(const QString &path, const QString &key);
// The entries of an archive with their bytes, as the program reads them back.
QMap<QString, QByteArray> archiveEntries(const QString &path);

// While it lives, no file of this process grows beyond the given size, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    qint64 m_saved;
};

} // namespace lirvenda::test
