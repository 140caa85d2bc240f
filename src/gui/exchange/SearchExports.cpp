#include "gui/exchange/SearchExports.h"

#include "core/exchange/DarwinCoreArchive.h"
#include "core/exchange/EbirdExport.h"
#include "core/exchange/ObservationCsv.h"
#include "core/shared/Prompter.h"
#include "gui/exchange/SaveFileDialog.h"
#include "gui/exchange/frm_DarwinCore.h"
#include "gui/ui/NamedControl.h"

#include <QDir>
#include <QHBoxLayout>

namespace lirvenda {

SearchExports::SearchExports(Program &program, std::function<ArchiveCriteria()> search, QWidget *parent)
    : QWidget(parent), m_program(program), m_search(std::move(search)),
      Command2(dialogButton(this, QStringLiteral("Command2"), tr("Til &fil"))),
      Command3(dialogButton(this, QStringLiteral("Command3"), tr("&eBird …"))),
      Command4(dialogButton(this, QStringLiteral("Command4"), tr("&Darwin Core …")))
{
    Command2->setToolTip(tr("Alle treffene (ikke bare de som vises) som CSV"));
    Command3->setToolTip(tr("Alle treffene i eBirds importformat (Record Format)"));
    Command4->setToolTip(tr("Alle treffene som Darwin Core-arkiv (.zip)"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : {Command2, Command3, Command4})
        row->addWidget(button);
    connect(Command2, &QPushButton::clicked, this, &SearchExports::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SearchExports::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SearchExports::Command4_Click);
}

// "Til &fil"
void SearchExports::Command2_Click()
{
    const ArchiveCriteria criteria = m_search();
    saveTo(tr("CSV-filer (*.csv)"), QStringLiteral("csv"),
           [&](const QString &path) { return exportObservationCsv(m_program, criteria, path); });
}

// "&eBird …"
void SearchExports::Command3_Click()
{
    const ArchiveCriteria criteria = m_search();
    saveTo(tr("CSV-filer (*.csv)"), QStringLiteral("csv"),
           [&](const QString &path) { return exportEbird(m_program, criteria, path); });
}

// "&Darwin Core …": the prefix, the licence and the file; the prefix is kept for the next time.
void SearchExports::Command4_Click()
{
    const ArchiveCriteria criteria = m_search();
    frm_DarwinCore options(defaultDarwinCoreSettings(m_program), this);
    if (options.exec() != QDialog::Accepted)
        return;
    const DarwinCoreSettings settings = options.chosenSettings();
    writeAndTell(options.chosenFile(), [&](const QString &path) {
        const qint64 written = exportDarwinCore(m_program, criteria, settings, path);
        rememberDatasetPrefix(m_program, settings.datasetPrefix);
        return written;
    });
}

void SearchExports::saveTo(const QString &filter, const QString &suffix,
                           const std::function<qint64(const QString &path)> &exportTo)
{
    if (const std::optional<QString> path = chosenSaveFile(this, filter, suffix))
        writeAndTell(*path, exportTo);
}

void SearchExports::writeAndTell(const QString &path, const std::function<qint64(const QString &path)> &exportTo)
{
    qint64 written = 0;
    setCursor(Qt::WaitCursor);
    const bool done = succeeds([&] { written = exportTo(path); });
    unsetCursor();
    if (done)
        prompter().information(tr("%1 observasjoner skrevet til %2.").arg(written).arg(QDir::toNativeSeparators(path)));
}

} // namespace lirvenda
