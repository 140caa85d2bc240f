#include "support/TestProgram.h"
#include "ui/PrintListPages.h"

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
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(file.readAll())); match.hasNext(); match.next())
        ++count;
    return count;
}

QString entry(int number) { return QStringLiteral("Linje %1                [%1]").arg(number); }

void fill(QListWidget &list, int count)
{
    for (int i = 1; i <= count; ++i)
        list.addItem(entry(i));
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
        QTest::newRow("one line") << 1 << 1;
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
        fill(list, entries);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(t.path(QStringLiteral("liste.pdf")));
        PrintLayout layout(printer);

        QVERIFY(PrintListPages(QStringLiteral("Årsrapport"), &list, layout));

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
        QVERIFY(QRegularExpression(QStringLiteral(R"(^Printout from Tjernvakt \(\d\d\.\d\d\.\d{4} kl\. \d\d:\d\d:\d\d\)$)"))
                    .match(layout.Label4)
                    .hasMatch());
    }

    void printerThatCannotStartSaysSo()
    {
        test::TestProgram t(false);
        QListWidget list;
        fill(list, 3);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(t.path(QStringLiteral("no-such-folder/liste.pdf")));
        PrintLayout layout(printer);

        QVERIFY(!PrintListPages(QString(), &list, layout));

        QCOMPARE(t.prompter().shown.size(), 1);
        QCOMPARE(t.prompter().lastText(), QStringLiteral("A communication problem with the printer has occurred."));
        QCOMPARE(t.prompter().shown.last().icon, Prompter::Icon::Information);
    }
};

QTEST_MAIN(PrintListPagesTest)
#include "tst_printlistpages.moc"
