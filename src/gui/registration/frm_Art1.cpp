#include "gui/registration/frm_Art1.h"

#include "core/registration/SpeciesSearch.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/ListProcedures.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Art1::frm_Art1(Program &program, const QString &taxonClass, QWidget *parent)
    : QDialog(parent), m_program(program), Label1(new QLabel(taxonClass, this)),
      Frame1(new QGroupBox(QStringLiteral("Artsnavn (norsk eller vitenskapelig)"), this)), Text1(new QLineEdit(Frame1)),
      Frame2(new QGroupBox(QStringLiteral("Mulige arter"), this)), List1(new QListWidget(Frame2)),
      Command1(new QPushButton(QStringLiteral("&Avbryt"), this))
{
    setObjectName(QStringLiteral("frm_Art1"));
    setWindowTitle(QStringLiteral("Valg av art"));
    for (auto [widget, name] : {std::pair<QWidget *, const char *>{Label1, "Label1"},
                                {Frame1, "Frame1"},
                                {Text1, "Text1"},
                                {Frame2, "Frame2"},
                                {List1, "List1"},
                                {Command1, "Command1"}})
        widget->setObjectName(QLatin1String(name));

    List1->setMinimumSize(440, 320);
    (new QVBoxLayout(Frame1))->addWidget(Text1);
    (new QVBoxLayout(Frame2))->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1, Frame2}, {Label1}, {Command1});

    Command1->setAutoDefault(false);
    connect(Text1, &QLineEdit::textChanged, this, &frm_Art1::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, &frm_Art1::Text1_KeyPress);
    connect(List1, &QListWidget::itemClicked, this, &frm_Art1::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Art1::reject);
    Text1->clear();
    Text1->setFocus();
}

// A search that finds nothing keeps the entries already listed.
void frm_Art1::Text1_Change(const QString &text)
{
    if (text.size() < 3)
        return;
    const QList<KeyedEntry> entries = SpeciesSearchEntries(m_program, Label1->text(), text);
    if (entries.isEmpty())
        return;
    List1->clear();
    addKeyedEntries(List1, entries);
}

// Enter picks the first entry.
void frm_Art1::Text1_KeyPress()
{
    if (List1->count() > 0)
        List1_Click(List1->item(0));
}

void frm_Art1::List1_Click(QListWidgetItem *entry)
{
    List1->setCurrentItem(entry);
    accept();
}

QString frm_Art1::pickedKey() const { return List1->currentItem() ? keyOf(List1->currentItem()) : QString(); }

QString ChooseSpecies(Program &program, const QString &taxonClass, QWidget *parent)
{
    frm_Art1 search(program, taxonClass, parent);
    return search.exec() == QDialog::Accepted ? search.pickedKey() : QString();
}

} // namespace lirvenda
