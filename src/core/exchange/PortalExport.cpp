#include "core/exchange/PortalExport.h"

#include "core/exchange/WorkbookFile.h"

#include "core/exchange/SpreadsheetEngine.h"
#include "core/reference/ObserverRegister.h"
#include "core/registration/CodeLists.h"
#include "core/registration/Places.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/species/Species.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QVariant>

namespace lirvenda {

namespace {

// The portal's columns.
enum Column {
    SpeciesCode = 1,
    Count,
    Age,
    Sex,
    Activity,
    Locality,
    StartDay,
    StartTime,
    StopDay,
    StopTime,
    Comment,
};

constexpr int CoObserverColumn = 21;
constexpr int MaxCoObservers = 10;

// One observation as a row of the portal's sheet: the columns that get a value, each a QString,
// or a double for the count. A column without a value keeps the template's cell.
struct PortalRow {
    qint64 obsId = 0;
    QMap<int, QVariant> cells;
};

// "first name last name" of the co-observers, at most MaxCoObservers: the observation's
// ObservatørKobling rows other than the main observer's, or, when it has none, the observers of
// its Observatører text after the first.
QStringList coObserverNames(Program &program, const Record &observation)
{
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && names.size() < MaxCoObservers)
            names << name;
    };
    bool linked = false;
    Statement links = program.mainConnection().query(
        QStringLiteral("SELECT ObservasjonsId FROM ObservatørKobling WHERE RecordID = ? AND HovedObservatør = 0 "
                       "ORDER BY rowid"),
        {observation.value(QStringLiteral("ObsID"))});
    while (links.next()) {
        linked = true;
        add(observerNameById(program, links.integer(QStringLiteral("ObservasjonsId"))));
    }
    if (!linked) {
        // A registration from the main window keeps its observers only here, the main one first.
        const QStringList ids = observation.text(QStringLiteral("Observatører")).split(',', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < ids.size(); ++i)
            add(observerNameByUniqueId(program, ids.at(i)));
    }
    return names;
}

PortalRow portalRow(Program &program, const Record &observation)
{
    PortalRow row;
    row.obsId = observation.value(QStringLiteral("ObsID")).toLongLong();
    const auto put = [&row](int column, const QString &text) {
        if (!text.isEmpty())
            row.cells.insert(column, text);
    };
    put(SpeciesCode, latinShortCode(program, observation.text(QStringLiteral("Art"))));
    if (!observation.isNull(QStringLiteral("Antall")))
        row.cells.insert(Count, observation.value(QStringLiteral("Antall")).toDouble());
    put(Age, observation.text(QStringLiteral("Alder")));
    put(Sex, observation.text(QStringLiteral("Kjønn")));
    const QString activity = observation.text(QStringLiteral("AtlasKode")).trimmed();
    if (!activity.isEmpty())
        put(Activity, activityText(program, activity.toInt()));
    put(Locality, storedLocalityText(program, observation.text(QStringLiteral("Lokalitet"))));
    const QString start = observation.text(QStringLiteral("StartDato"));
    const QString stop = observation.text(QStringLiteral("StoppDato"));
    put(StartDay, shownDate(start));
    put(StartTime, shownTime(start));
    put(StopDay, shownDate(stop));
    put(StopTime, shownTime(stop));
    put(Comment, observation.text(QStringLiteral("Kommentar")));
    const QStringList coObservers = coObserverNames(program, observation);
    for (qsizetype i = 0; i < coObservers.size(); ++i)
        put(CoObserverColumn + int(i), coObservers.at(i));
    return row;
}

QList<PortalRow> unreportedRows(Program &program)
{
    QList<PortalRow> rows;
    Statement observations = program.mainConnection().query(
        QStringLiteral("SELECT * FROM Observasjoner WHERE Rapportert = 0 ORDER BY ObsID"));
    while (observations.next())
        rows << portalRow(program, observations.record());
    return rows;
}

void writeRow(SpreadsheetEngine &engine, int row, const PortalRow &observation)
{
    for (auto cell = observation.cells.cbegin(); cell != observation.cells.cend(); ++cell) {
        if (cell.value().typeId() == QMetaType::Double)
            engine.setNumber(row, cell.key(), cell.value().toDouble());
        else
            engine.setText(row, cell.key(), cell.value().toString());
    }
}

// Marks the rows and, in the same transaction, takes this run's files off the unfinished list:
// a run cut at any moment leaves its files listed or its rows marked, never files counted as
// reported whose rows are not.
void markReported(Program &program, const QList<PortalRow> &rows)
{
    Database &db = program.mainConnection();
    Transaction transaction(db);
    for (const PortalRow &row : rows)
        db.execute(QStringLiteral("UPDATE Observasjoner SET Rapportert = 1 WHERE ObsID = ?"), {row.obsId});
    db.execute(QStringLiteral("DELETE FROM UferdigeEksportfiler"));
    transaction.commit();
}

// Listed, and committed, before the office starts writing it.
void listUnfinished(Program &program, const QString &name)
{
    program.mainConnection().execute(QStringLiteral("INSERT OR IGNORE INTO UferdigeEksportfiler(Fil) VALUES (?)"),
                                     {name});
}

void removeFiles(SpreadsheetEngine &engine, const QDir &folder, const QStringList &names)
{
    engine.close();
    for (const QString &name : names)
        QFile::remove(folder.filePath(name));
}

const QRegularExpression &exportFileNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{8})_(\\d+)\\.xlsx?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

