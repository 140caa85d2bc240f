#include "gui/exchange/frm_DarwinCore.h"

#include "gui/exchange/SaveFileDialog.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace lirvenda {

frm_DarwinCore::frm_DarwinCore(const DarwinCoreSettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings),
      Frame1(named(new QGroupBox(tr("Datasett"), this), QStringLiteral("Frame1"))),
      Text1(named(new QLineEdit(settings.datasetPrefix, Frame1), QStringLiteral("Text1"))),
      Combo1(named(new QComboBox(Frame1), QStringLiteral("Combo1"))),
      Text2(named(new QLineEdit(Frame1), QStringLiteral("Text2"))),
      Command3(dialogButton(Frame1, QStringLiteral("Command3"), tr("&Velg fil …"))),
      Command1(dialogButton(this, QStringLiteral("Command1"), tr("&Eksporter"))),
      Command2(dialogButton(this, QStringLiteral("Command2"), tr("&Avbryt")))
{
    setObjectName(QStringLiteral("frm_DarwinCore"));
    setWindowTitle(tr("Darwin Core-arkiv"));
    Combo1->addItems(licenceNames());
    Combo1->setCurrentIndex(int(settings.licence));
    Text1->setMinimumWidth(360);
    Text1->setToolTip(tr("Settes foran observasjonens ID, så occurrenceID blir unik i verden."));
    auto *fields = new QFormLayout(Frame1);
    fields->addRow(tr("Prefiks for occurrenceID"), Text1);
    fields->addRow(tr("Lisens"), Combo1);
    auto *file = new QHBoxLayout;
    file->addWidget(Text2, 1);
    file->addWidget(Command3);
    fields->addRow(tr("Fil (.zip)"), file);
    layOutFramesAndButtons(this, {Frame1}, {}, {Command1, Command2});
    Command1->setEnabled(false);
    connect(Text2, &QLineEdit::textChanged, this,
            [this](const QString &text) { Command1->setEnabled(!text.trimmed().isEmpty()); });
    connect(Command3, &QPushButton::clicked, this, &frm_DarwinCore::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

DarwinCoreSettings frm_DarwinCore::chosenSettings() const
{
    DarwinCoreSettings settings = m_settings;
    settings.datasetPrefix = Text1->text().trimmed();
    settings.licence = licenceNamed(Combo1->currentText()).value_or(settings.licence);
    return settings;
}

QString frm_DarwinCore::chosenFile() const { return QDir::fromNativeSeparators(Text2->text().trimmed()); }

// "&Velg fil …"
void frm_DarwinCore::Command3_Click()
{
    if (const std::optional<QString> path = chosenSaveFile(this, tr("Zip-arkiv (*.zip)"), QStringLiteral("zip")))
        Text2->setText(QDir::toNativeSeparators(*path));
}

} // namespace lirvenda
