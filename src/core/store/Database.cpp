#include "core/store/Database.h"

#include "core/store/NorwegianOrder.h"

#include <QFileInfo>

#include <QCoreApplication>
#include <sqlite3.h>

namespace lirvenda {

DatabaseError::DatabaseError(const QString &message) : std::runtime_error(message.toStdString()) {}

namespace {

QString fromUtf8(const unsigned char *text, int bytes)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text), bytes);
}

int norwegianCompare(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    return compareNorwegian(QString::fromUtf8(static_cast<const char *>(a), lengthA),
                            QString::fromUtf8(static_cast<const char *>(b), lengthB));
}

void unicodeLower(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray lower = fromUtf8(sqlite3_value_text(args[0]), sqlite3_value_bytes(args[0])).toLower().toUtf8();
    sqlite3_result_text(context, lower.constData(), lower.size(), SQLITE_TRANSIENT);
}

// The key as an SQL text literal: a passphrase may hold any character.
QString quotedKey(const QString &key)
{
    return QLatin1Char('\'') + QString(key).replace('\'', "''") + QLatin1Char('\'');
}

} // namespace

// ---- Database ----

Database::Database(sqlite3 *db, QString path, QString key) : m_db(db), m_path(std::move(path)), m_key(std::move(key)) {}

Database::~Database()
{
    for (sqlite3_stmt *stmt : std::as_const(m_cache))
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

std::unique_ptr<Database> Database::open(const QString &path, const QString &key, Access access)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw DatabaseError(
            QCoreApplication::translate("Database", "Finner ikke databasefila %1.").arg(info.absoluteFilePath()));
    if (!info.isFile() || !info.isReadable())
        throw DatabaseError(
            QCoreApplication::translate("Database", "Kan ikke lese databasefila %1.").arg(info.absoluteFilePath()));
    // The engine would take an empty file for a new database and fill it; it is a broken copy.
    if (info.size() == 0)
        throw DatabaseError(
            QCoreApplication::translate("Database", "Databasefila %1 er tom.").arg(info.absoluteFilePath()));
    return openKeyed(path, key, access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
}

std::unique_ptr<Database> Database::create(const QString &path, const QString &key)
{
    if (QFileInfo::exists(path))
        throw DatabaseError(QCoreApplication::translate("Database", "Databasefila %1 finnes allerede.").arg(path));
    return openKeyed(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

std::unique_ptr<Database> Database::openKeyed(const QString &path, const QString &key, int flags)
{
    const QString nativePath = QFileInfo(path).absoluteFilePath();
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(nativePath.toUtf8().constData(), &handle, flags, nullptr);
    std::unique_ptr<Database> db(new Database(handle, nativePath, key));
    if (rc != SQLITE_OK)
        db->fail(QCoreApplication::translate("Database", "Kan ikke åpne databasefila %1").arg(nativePath));
    try {
        db->execute(QStringLiteral("PRAGMA key = %1").arg(quotedKey(key)));
        // The key is only tried at the first read: read now, so a wrong key or a file that is
        // not a database is refused here and not in the middle of some later work.
        db->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const DatabaseError &error) {
        throw DatabaseError(QCoreApplication::translate("Database",
                                                        "Kan ikke åpne databasefila %1: den er ikke en "
                                                        "Lirvenda-database eller har et annet passord (%2).")
                                .arg(nativePath, error.message()));
    }
    db->execute(QStringLiteral("PRAGMA foreign_keys = OFF"));
    // A row that INSERT OR REPLACE puts in the place of another deletes that one with its delete
    // triggers, which keep the lists of used values.
    db->execute(QStringLiteral("PRAGMA recursive_triggers = ON"));
    db->registerFunctions();
    return db;
}

void Database::rekey(const QString &key)
{
    for (sqlite3_stmt *stmt : std::as_const(m_cache))
        sqlite3_finalize(stmt);
    m_cache.clear();
    executeScript(QStringLiteral("PRAGMA rekey = %1").arg(quotedKey(key)));
    m_key = key;
    scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
}

void Database::registerFunctions()
{
    sqlite3_create_collation(m_db, "NORSK", SQLITE_UTF8, nullptr, norwegianCompare);
    sqlite3_create_function(m_db, "ulower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, unicodeLower, nullptr,
                            nullptr);
}

QString failureText(int code, const QString &engineText)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QCoreApplication::translate("Database", "Disken er full. Frigjør plass på disken og prøv igjen.");
    case SQLITE_READONLY:
        return QCoreApplication::translate("Database", "Databasefila eller mappa den ligger i er skrivebeskyttet.");
    case SQLITE_CANTOPEN: // when writing: the journal beside the file could not be made
        return QCoreApplication::translate("Database",
                                           "Databasefila, eller journalfila ved siden av den, kan ikke åpnes. Er mappa "
                                           "skrivebeskyttet?");
    default: return engineText;
    }
}

void Database::fail(const QString &what) const
{
    throw DatabaseError(QStringLiteral("%1: %2").arg(
        what, failureText(sqlite3_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)))));
}

