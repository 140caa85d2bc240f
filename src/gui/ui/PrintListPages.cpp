#include "gui/ui/PrintListPages.h"

#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

namespace lirvenda {

namespace {

// Rows on a page: the title with the page line, the heading, a blank row, then the lines.
constexpr int FirstLineRow = 3;
constexpr int RowCount = FirstLineRow + PrintLayout::LineCount;

void startPage(PrintLayout &layout, const QString &title, int page)
{
    const QDateTime now = QDateTime::currentDateTime();
    layout.Label2 = title;
    layout.Label3 = QCoreApplication::translate("PrintListPages", "Page %1").arg(page);
    layout.Label4 = QCoreApplication::translate("PrintListPages", "Printout from Tjernvakt (%1 kl. %2)")
                        .arg(dateBoxText(now.date()), now.toString(QStringLiteral("HH:mm:ss")));
    layout.Label1.fill(QString());
}

bool printPages(const QString &title, const QStringList &lines, PrintLayout &layout)
{
    int page = 1;
    startPage(layout, title, page);
    int line = 0;
    for (const QString &text : lines) {
        if (line == PrintLayout::LineCount) {
            if (!layout.PrintForm())
                return false;
            startPage(layout, title, ++page);
            line = 0;
        }
        layout.Label1[line++] = text;
    }
    return layout.PrintForm();
}

} // namespace

PrintLayout::PrintLayout(QPrinter &printer) : m_printer(printer) {}

PrintLayout::~PrintLayout() { EndDoc(); }

bool PrintLayout::PrintForm()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_printer)) {
            m_painter.reset();
            return false;
        }
    } else if (!m_printer.newPage()) {
        return false;
    }
    paintPage();
    return true;
}

bool PrintLayout::EndDoc()
{
    if (!m_painter)
        return true;
    const bool ended = m_painter->end();
    m_painter.reset();
    return ended;
}

// The rows share the page's height evenly, whatever the paper and the printer's resolution, and
// a fixed-pitch font keeps the blank runs of the list entries lined up.
void PrintLayout::paintPage()
{
    const QRect area = m_painter->window();
    const int rowHeight = area.height() / RowCount;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(rowHeight * 3 / 4);
    const auto row = [&](int index) {
        return QRect(area.left(), area.top() + index * rowHeight, area.width(), rowHeight);
    };
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;

    QFont bold = font;
    bold.setBold(true);
    m_painter->setFont(bold);
    m_painter->drawText(row(0), flags, Label2);
    m_painter->setFont(font);
    m_painter->drawText(row(0), Qt::AlignRight | Qt::AlignVCenter, Label3);
    m_painter->drawText(row(1), flags, Label4);
    for (int i = 0; i < LineCount; ++i)
        m_painter->drawText(row(FirstLineRow + i), flags, Label1[i]);
}

bool printListPages(const QString &title, const QStringList &lines, PrintLayout &layout, int copies)
{
    bool printed = true;
    for (int copy = 0; copy < copies && printed; ++copy)
        printed = printPages(title, lines, layout);
    const bool ended = layout.EndDoc();
    if (printed && ended)
        return true;
    prompter().information(
        QCoreApplication::translate("PrintListPages", "A communication problem with the printer has occurred."));
    return false;
}

bool printListCopies(QPrinter &printer, const QString &title, const QStringList &lines)
{
    const int copies = printer.copyCount();
    printer.setCopyCount(1); // the copies are in the job; the printer must not repeat them
    PrintLayout layout(printer);
    return printListPages(title, lines, layout, copies);
}

} // namespace lirvenda