void removeUnfinishedExportFiles(Program &program)
{
    Database &db = program.mainConnection();
    const QDir folder(program.folder());
    const QStringList listed = db.columnTexts(QStringLiteral("SELECT Fil FROM UferdigeEksportfiler"));
    for (const QString &name : listed) {
        // Only an export file's own name: a list edited by hand cannot reach other files.
        if (exportFileNamePattern().match(name).hasMatch() && folder.exists(name) &&
            !QFile::remove(folder.filePath(name)))
            throw SpreadsheetError(
                QCoreApplication::translate("PortalExport", "Fila %1 fra en avbrutt eksport kan ikke slettes.")
                    .arg(QDir::toNativeSeparators(folder.filePath(name))));
        db.execute(QStringLiteral("DELETE FROM UferdigeEksportfiler WHERE Fil = ?"), {name});
    }
}

int unreportedCount(Program &program)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT count(*) FROM Observasjoner WHERE Rapportert = 0"))
        .toInt();
}

QString portalTemplatePath(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : {QStringLiteral("lirv_excelimport.xls"), QStringLiteral("lirv_excelimport.xlsx")}) {
        const QStringList found = dir.entryList({name}, QDir::Files, QDir::Name); // case-insensitive
        if (!found.isEmpty())
            return dir.filePath(found.first());
    }
    return {};
}

QString exportFileName(const QDate &date, int number, const QString &suffix)
{
    return QStringLiteral("%1_%2.%3").arg(compactDate(date)).arg(number).arg(suffix);
}

int nextFileNumber(const QString &folder, const QDate &date)
{
    int highest = 0;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = exportFileNamePattern().match(entry);
        if (match.hasMatch() && match.captured(1) == compactDate(date))
            highest = std::max(highest, match.captured(2).toInt());
    }
    return highest + 1;
}

QString preparePortalExport(Program &program, Prompter &prompter, const QDate &today)
{
    const int total = unreportedCount(program);
    if (total == 0) {
        prompter.information(nothingToReportMessage(today));
        return {};
    }
    if (!prompter.askYesNo(QCoreApplication::translate(
                               "PortalExport", "Du har %1 observasjoner som skal rapporteres til '%2'. Vil du generere "
                                               "excel-ark nå?")
                               .arg(total)
                               .arg(PortalName)))
        return {};
    const QString path = portalTemplatePath(program.folder());
    if (path.isEmpty())
        prompter.information(missingTemplateMessage(program.folder()));
    return path;
}

QString nothingToReportMessage(const QDate &today)
{
    return QCoreApplication::translate("PortalExport", "Du har pr. %1 ingen observasjoner som skal sendes inn.")
        .arg(dateBoxText(today));
}

QString missingTemplateMessage(const QString &folder)
{
    return QCoreApplication::translate(
               "PortalExport",
               "Du mangler fila lirv_Excelimport.xls. Denne kan du hente fra %1 og kopiere til mappa %2/.")
        .arg(PortalName, QDir::toNativeSeparators(folder));
}

QStringList exportUnreported(Program &program, SpreadsheetEngine &engine, const QString &templatePath,
                             const QDate &today, const std::function<void(int)> &progress)
{
    const QDir folder(program.folder());
    const QString suffix = QFileInfo(templatePath).suffix().toLower();
    QStringList written;
    if (const QString fault = workbookFault(templatePath); !fault.isEmpty())
        throw SpreadsheetError(QCoreApplication::translate("PortalExport", "Malen %1 kan ikke brukes: %2.")
                                   .arg(QDir::toNativeSeparators(templatePath), fault));
    try {
        removeUnfinishedExportFiles(program);
        const QList<PortalRow> rows = unreportedRows(program);
        int number = nextFileNumber(folder.path(), today);
        for (qsizetype first = 0; first < rows.size(); first += PortalRowsPerFile) {
            engine.openTemplate(templatePath);
            const QList<PortalRow> part = rows.mid(first, PortalRowsPerFile);
            for (qsizetype i = 0; i < part.size(); ++i)
                writeRow(engine, PortalFirstRow + int(i), part.at(i));
            const QString name = exportFileName(today, number++, suffix);
            if (folder.exists(name))
                throw SpreadsheetError(
                    QCoreApplication::translate("PortalExport", "Fila %1 finnes fra før.").arg(folder.filePath(name)));
            listUnfinished(program, name);
            written << name; // before the save: a half-written file goes too
            engine.saveAs(folder.filePath(name));
            engine.close();
            if (progress)
                progress(int(first + part.size()));
        }
        markReported(program, rows);
    } catch (const SpreadsheetError &) {
        removeFiles(engine, folder, written);
        throw;
    } catch (const DatabaseError &error) {
        removeFiles(engine, folder, written);
        throw SpreadsheetError(error.message());
    }
    return written;
}

QString exportedMessage(const QString &folder, const QStringList &fileNames)
{
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (fileNames.size() == 1)
        return QCoreApplication::translate(
                   "PortalExport", "Observasjonene ble eksportert til en excel-fil som ligger i mappa %1/ og heter %2")
            .arg(shownFolder, fileNames.first());
    const QRegularExpressionMatch first = exportFileNamePattern().match(fileNames.first());
    const QRegularExpressionMatch last = exportFileNamePattern().match(fileNames.last());
    return QCoreApplication::translate(
               "PortalExport", "Det ble eksportert %1 excel-filer. Disse ligger i mappa %2 og alle begynner med navnet "
                               "%3_ (etterfulgt av et nummer fra %4 til %5).%6")
        .arg(QString::number(fileNames.size()), shownFolder, first.captured(1), first.captured(2), last.captured(2),
             QFileInfo(fileNames.first()).suffix());
}

QString exportFailedMessage(const QString &failure)
{
    return failure + QCoreApplication::translate(
                         "PortalExport", "\nIngen observasjoner er merket som rapportert, og ingen filer er lagret.");
}

} // namespace lirvenda
