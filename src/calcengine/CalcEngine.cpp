// The spreadsheet engine of the portal export: LibreOffice Calc, driven through UNO from an
// office process of our own. Built as a module the program loads only when it exports.

#include "calcengine/OfficeProcess.h"
#include "core/exchange/SpreadsheetEngine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QUrl>

#include <csignal>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/bridge/XBridgeFactory2.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/XConnector.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangesQuery.hpp>
#include <com/sun/star/sheet/XSheetCellRanges.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <climits>
#include <iterator>
#include <map>
#include <set>
#include <utility>

using namespace css;
using uno::Reference;
using uno::UNO_QUERY;
using uno::UNO_QUERY_THROW;

namespace lirvenda {

namespace {

const QString ProgramFolder = QStringLiteral(LIBREOFFICE_PROGRAM);

rtl::OUString toOU(const QString &text)
{
    return rtl::OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), text.size());
}

rtl::OUString fileUrl(const QString &path)
{
    return toOU(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded));
}

beans::PropertyValue property(const char *name, const uno::Any &value)
{
    beans::PropertyValue p;
    p.Name = rtl::OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

// The filter that writes the format a file name's suffix says.
rtl::OUString filterFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xls"))
        return rtl::OUString::createFromAscii("MS Excel 97");
    if (suffix == QLatin1String("xlsx"))
        return rtl::OUString::createFromAscii("Calc MS Excel 2007 XML");
    throw SpreadsheetError(
        QCoreApplication::translate("CalcEngine", "Kan ikke lagre fila %1: bare .xls og .xlsx kan skrives.").arg(path));
}

// Runs one step of the office work; a UNO failure becomes a SpreadsheetError that says what failed
// and its likely cause. The office's own message (an internal function and an error code) would
// tell the user nothing more. A crashed office shows as a disposed bridge.
template <typename Step>
auto guarded(const QString &failure, const QString &likelyCause, Step step)
{
    try {
        return step();
    } catch (const lang::DisposedException &) {
        throw SpreadsheetError(failure + QCoreApplication::translate("CalcEngine", " LibreOffice stoppet uventet."));
    } catch (const uno::Exception &) {
        throw SpreadsheetError(failure + ' ' + likelyCause);
    }
}

using CellKey = std::pair<int, int>; // row, column; from 1

class CalcEngine final : public SpreadsheetEngine {
public:
    explicit CalcEngine(const OfficeSettings &settings);
    ~CalcEngine() override;

    void openTemplate(const QString &path) override;
    void setText(int row, int column, const QString &text) override { m_pending[{row, column}] <<= toOU(text); }
    void setNumber(int row, int column, double value) override { m_pending[{row, column}] <<= value; }
    void saveAs(const QString &path) override;
    void close() override;

private:
    void connect(int seconds);
    bool reachDesktop(const Reference<connection::XConnector> &connector,
                      const Reference<bridge::XBridgeFactory2> &bridges, const rtl::OUString &office);
    void disposeBridge();
    void disconnect();
    void writePending();
    void writeBlock(const Reference<sheet::XSpreadsheet> &sheet, int firstColumn, int lastColumn);

    OfficeProcess m_office;
    Reference<uno::XComponentContext> m_local;
    // Our connection to the office, with a reader and a writer thread of its own.
    Reference<bridge::XBridge> m_bridge;
    Reference<frame::XDesktop2> m_desktop;
    Reference<sheet::XSpreadsheetDocument> m_document;
    // The cells written since the copy was opened; they reach the office in blocks at the save,
    // which is many times faster than a call per cell.
    std::map<CellKey, uno::Any> m_pending;
};

// The office's start program. Without Calc, LibreOffice takes a workbook for a file it cannot read.
QString startProgram(const OfficeSettings &settings)
{
    if (!QFileInfo::exists(ProgramFolder + QStringLiteral("/libsclo.so")))
        throw SpreadsheetError(QCoreApplication::translate(
            "CalcEngine", "LibreOffice er installert, men ikke regnearket LibreOffice Calc."));
    return settings.soffice.isEmpty() ? ProgramFolder + QStringLiteral("/soffice") : settings.soffice;
}

CalcEngine::CalcEngine(const OfficeSettings &settings) : m_office(startProgram(settings))
{
    // The bridge's writer thread sends over a pipe to the office. When the office ends while a
    // last release is on its way (after terminate, or in a crash), that write must fail and the
    // bridge count as disposed: a broken pipe may not end this program.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        connect(settings.startSeconds);
    } catch (...) {
        disconnect();
        m_office.kill();
        throw;
    }
}

