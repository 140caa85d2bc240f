#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QPainter;
class QPrinter;

namespace lirvenda {

// The print layout: a title, a page line, a heading and 54 lines, printed as one page on each
// PrintForm. The pages up to EndDoc make one job on the printer.
class PrintLayout {
public:
    static constexpr int LineCount = 54;

    explicit PrintLayout(QPrinter &printer);
    ~PrintLayout();

    PrintLayout(const PrintLayout &) = delete;
    PrintLayout &operator=(const PrintLayout &) = delete;

    QString Label2; // the title
    QString Label3; // "Page n"
    QString Label4; // the heading with the time of printing
    std::array<QString, LineCount> Label1;

    bool PrintForm(); // false when the printer refuses the page
    bool EndDoc();    // false when the job could not be finished

private:
    void paintPage();

    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter; // open from the first page to EndDoc
};

// Prints the lines page by page through the layout, as one job holding the given number
// of copies, each from "Page 1". A printer failure is reported in a message and answers false; the
// pages printed before it stay printed.
bool printListPages(const QString &title, const QStringList &lines, PrintLayout &layout, int copies = 1);

// The same on the printer, as many copies as its copy count asks for, all in the one job.
bool printListCopies(QPrinter &printer, const QString &title, const QStringList &lines);

} // namespace lirvenda
