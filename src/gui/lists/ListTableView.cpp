#include "gui/lists/ListTableView.h"

#include "gui/ui/NamedControl.h"

#include <QHeaderView>

namespace lirvenda {

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
    const ListTable shown = shownListTable(table);
    setHeaderLabels(shown.columns);
    QList<QTreeWidgetItem *> items;
    for (qsizetype i = 0; i < shown.rows.size(); ++i) {
        auto *item = new QTreeWidgetItem(shown.rows.at(i));
        item->setData(0, Qt::UserRole, observations.value(i));
        items << item;
    }
    addTopLevelItems(items);
    header()->resizeSections(QHeaderView::ResizeToContents);
}

} // namespace lirvenda