CalcEngine::~CalcEngine()
{
    close();
    try {
        if (m_desktop.is())
            m_desktop->terminate();
    } catch (const uno::Exception &) {
        // The office is gone already; the process is ended below in any case.
    }
    disconnect();
}

// Ends the bridge before the office process and the module go: its dispose waits for its reader
// and writer threads, which would otherwise notice the ended office on their own, some time later,
// and could still be running when the program exits. The references into the office are dropped
// first, while the bridge can still pass their release on.
void CalcEngine::disconnect()
{
    m_document.clear();
    m_desktop.clear();
    disposeBridge();
    if (const Reference<lang::XComponent> local{m_local, UNO_QUERY}; local.is())
        local->dispose();
    m_local.clear();
}

void CalcEngine::disposeBridge()
{
    if (const Reference<lang::XComponent> bridge{m_bridge, UNO_QUERY}; bridge.is())
        bridge->dispose();
    m_bridge.clear();
}

void CalcEngine::connect(int seconds)
{
    const QDeadlineTimer deadline(seconds * 1000);
    m_local = guarded(
        QCoreApplication::translate("CalcEngine", "LibreOffice kan ikke brukes fra dette programmet."),
        QCoreApplication::translate("CalcEngine", "Installasjonen av LibreOffice kan være ufullstendig."), [] {
            // The bridge needs the office API's types to talk to the office; the URE's own bootstrap
            // file names only the basic ones.
            rtl::Bootstrap::set(rtl::OUString::createFromAscii("URE_MORE_TYPES"),
                                fileUrl(ProgramFolder + QStringLiteral("/types/offapi.rdb")));
            return cppu::defaultBootstrap_InitialComponentContext(fileUrl(ProgramFolder + QStringLiteral("/unorc")));
        });
    const Reference<connection::XConnector> connector = connection::Connector::create(m_local);
    const Reference<bridge::XBridgeFactory2> bridges = bridge::BridgeFactory::create(m_local);
    const rtl::OUString office = toOU(m_office.connectionDescription());
    while (!reachDesktop(connector, bridges, office)) {
        if (m_office.endsWithin(100))
            throw SpreadsheetError(QCoreApplication::translate("CalcEngine", "LibreOffice stoppet under oppstarten. %1")
                                       .arg(m_office.output())
                                       .trimmed());
        if (deadline.hasExpired())
            throw SpreadsheetError(
                QCoreApplication::translate("CalcEngine", "LibreOffice svarte ikke innen %1 sekunder etter oppstarten.")
                    .arg(seconds));
    }
}

// One try at the office's desktop, over a bridge of our own, so that we can end the bridge.
bool CalcEngine::reachDesktop(const Reference<connection::XConnector> &connector,
                              const Reference<bridge::XBridgeFactory2> &bridges, const rtl::OUString &office)
{
    try {
        m_bridge = bridges->createBridge(rtl::OUString(), rtl::OUString::createFromAscii("urp"),
                                         connector->connect(office), nullptr);
        const Reference<uno::XComponentContext> remote(
            m_bridge->getInstance(rtl::OUString::createFromAscii("StarOffice.ComponentContext")), UNO_QUERY_THROW);
        m_desktop = frame::Desktop::create(remote);
        return true;
    } catch (const uno::Exception &) {
        // Not listening yet: the office takes a second or two to start.
        disposeBridge();
        return false;
    }
}

void CalcEngine::openTemplate(const QString &path)
{
    close();
    const QString failure = QCoreApplication::translate("CalcEngine", "Kan ikke åpne malen %1.").arg(path);
    const Reference<lang::XComponent> component =
        guarded(failure, QCoreApplication::translate("CalcEngine", "Finnes den, og er den et regneark?"), [&] {
            const beans::PropertyValue arguments[] = {
                property("Hidden", uno::Any(true)),
                // A copy, untitled, as a template opens; "ReadOnly" would refuse our writes.
                property("AsTemplate", uno::Any(true)),
                // The template comes from outside: nothing in it runs or fetches anything.
                property("MacroExecutionMode", uno::Any(document::MacroExecMode::NEVER_EXECUTE)),
                property("UpdateDocMode", uno::Any(document::UpdateDocMode::NO_UPDATE)),
            };
            return Reference<frame::XComponentLoader>(m_desktop, UNO_QUERY_THROW)
                ->loadComponentFromURL(fileUrl(path), rtl::OUString::createFromAscii("_blank"), 0,
                                       uno::Sequence<beans::PropertyValue>(arguments, std::size(arguments)));
        });
    if (!component.is())
        throw SpreadsheetError(failure);
    m_document.set(component, UNO_QUERY);
    if (!m_document.is()) {
        if (const Reference<util::XCloseable> closeable{component, UNO_QUERY}; closeable.is())
            closeable->close(true);
        throw SpreadsheetError(failure + QCoreApplication::translate("CalcEngine", " Den er ikke et regneark."));
    }
}

