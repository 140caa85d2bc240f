#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace lirvenda {

// Any failure of the database engine: the message is the engine's own, with the file it concerns.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message);
    QString message() const { return QString::fromStdString(what()); }
};

class Database;

// What a failed step of the engine (its result code and own words) means to the user: for the
// failures a user can mend, what to do.
QString failureText(int code, const QString &engineText);

// The columns of one row, read by name whatever their case.
class Record {
public:
    void insert(const QString &column, const QVariant &value) { m_values.insert(column.toLower(), value); }
    QVariant value(const QString &column) const { return m_values.value(column.toLower()); }
    QString text(const QString &column) const { return value(column).toString(); }
    bool isNull(const QString &column) const { return value(column).isNull(); }
    bool isEmpty() const { return m_values.isEmpty(); }

private:
    QHash<QString, QVariant> m_values;
};

// A prepared statement with its values bound as parameters. Step through the rows with next();
// columns are read by name, whatever their case.
class Statement {
public:
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&) = delete;
    ~Statement();

    Statement &bind(int index, const QVariant &value); // 1-based, as SQLite counts
    Statement &bindAll(const QVariantList &values);

    bool next(); // true while a row is at hand
    void run();  // steps to the end, for statements without rows

    QVariant value(const QString &column) const;
    QVariant value(int column) const;
    // The column's text as stored, UTF-8, without a copy; valid until the next step. For the
    // reads of many rows, where a copy of each value costs more than the read.
    QByteArrayView bytes(int column) const;
    bool isNull(int column) const;
    qint64 integer(int column) const;
    QString text(const QString &column) const;
    qint64 integer(const QString &column) const;
    QStringList columnNames() const;
    Record record() const; // every column of the row at hand

private:
    friend class Database;
    Statement(Database &db, sqlite3_stmt *stmt);
    int columnIndex(const QString &column) const;

    Database *m_db;
    sqlite3_stmt *m_stmt;
    QHash<QString, int> m_columns; // lower-cased name -> index
};

// One open, keyed SQLCipher database file. Every connection gets the Norwegian collation
// NORSK and the Unicode lower-case function ulower(), for every search and sort the user sees.
class Database {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file with the key; throws DatabaseError naming the file when it is
    // missing, not a database, or keyed otherwise. Never creates or changes a file that exists.
    // A read-only connection is refused every write by the engine itself and needs no right to
    // write the file or its folder.
    static std::unique_ptr<Database> open(const QString &path, const QString &key, Access access = Access::ReadWrite);
    // Creates a new, empty, keyed file; throws when the file already exists.
    static std::unique_ptr<Database> create(const QString &path, const QString &key);
    ~Database();

    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // A statement with its values bound. Every statement is kept prepared for its next use.
    Statement query(const QString &sql, const QVariantList &values = {});
    void execute(const QString &sql, const QVariantList &values = {});
    void executeScript(const QString &sql); // several statements, no values
    QVariant scalar(const QString &sql, const QVariantList &values = {});
    QStringList columnTexts(const QString &sql, const QVariantList &values = {}); // the first column of every row
    qint64 lastInsertId() const;
    // The engine's integrity check of the whole file: "ok" alone when the file is sound.
    QStringList integrityCheck();

    QString path() const { return m_path; }
    QString key() const { return m_key; } // what the file was opened or last rekeyed with
    // Encrypts every page of the file with the new key, in one transaction of the engine.
    void rekey(const QString &key);
    sqlite3 *handle() const { return m_db; }
    [[noreturn]] void fail(const QString &what) const;

private:
    friend class Statement;
    Database(sqlite3 *db, QString path, QString key);
    static std::unique_ptr<Database> openKeyed(const QString &path, const QString &key, int flags);
    void registerFunctions();
    void release(sqlite3_stmt *stmt);

    sqlite3 *m_db;
    QString m_path;
    QString m_key;
    QHash<QString, sqlite3_stmt *> m_cache;
};

// BEGIN IMMEDIATE ... COMMIT; rolled back when left without commit() (an exception, an early return).
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    void commit();

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &m_db;
    bool m_open = true;
};

} // namespace lirvenda
