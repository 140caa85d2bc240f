#pragma once

#include "core/archive/ArchiveSearch.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace lirvenda {

class Program;

// The archive's way out: every match of the search (not only the lines shown) as CSV ("Til fil"),
// in eBird's Record Format ("eBird …") or as a Darwin Core Archive ("Darwin Core …").
class SearchExports : public QWidget {
    Q_OBJECT
public:
    // search answers the criteria the window shows at the moment of a click.
    SearchExports(Program &program, std::function<ArchiveCriteria()> search, QWidget *parent);

private:
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // Writes through exportTo to a file the user names; tells how many were written.
    void saveTo(const QString &filter, const QString &suffix,
                const std::function<qint64(const QString &path)> &exportTo);
    void writeAndTell(const QString &path, const std::function<qint64(const QString &path)> &exportTo);

    Program &m_program;
    std::function<ArchiveCriteria()> m_search;
    QPushButton *Command2; // "Til &fil"
    QPushButton *Command3; // "&eBird …"
    QPushButton *Command4; // "&Darwin Core …"
};

} // namespace lirvenda
