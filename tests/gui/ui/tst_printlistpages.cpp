#include "gui/ui/PrintListPages.h"
#include "support/TestProgram.h"

#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;

namespace {

// Page objects of the PDF; the page tree's "/Type /Pages" does not count.
int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

QString entry(int number) { return QStringLiteral("Linje %1                [%1]").arg(number); }

// A list of the given number of lines, printed to a PDF file.
bool print(QListWidget &list, int lines, QPrinter &printer, PrintLayout &layout, const QString &file)
{
    for (int i = 1; i <= lines; ++i)
        list.addItem(entry(i));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(file);
    return PrintListPages(QStringLiteral("Årsrapport"), &list, layout);
}

} // namespace

class PrintListPagesTest : public QObject {
    Q_OBJECT
private slots:
    void printsFiftyFourLinesAPage_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty list") << 0 << 1;
        QTest::newRow("a full page") << 54 << 1;
        QTest::newRow("one line more") << 55 << 2;
        QTest::newRow("two full pages and one line") << 109 << 3;
    }
    void printsFiftyFourLinesAPage()
    {
        QFETCH(int, entries);
        QFETCH(int, pages);
        test::TestProgram t(false);
        QListWidget list;
        QPrinter printer;
        PrintLayout layout(printer);
        QVERIFY(print(list, entries, printer, layout, t.path("liste.pdf")));
        QCOMPARE(pdfPageCount(printer.outputFileName()), pages);
        QVERIFY(t.prompter().shown.isEmpty());
        // The layout is left holding the last page.
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
        QListWidget list;
        QPrinter printer;
        PrintLayout layout(printer);
        QVERIFY(!print(list, 3, printer, layout, t.path("no-such-folder/liste.pdf")));
        QCOMPARE(t.prompter().shown.size(), 1);
        QCOMPARE(t.prompter().lastText(), QStringLiteral("A communication problem with the printer has occurred."));
    }
};

QTEST_MAIN(PrintListPagesTest)
#include "tst_printlistpages.moc"