Statement Database::query(const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *stmt = m_cache.take(sql); // taken out while in use, so nesting is safe
    if (!stmt) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, utf8.constData(), utf8.size(), &stmt, nullptr) != SQLITE_OK)
            fail(QCoreApplication::translate("Database", "Feil i databasespørring (%1)").arg(sql));
    }
    Statement statement(*this, stmt);
    statement.bindAll(values);
    return statement;
}

void Database::release(sqlite3_stmt *stmt)
{
    const QString sql = QString::fromUtf8(sqlite3_sql(stmt));
    if (!m_cache.contains(sql)) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        m_cache.insert(sql, stmt);
    } else {
        sqlite3_finalize(stmt);
    }
}

void Database::execute(const QString &sql, const QVariantList &values) { query(sql, values).run(); }

void Database::executeScript(const QString &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        sqlite3_free(error); // the same text sqlite3_errmsg gives
        fail(m_path);
    }
}

QVariant Database::scalar(const QString &sql, const QVariantList &values)
{
    Statement statement = query(sql, values);
    return statement.next() ? statement.value(0) : QVariant();
}

QStringList Database::columnTexts(const QString &sql, const QVariantList &values)
{
    Statement statement = query(sql, values);
    QStringList texts;
    while (statement.next())
        texts << statement.value(0).toString();
    return texts;
}

QStringList Database::integrityCheck()
{
    // The check visits every index entry's row, page after page at random: with the engine's
    // small default cache a million observations took 49 s, with this one 13 s. The cache grows
    // only as far as the file goes, and is given back after.
    constexpr int CheckCacheKibibytes = 256 * 1024;
    const qint64 cacheSize = scalar(QStringLiteral("PRAGMA cache_size")).toLongLong();
    execute(QStringLiteral("PRAGMA cache_size = -%1").arg(CheckCacheKibibytes));
    const QStringList report = columnTexts(QStringLiteral("PRAGMA integrity_check"));
    execute(QStringLiteral("PRAGMA cache_size = %1").arg(cacheSize));
    return report;
}

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

// ---- Statement ----

Statement::Statement(Database &db, sqlite3_stmt *stmt) : m_db(&db), m_stmt(stmt)
{
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i)
        m_columns.insert(QString::fromUtf8(sqlite3_column_name(stmt, i)).toLower(), i);
}

Statement::Statement(Statement &&other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_columns(std::move(other.m_columns))
{
    other.m_stmt = nullptr;
}

Statement::~Statement()
{
    if (m_stmt)
        m_db->release(m_stmt);
}

Statement &Statement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong: rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong()); break;
        case QMetaType::Double: rc = sqlite3_bind_double(m_stmt, index, value.toDouble()); break;
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        m_db->fail(QCoreApplication::translate("Database", "Kan ikke binde verdi %1").arg(index));
    return *this;
}

Statement &Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
    return *this;
}

bool Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db->fail(QCoreApplication::translate("Database", "Databasefeil i %1").arg(m_db->path()));
}

void Statement::run()
{
    while (next()) {
    }
}

int Statement::columnIndex(const QString &column) const
{
    const auto it = m_columns.constFind(column.toLower());
    if (it == m_columns.constEnd())
        throw DatabaseError(QCoreApplication::translate("Database", "Ukjent kolonne %1").arg(column));
    return it.value();
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(static_cast<qint64>(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, column));
    default: return QVariant(fromUtf8(sqlite3_column_text(m_stmt, column), sqlite3_column_bytes(m_stmt, column)));
    }
}

QByteArrayView Statement::bytes(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_stmt, column) : 0);
}

bool Statement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
qint64 Statement::integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

QVariant Statement::value(const QString &column) const { return value(columnIndex(column)); }
QString Statement::text(const QString &column) const { return value(column).toString(); }
qint64 Statement::integer(const QString &column) const { return value(column).toLongLong(); }

QStringList Statement::columnNames() const
{
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(m_stmt); ++i)
        names << QString::fromUtf8(sqlite3_column_name(m_stmt, i));
    return names;
}

Record Statement::record() const
{
    Record row;
    for (int i = 0; i < sqlite3_column_count(m_stmt); ++i)
        row.insert(QString::fromUtf8(sqlite3_column_name(m_stmt, i)), value(i));
    return row;
}

// ---- Transaction ----

Transaction::Transaction(Database &db) : m_db(db) { m_db.execute(QStringLiteral("BEGIN IMMEDIATE")); }

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.execute(QStringLiteral("COMMIT"));
    m_open = false;
}

} // namespace lirvenda
