#pragma once

// The export of unreported observations to the reporting portal: copies of the portal's import
// template, 151 observations each, named by the day and a running number in the program folder.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace lirvenda {

class Program;
class Prompter;
class SpreadsheetEngine;

inline const QString PortalName = QStringLiteral("Rapporteringsportalen");
inline constexpr int PortalFirstRow = 3;      // rows 1 and 2 are the template's headings
inline constexpr int PortalRowsPerFile = 151; // rows 3 to 153

int unreportedCount(Program &program);

// Removes the files an earlier export wrote but never marked for, because it was cut before
// marking (killed, power lost); every export starts with it.
void removeUnfinishedExportFiles(Program &program);

// The template in the folder, whatever the case of its name; a .xls one before a .xlsx one.
// Empty when there is none.
QString portalTemplatePath(const QString &folder);
QString exportFileName(const QDate &date, int number, const QString &suffix); // "YYYYMMDD_N.xls"
// One above the highest number of the day's files already in the folder, so nothing is replaced.
int nextFileNumber(const QString &folder, const QDate &date);

// Before anything is written: counts, asks, looks for the template, with the messages on the
// way. Answers the template's path, or the empty text when the export stops here.
QString preparePortalExport(Program &program, Prompter &prompter, const QDate &today);

// Writes every unreported observation into copies of the template, in the template's format, and
// marks exactly those observations reported, in one transaction. progress gets the number of
// observations in the files saved so far. Answers the names of the files, in the program folder.
// A template that is not a whole workbook is refused before anything is written. On any failure
// the files of this run are removed, nothing is marked, and SpreadsheetError says what failed;
// each file is listed as unfinished before it is written, so a run cut harder is cleaned up by
// the next one.
QStringList exportUnreported(Program &program, SpreadsheetEngine &engine, const QString &templatePath,
                             const QDate &today, const std::function<void(int observations)> &progress = {});

QString nothingToReportMessage(const QDate &today);
QString missingTemplateMessage(const QString &folder);
QString exportedMessage(const QString &folder, const QStringList &fileNames);
QString exportFailedMessage(const QString &failure);

} // namespace lirvenda
