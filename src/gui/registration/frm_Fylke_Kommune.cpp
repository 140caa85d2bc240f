#include "gui/registration/frm_Fylke_Kommune.h"

#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/KeyedListModel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Fylke_Kommune::frm_Fylke_Kommune(const QList<MunicipalityCandidate> &candidates, QWidget *parent)
    : QDialog(parent), m_candidates(new KeyedListModel(this)),
      Frame1(new QGroupBox(QStringLiteral("Mulige fylker/kommuner"), this)), List1(new QListView(Frame1)),
      Command1(new QPushButton(QStringLiteral("&Avbryt"), this))
{
    setObjectName(QStringLiteral("frm_Fylke_Kommune"));
    setWindowTitle(QStringLiteral("Fylker/kommuner"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    for (const MunicipalityCandidate &candidate : candidates)
        m_candidates->append(candidate.pickerEntry());
    List1->setModel(m_candidates);
    List1->setMinimumSize(List1->fontMetrics().averageCharWidth() * 51, List1->fontMetrics().height() * 9);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    // Enter on an entry picks it too, for the keyboard.
    connect(List1, &QListView::clicked, this, &frm_Fylke_Kommune::List1_Click);
    connect(List1, &QListView::activated, this, &frm_Fylke_Kommune::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Fylke_Kommune::reject);
}

void frm_Fylke_Kommune::List1_Click(const QModelIndex &entry)
{
    m_pickedCode = m_candidates->keyAt(entry.row());
    accept();
}

QString suggestMunicipality(Program &program, const QString &latitude, const QString &longitude, QWidget *parent)
{
    const QList<MunicipalityCandidate> candidates = municipalitiesAt(program, latitude, longitude);
    if (candidates.isEmpty()) {
        prompter().information(QStringLiteral("Finner ingen kommuner som passer"));
        return {};
    }
    frm_Fylke_Kommune picker(candidates, parent);
    return picker.exec() == QDialog::Accepted ? picker.pickedCode() : QString();
}

} // namespace lirvenda