void CalcEngine::saveAs(const QString &path)
{
    if (!m_document.is())
        throw SpreadsheetError(
            QCoreApplication::translate("CalcEngine", "Kan ikke lagre fila %1: ingen mal er åpnet.").arg(path));
    const QString failure = QCoreApplication::translate("CalcEngine", "Kan ikke lagre fila %1.").arg(path);
    const rtl::OUString filter = filterFor(path);
    guarded(failure, QCoreApplication::translate("CalcEngine", "Er mappa skrivebeskyttet, eller disken full?"), [&] {
        writePending();
        const beans::PropertyValue arguments[] = {
            property("FilterName", uno::Any(filter)),
            property("Overwrite", uno::Any(false)),
        };
        Reference<frame::XStorable>(m_document, UNO_QUERY_THROW)
            ->storeToURL(fileUrl(path), uno::Sequence<beans::PropertyValue>(arguments, std::size(arguments)));
    });
    if (!QFileInfo(path).isFile())
        throw SpreadsheetError(failure);
}

void CalcEngine::close()
{
    m_pending.clear();
    if (!m_document.is())
        return;
    try {
        if (const Reference<util::XCloseable> closeable{m_document, UNO_QUERY}; closeable.is())
            closeable->close(true);
    } catch (const uno::Exception &) {
        // A copy that will not close is left to the office, which ends with the export.
    }
    m_document.clear();
}

// Each run of neighbouring columns is one block, from its first to its last written row.
void CalcEngine::writePending()
{
    if (m_pending.empty())
        return;
    const Reference<container::XIndexAccess> sheets(m_document->getSheets(), UNO_QUERY_THROW);
    const Reference<sheet::XSpreadsheet> sheet(sheets->getByIndex(0), UNO_QUERY_THROW);
    std::set<int> columns;
    for (const auto &[cell, value] : m_pending)
        columns.insert(cell.second);
    for (auto column = columns.begin(); column != columns.end();) {
        const int first = *column;
        int last = first;
        while (++column != columns.end() && *column == last + 1)
            last = *column;
        writeBlock(sheet, first, last);
    }
    m_pending.clear();
}

// A block write replaces every cell of its rectangle: the template's cells in it are read first
// and written back unchanged. Formulas and notes would not survive that, so a block holding any
// is written cell by cell instead.
void CalcEngine::writeBlock(const Reference<sheet::XSpreadsheet> &sheet, int firstColumn, int lastColumn)
{
    int firstRow = INT_MAX, lastRow = 0;
    for (const auto &[cell, value] : m_pending)
        if (cell.second >= firstColumn && cell.second <= lastColumn) {
            firstRow = std::min(firstRow, cell.first);
            lastRow = std::max(lastRow, cell.first);
        }
    const Reference<table::XCellRange> range =
        sheet->getCellRangeByPosition(firstColumn - 1, firstRow - 1, lastColumn - 1, lastRow - 1);
    const Reference<sheet::XSheetCellRanges> special =
        Reference<sheet::XCellRangesQuery>(range, UNO_QUERY_THROW)
            ->queryContentCells(sheet::CellFlags::FORMULA | sheet::CellFlags::ANNOTATION);
    const bool plainValues = !special.is() || special->getCount() == 0;

    const Reference<sheet::XCellRangeData> data(range, UNO_QUERY_THROW);
    uno::Sequence<uno::Sequence<uno::Any>> block;
    if (plainValues)
        block = data->getDataArray();
    for (const auto &[cell, value] : m_pending) {
        const auto [row, column] = cell;
        if (column < firstColumn || column > lastColumn)
            continue;
        if (plainValues) {
            block.getArray()[row - firstRow].getArray()[column - firstColumn] = value;
            continue;
        }
        const Reference<table::XCell> target = sheet->getCellByPosition(column - 1, row - 1);
        double number = 0;
        if (value >>= number)
            target->setValue(number);
        else
            Reference<text::XText>(target, UNO_QUERY_THROW)->setString(value.get<rtl::OUString>());
    }
    if (plainValues)
        data->setDataArray(block);
}

} // namespace

} // namespace lirvenda

extern "C" Q_DECL_EXPORT lirvenda::SpreadsheetEngine *lirvenda_start_calc_engine(
    const lirvenda::OfficeSettings &settings)
{
    return new lirvenda::CalcEngine(settings);
}
