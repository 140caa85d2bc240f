#pragma once

// The spreadsheet work of the portal export, behind an interface of our own. Its implementation
// drives LibreOffice Calc and lives in a module of its own (src/calcengine), so this header is
// all the two sides share: keep it free of anything that needs lirvenda_lib.

#include <QString>

#include <stdexcept>

namespace lirvenda {

// A failure of the spreadsheet work; the message says, for the user, what failed.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Fills copies of a workbook template, one copy at a time. Rows and columns count from 1, as the
// portal's layout does, on the first worksheet. Every failure throws SpreadsheetError.
class SpreadsheetEngine {
public:
    virtual ~SpreadsheetEngine() = default;

    // A new, untitled copy of the template; the template file itself is never written.
    virtual void openTemplate(const QString &path) = 0;
    virtual void setText(int row, int column, const QString &text) = 0;
    virtual void setNumber(int row, int column, double value) = 0;
    // Stores the copy under a new name, in the format the name's suffix says (.xls or .xlsx);
    // an existing file is never replaced.
    virtual void saveAs(const QString &path) = 0;
    // Discards the open copy, if any. Never throws: it also runs on the way out of a failure.
    virtual void close() = 0;
};

// How the module starts its office; the defaults are what the program uses.
struct OfficeSettings {
    QString soffice;       // the office's start program; empty: the installed LibreOffice
    int startSeconds = 60; // how long to wait for the office to answer
};

// The module's one entry point: starts a private office and answers an engine that ends it when
// deleted. Throws SpreadsheetError when the office cannot be started.
using StartEngineFunction = SpreadsheetEngine *(*)(const OfficeSettings &settings);
inline constexpr char StartEngineSymbol[] = "lirvenda_start_calc_engine";

} // namespace lirvenda
