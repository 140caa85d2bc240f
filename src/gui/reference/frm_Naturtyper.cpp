#include "gui/reference/frm_Naturtyper.h"

#include "core/reference/NatureTypes.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"
#include "gui/windows/frm_Melding.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

QString numbered(const char *kind, int number) { return QLatin1String(kind) + QString::number(number); }

} // namespace

frm_Naturtyper::frm_Naturtyper(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Command2(named(new QPushButton(tr("&OK"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Avbryt"), this), QStringLiteral("Command1"))),
      m_groups(level(tr("Hovedgruppe"), 1, 5)), m_mainTypes(level(tr("Gruppe"), 2, 4)),
      m_baseTypes(level(tr("Undergruppe"), 3, 3))
{
    setObjectName(QStringLiteral("frm_Naturtyper"));
    setWindowTitle(tr("Naturtyper"));
    auto *levels = new QHBoxLayout;
    for (const Level &l : {m_groups, m_mainTypes, m_baseTypes})
        levels->addWidget(l.frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(levels);
    layout->addLayout(buttons);

    connect(m_groups.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frm_Naturtyper::List1_Click);
    connect(m_mainTypes.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frm_Naturtyper::List2_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Naturtyper::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Naturtyper::reject);
    Form_Load();
}

auto frm_Naturtyper::level(const QString &caption, int number, int resetNumber) -> Level
{
    auto *frame = named(new QGroupBox(caption, this), numbered("Frame", number));
    auto *list = named(new QListView(frame), numbered("List", number));
    auto *entries = new KeyedListModel(list);
    list->setModel(entries);
    list->setMinimumSize(300, 320);
    auto *reset = named(new QPushButton(tr("Reset"), frame), numbered("Command", resetNumber));
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    connect(reset, &QPushButton::clicked, list, &QListView::clearSelection);
    return {frame, list, entries};
}

KeyedEntry frm_Naturtyper::Level::selected() const
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? KeyedEntry() : entries->entryAt(rows.first().row());
}

void frm_Naturtyper::Level::refill(const QList<KeyedEntry> &items)
{
    list->clearSelection();
    entries->setEntries(items);
}

void frm_Naturtyper::Form_Load() { m_groups.entries->setEntries(natureTypeGroupItems(m_program)); }

// The base types of another group's main type are no choice for this group, so both lists
// below are emptied.
void frm_Naturtyper::List1_Click()
{
    const KeyedEntry group = m_groups.selected();
    if (group.text.isEmpty())
        return;
    m_baseTypes.refill({});
    m_mainTypes.refill(mainTypeItems(m_program, group.key));
}

void frm_Naturtyper::List2_Click()
{
    const KeyedEntry mainType = m_mainTypes.selected();
    if (!mainType.text.isEmpty())
        m_baseTypes.refill(baseTypeItems(m_program, mainType.key));
}

void frm_Naturtyper::Preselect(const QString &path)
{
    const QStringList ids = path.split('|', Qt::SkipEmptyParts);
    const Level *const levels[] = {&m_groups, &m_mainTypes, &m_baseTypes};
    for (int i = 0; i < ids.size() && i < 3; ++i) {
        bool isNumber = false;
        const int id = ids.at(i).trimmed().toInt(&isNumber);
        const int row = isNumber ? levels[i]->entries->rowOf(QString::number(id)) : -1;
        if (row >= 0) {
            levels[i]->list->setCurrentIndex(levels[i]->entries->index(row));
            levels[i]->list->scrollTo(levels[i]->entries->index(row));
        }
    }
}

void frm_Naturtyper::Command2_Click()
{
    const KeyedEntry group = m_groups.selected();
    if (group.text.isEmpty()) {
        showTimedMessage(tr("Ingen naturtype valgt"));
        emit natureTypeChosen({}, {});
        return;
    }
    const NatureTypeChoice choice = chosenNatureType(group, m_mainTypes.selected(), m_baseTypes.selected());
    emit natureTypeChosen(choice.caption, choice.path);
    accept();
}

} // namespace lirvenda
