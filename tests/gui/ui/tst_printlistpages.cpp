#include "gui/ui/PrintListPages.h"
#include "support/TestProgram.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;
using test::pdfPageCount;

namespace {

QString entry(int number) { return QStringLiteral("Linje %1                [%1]").arg(number); }

// A list of the given number of lines, printed to a PDF file in the given number of copies.
bool print(QStringList &list, int lines, QPrinter &printer, PrintLayout &layout, const QString &file, int copies = 1)
{
    for (int i = 1; i <= lines; ++i)
        list << entry(i);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(file);
    return printListPages(QStringLiteral("Årsrapport"), list, layout, copies);
}

} // namespace

class PrintListPagesTest : public QObject {
    Q_OBJECT
private slots:
    void printsFiftyFourLinesAPage_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("copies");
        QTest::newRow("empty list") << 0 << 1 << 1;
        QTest::newRow("a full page") << 54 << 1 << 1;
        QTest::newRow("one line more") << 55 << 2 << 1;
        QTest::newRow("two full pages and one line") << 109 << 3 << 1;
        QTest::newRow("three copies, each from page 1") << 55 << 2 << 3;
    }
    void printsFiftyFourLinesAPage()
    {
        QFETCH(int, entries);
        QFETCH(int, pages);
        QFETCH(int, copies);
        test::TestProgram t(false);
        QStringList list;
        QPrinter printer;
        PrintLayout layout(printer);
        QVERIFY(print(list, entries, printer, layout, t.path("liste.pdf"), copies));
        QCOMPARE(pdfPageCount(printer.outputFileName()), pages * copies);
        QVERIFY(t.prompter().shown.isEmpty());
        // The layout is left holding the last page of the last copy.
        const int firstOnLastPage = (pages - 1) * PrintLayout::LineCount + 1;
        const int linesOnLastPage = entries - firstOnLastPage + 1;
        QCOMPARE(layout.Label2, QStringLiteral("Årsrapport"));
        QCOMPARE(layout.Label3, QStringLiteral("Page %1").arg(pages));
        QCOMPARE(layout.Label1[0], linesOnLastPage > 0 ? entry(firstOnLastPage) : QString());
        if (linesOnLastPage < PrintLayout::LineCount)
            QCOMPARE(layout.Label1[qMax(linesOnLastPage, 0)], QString());
        QVERIFY(
            QRegularExpression(QStringLiteral(R"(^Printout from Tjernvakt \(\d\d\.\d\d\.\d{4} kl\. \d\d:\d\d:\d\d\)$)"))
                .match(layout.Label4)
                .hasMatch());
    }

    void printerThatCannotStartSaysSo()
    {
        test::TestProgram t(false);
        QStringList list;
        QPrinter printer;
        PrintLayout layout(printer);
        QVERIFY(!print(list, 3, printer, layout, t.path("no-such-folder/liste.pdf")));
        QCOMPARE(t.prompter().shown.size(), 1);
        QCOMPARE(t.prompter().lastText(), QStringLiteral("A communication problem with the printer has occurred."));
    }
};

QTEST_MAIN(PrintListPagesTest)
#include "tst_printlistpages.moc"
