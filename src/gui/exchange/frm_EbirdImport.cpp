#include "gui/exchange/frm_EbirdImport.h"

#include "core/exchange/AtlasImport.h"
#include "core/group/GroupSave.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lirvenda {

frm_EbirdImport::frm_EbirdImport(Program &program, std::function<void()> imported, QWidget *parent)
    : QDialog(parent), m_program(program), m_imported(std::move(imported)),
      Frame1(named(new QGroupBox(tr("Fil og observatør"), this), QStringLiteral("Frame1"))),
      Text1(named(new QLineEdit(Frame1), QStringLiteral("Text1"))),
      Command1(dialogButton(Frame1, QStringLiteral("Command1"), tr("&Velg fil …"))),
      Combo1(named(new QComboBox(Frame1), QStringLiteral("Combo1"))),
      Frame2(named(new QGroupBox(tr("Hva importen gjør"), this), QStringLiteral("Frame2"))),
      Text2(named(new QPlainTextEdit(Frame2), QStringLiteral("Text2"))),
      Command2(dialogButton(this, QStringLiteral("Command2"), tr("&Importer"))),
      Command3(dialogButton(this, QStringLiteral("Command3"), tr("&Lukk")))
{
    setObjectName(QStringLiteral("frm_EbirdImport"));
    setWindowTitle(tr("Importer fra eBird"));
    Text2->setReadOnly(true);
    Text2->setPlaceholderText(tr("Velg fila «My eBird Data» (CSV) som eBird lar deg laste ned."));
    Command2->setEnabled(false);
    FillObservers();
    LayOut();
    connect(Command1, &QPushButton::clicked, this, &frm_EbirdImport::Command1_Click);
    connect(Text1, &QLineEdit::editingFinished, this, &frm_EbirdImport::ShowPreview);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &frm_EbirdImport::ShowPreview);
    connect(Command2, &QPushButton::clicked, this, &frm_EbirdImport::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
}

// Every observer of the register, without the key the group windows show out of sight; the main
// observer of the last registration is chosen.
void frm_EbirdImport::FillObservers()
{
    for (const KeyedEntry &observer : groupObserverEntries(m_program))
        Combo1->addItem(observer.text.left(observer.text.lastIndexOf(QLatin1Char('['))).trimmed(), observer.key);
    if (const std::optional<qint64> main = defaultImportObserver(m_program))
        Combo1->setCurrentIndex(std::max(0, Combo1->findData(QString::number(*main))));
}

void frm_EbirdImport::LayOut()
{
    auto *file = new QHBoxLayout;
    file->addWidget(Text1, 1);
    file->addWidget(Command1);
    auto *fields = new QFormLayout(Frame1);
    fields->addRow(tr("Fil"), file);
    fields->addRow(tr("Observatør"), Combo1);
    Text1->setMinimumWidth(360);
    auto *preview = new QVBoxLayout(Frame2);
    preview->addWidget(Text2);
    Text2->setMinimumHeight(200);
    layOutFramesAndButtons(this, {Frame1, Frame2}, {}, {Command2, Command3});
}

std::optional<qint64> frm_EbirdImport::chosenObserver() const
{
    bool isNumber = false;
    const qint64 id = Combo1->currentData().toString().toLongLong(&isNumber);
    return isNumber ? std::optional<qint64>(id) : std::nullopt;
}

// "&Velg fil …"
void frm_EbirdImport::Command1_Click()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Velg fila fra eBird"), QString(),
                                                      tr("CSV-filer (*.csv *.CSV);;Alle filer (*)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    Text1->setText(QDir::toNativeSeparators(path));
    ShowPreview();
}

// What the import of the chosen file would do; "&Importer" is offered when it adds rows.
void frm_EbirdImport::ShowPreview()
{
    m_plan.reset();
    Command2->setEnabled(false);
    const std::optional<qint64> observer = chosenObserver();
    if (Text1->text().trimmed().isEmpty())
        return Text2->clear();
    if (!observer)
        return Text2->setPlainText(tr("Velg en observatør. Observatørene legges inn under «Observatører»."));
    try {
        m_plan = planEbirdImport(m_program, QDir::fromNativeSeparators(Text1->text().trimmed()), *observer);
        Text2->setPlainText(m_plan->report().join(QLatin1Char('\n')));
        Command2->setEnabled(!m_plan->rows.isEmpty());
    } catch (const EbirdImportError &error) {
        Text2->setPlainText(error.message());
    }
}

// "&Importer": a backup copy first, then every planned row in one transaction.
void frm_EbirdImport::Command2_Click()
{
    if (!m_plan)
        return;
    QString backup;
    int added = 0;
    if (!succeeds([&] {
            backup = backUpObservations(m_program);
            added = importEbird(m_program, *m_plan);
        }))
        return;
    m_imported();
    prompter().message(tr("Ferdig!\n\n%1 observasjoner er importert.\nSikkerhetskopi: %2")
                           .arg(added)
                           .arg(QDir::toNativeSeparators(backup)),
                       Prompter::Icon::None);
    accept();
}

} // namespace lirvenda
