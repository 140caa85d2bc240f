#include "gui/registration/frm_Fylke_Kommune.h"

#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/ListProcedures.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_Fylke_Kommune::frm_Fylke_Kommune(const QList<MunicipalityCandidate> &candidates, QWidget *parent)
    : QDialog(parent), Frame1(new QGroupBox(QStringLiteral("Mulige fylker/kommuner"), this)),
      List1(new QListWidget(Frame1)), Command1(new QPushButton(QStringLiteral("&Avbryt"), this))
{
    setObjectName(QStringLiteral("frm_Fylke_Kommune"));
    setWindowTitle(QStringLiteral("Fylker/kommuner"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    for (const MunicipalityCandidate &candidate : candidates)
        addKeyedEntry(List1, candidate.pickerEntry());
    List1->setMinimumSize(360, 160);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    // Enter on an entry picks it too, for the keyboard.
    connect(List1, &QListWidget::itemClicked, this, &frm_Fylke_Kommune::List1_Click);
    connect(List1, &QListWidget::itemActivated, this, &frm_Fylke_Kommune::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Fylke_Kommune::reject);
}

void frm_Fylke_Kommune::List1_Click(const QListWidgetItem *entry)
{
    m_pickedCode = keyOf(entry);
    accept();
}

QString SuggestMunicipality(Program &program, const QString &latitude, const QString &longitude, QWidget *parent)
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
