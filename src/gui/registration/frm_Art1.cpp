#include "gui/registration/frm_Art1.h"

#include "core/species/SpeciesSearch.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/KeyedListModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Art1::frm_Art1(Program &program, const QString &taxonClass, QWidget *parent)
    : QDialog(parent), m_program(program), Label1(new QLabel(taxonClass, this)),
      Frame1(new QGroupBox(tr("Artsnavn (norsk eller vitenskapelig)"), this)), Text1(new QLineEdit(Frame1)),
      Frame2(new QGroupBox(tr("Mulige arter"), this)), m_matches(new KeyedListModel(this)),
      List1(new QListView(Frame2)), Command1(new QPushButton(tr("&Avbryt"), this))
{
    setObjectName(QStringLiteral("frm_Art1"));
    setWindowTitle(tr("Valg av art"));
    for (auto [widget, name] : {std::pair<QWidget *, const char *>{Label1, "Label1"},
                                {Frame1, "Frame1"},
                                {Text1, "Text1"},
                                {Frame2, "Frame2"},
                                {List1, "List1"},
                                {Command1, "Command1"}})
        widget->setObjectName(QLatin1String(name));

    List1->setModel(m_matches);
    // Room for a long name at whatever font size.
    List1->setMinimumSize(List1->fontMetrics().averageCharWidth() * 63, List1->fontMetrics().height() * 19);
    (new QVBoxLayout(Frame1))->addWidget(Text1);
    (new QVBoxLayout(Frame2))->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1, Frame2}, {Label1}, {Command1});

    Command1->setAutoDefault(false);
    connect(Text1, &QLineEdit::textChanged, this, &frm_Art1::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, &frm_Art1::Text1_KeyPress);
    connect(List1, &QListView::clicked, this, &frm_Art1::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Art1::reject);
    Text1->clear();
    Text1->setFocus();
}

// A search that finds nothing keeps the entries already listed.
void frm_Art1::Text1_Change(const QString &text)
{
    if (text.size() < 3)
        return;
    const QList<KeyedEntry> entries = speciesSearchEntries(m_program, Label1->text(), text);
    if (entries.isEmpty())
        return;
    m_matches->setEntries(entries);
}

// Enter picks the first entry.
void frm_Art1::Text1_KeyPress()
{
    if (m_matches->rowCount() > 0)
        List1_Click(m_matches->index(0));
}

void frm_Art1::List1_Click(const QModelIndex &entry)
{
    List1->setCurrentIndex(entry);
    accept();
}

QString frm_Art1::pickedKey() const { return m_matches->keyAt(List1->currentIndex().row()); }

QString chooseSpecies(Program &program, const QString &taxonClass, QWidget *parent)
{
    frm_Art1 search(program, taxonClass, parent);
    return search.exec() == QDialog::Accepted ? search.pickedKey() : QString();
}

} // namespace lirvenda
