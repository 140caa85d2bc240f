#include "gui/lists/ListTableView.h"

#include "gui/ui/NamedControl.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <array>

namespace lirvenda {

namespace {

// The tables' column names and the mark of a new species stay Norwegian in the tables, as they are
// saved and written; only the window shows them in the shown language.
constexpr std::array ShownWords{QT_TRANSLATE_NOOP("ListTableView", "Ny"),
                                QT_TRANSLATE_NOOP("ListTableView", "Art"),
                                QT_TRANSLATE_NOOP("ListTableView", "Vitenskapelig navn"),
                                QT_TRANSLATE_NOOP("ListTableView", "Først sett"),
                                QT_TRANSLATE_NOOP("ListTableView", "Lokalitet"),
                                QT_TRANSLATE_NOOP("ListTableView", "Sist sett"),
                                QT_TRANSLATE_NOOP("ListTableView", "Observasjoner"),
                                QT_TRANSLATE_NOOP("ListTableView", "Individer"),
                                QT_TRANSLATE_NOOP("ListTableView", "År"),
                                QT_TRANSLATE_NOOP("ListTableView", "Dag i året"),
                                QT_TRANSLATE_NOOP("ListTableView", "Arter i året"),
                                QT_TRANSLATE_NOOP("ListTableView", "Arter totalt"),
                                QT_TRANSLATE_NOOP("ListTableView", "ny")};

QString shown(const QString &word)
{
    for (const char *known : ShownWords)
        if (word == QString::fromUtf8(known))
            return QCoreApplication::translate("ListTableView", known);
    return word;
}

QStringList shown(const QStringList &words)
{
    QStringList texts;
    for (const QString &word : words)
        texts << shown(word);
    return texts;
}

} // namespace

ListTableView::ListTableView(QWidget *parent, const QString &name) : QTreeWidget(parent)
{
    named(this, name);
    setRootIsDecorated(false);
    setUniformRowHeights(true); // a life list of many hundred rows lays out at once
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumWidth(360);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (const qint64 obsId = item->data(0, Qt::UserRole).toLongLong(); obsId > 0)
            emit observationChosen(obsId);
    });
}

void ListTableView::showTable(const ListTable &table, const QList<qint64> &observations)
{
    m_table = table;
    clear();
    setHeaderLabels(shown(table.columns));
    QList<QTreeWidgetItem *> items;
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        auto *item = new QTreeWidgetItem(table.rows.at(i));
        if (table.columns.value(0) == QLatin1String("Ny"))
            item->setText(0, shown(item->text(0)));
        item->setData(0, Qt::UserRole, observations.value(i));
        items << item;
    }
    addTopLevelItems(items);
    header()->resizeSections(QHeaderView::ResizeToContents);
}

} // namespace lirvenda
