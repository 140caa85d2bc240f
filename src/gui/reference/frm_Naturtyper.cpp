#include "gui/reference/frm_Naturtyper.h"

#include "core/reference/NatureTypes.h"
#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"
#include "gui/windows/frm_Melding.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

// A level of the picker: its list over its "Reset" button.
QGroupBox *level(QWidget *parent, const QString &name, const QString &caption, QListWidget *&list, QPushButton *&reset,
                 const QString &listName, const QString &resetName)
{
    auto *frame = named(new QGroupBox(caption, parent), name);
    list = named(new QListWidget(frame), listName);
    list->setMinimumSize(300, 320);
    reset = named(new QPushButton(QStringLiteral("Reset"), frame), resetName);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    QObject::connect(reset, &QPushButton::clicked, list, &QListWidget::clearSelection);
    return frame;
}

// The selected entry of a level; the empty entry when none is selected.
KeyedEntry selectedEntry(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? KeyedEntry() : entryOf(selected.first());
}

void refill(QListWidget *list, const QList<KeyedEntry> &items)
{
    list->clearSelection();
    list->clear();
    addKeyedEntries(list, items);
}

} // namespace

frm_Naturtyper::frm_Naturtyper(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Command2(named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(QStringLiteral("&Avbryt"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Naturtyper"));
    setWindowTitle(QStringLiteral("Naturtyper"));
    Frame1 = level(this, QStringLiteral("Frame1"), QStringLiteral("Hovedgruppe"), List1, Command5,
                   QStringLiteral("List1"), QStringLiteral("Command5"));
    Frame2 = level(this, QStringLiteral("Frame2"), QStringLiteral("Gruppe"), List2, Command4, QStringLiteral("List2"),
                   QStringLiteral("Command4"));
    Frame3 = level(this, QStringLiteral("Frame3"), QStringLiteral("Undergruppe"), List3, Command3,
                   QStringLiteral("List3"), QStringLiteral("Command3"));

    auto *levels = new QHBoxLayout;
    for (QGroupBox *frame : {Frame1, Frame2, Frame3})
        levels->addWidget(frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(levels);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::itemSelectionChanged, this, &frm_Naturtyper::List1_Click);
    connect(List2, &QListWidget::itemSelectionChanged, this, &frm_Naturtyper::List2_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Naturtyper::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Naturtyper::reject);
    Form_Load();
}

void frm_Naturtyper::Form_Load() { addKeyedEntries(List1, NatureTypeGroupItems(m_program)); }

// The base types of another group's main type are no choice for this group, so both lists
// below are emptied.
void frm_Naturtyper::List1_Click()
{
    const KeyedEntry group = selectedEntry(List1);
    if (group.text.isEmpty())
        return;
    refill(List3, {});
    refill(List2, MainTypeItems(m_program, group.key));
}

void frm_Naturtyper::List2_Click()
{
    const KeyedEntry mainType = selectedEntry(List2);
    if (!mainType.text.isEmpty())
        refill(List3, BaseTypeItems(m_program, mainType.key));
}

void frm_Naturtyper::Preselect(const QString &path)
{
    const QStringList ids = path.split('|', Qt::SkipEmptyParts);
    QListWidget *const levels[] = {List1, List2, List3};
    for (int i = 0; i < ids.size() && i < 3; ++i) {
        bool isNumber = false;
        const int id = ids.at(i).trimmed().toInt(&isNumber);
        const int row = isNumber ? rowOfKey(levels[i], QString::number(id)) : -1;
        if (row >= 0) {
            levels[i]->setCurrentRow(row);
            levels[i]->scrollToItem(levels[i]->item(row));
        }
    }
}

void frm_Naturtyper::Command2_Click()
{
    const KeyedEntry group = selectedEntry(List1);
    if (group.text.isEmpty()) {
        ShowTimedMessage(QStringLiteral("Ingen naturtype valgt"));
        emit natureTypeChosen({}, {});
        return;
    }
    const NatureTypeChoice choice = ChosenNatureType(group, selectedEntry(List2), selectedEntry(List3));
    emit natureTypeChosen(choice.caption, choice.path);
    accept();
}

} // namespace lirvenda
