#include "gui/registration/frm_Lokalitet.h"

#include "gui/ui/KeyedListModel.h"

#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Lokalitet::frm_Lokalitet(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), m_lines(new KeyedListModel(this)),
      Frame1(new QGroupBox(QStringLiteral("Lokaliteter"), this)), List1(new QListView(Frame1)),
      Command1(new QPushButton(QStringLiteral("&Avbryt"), this))
{
    setObjectName(QStringLiteral("frm_Lokalitet"));
    setWindowTitle(QStringLiteral("Lagrede lokaliteter"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    List1->setModel(m_lines);
    List1->setMinimumSize(List1->fontMetrics().averageCharWidth() * 88, List1->fontMetrics().height() * 18);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    connect(List1, &QListView::clicked, this, &frm_Lokalitet::List1_Click);
    connect(List1, &QListView::activated, this, &frm_Lokalitet::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Lokalitet::Command1_Click);
    Form_Load();
}

void frm_Lokalitet::Form_Load()
{
    m_places = usedPlaces(m_program);
    for (int i = 0; i < m_places.size(); ++i)
        m_lines->append({usedPlaceLine(m_program, m_places[i]), QString::number(i)});
}

// The place is taken from what was stored, not read back from the shown names: a name can be
// part of another name, and only the code tells them apart.
void frm_Lokalitet::List1_Click(const QModelIndex &entry)
{
    m_picked = m_places.value(m_lines->keyAt(entry.row()).toInt());
    accept();
}

void frm_Lokalitet::Command1_Click() { reject(); }

} // namespace lirvenda
