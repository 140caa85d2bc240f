#include "gui/backup/frm_Sikkerhetskopier.h"

#include "core/backup/AutomaticBackups.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lirvenda {

frm_Sikkerhetskopier::frm_Sikkerhetskopier(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      lblForklaring(named(new QLabel(tr("Lirvenda lager selv en sikkerhetskopi av hele dagboka første gang "
                                        "programmet startes hver dag, og tar vare på de %1 siste daglige "
                                        "og %2 ukentlige kopiene. Legg dem gjerne på en annen disk eller i "
                                        "en synkronisert mappe.")
                                         .arg(DailyBackupsKept)
                                         .arg(WeeklyBackupsKept),
                                     this),
                          QStringLiteral("lblForklaring"))),
      lblMappe(named(new QLabel(tr("Mappe:"), this), QStringLiteral("lblMappe"))),
      txtMappe(named(new QLineEdit(QDir::toNativeSeparators(backupFolder(program.folder())), this),
                     QStringLiteral("txtMappe"))),
      cmdVelg(dialogButton(this, QStringLiteral("cmdVelg"), tr("Velg..."))),
      lblMiljo(
          named(new QLabel(tr("LIRVENDA_BACKUP_DIR er satt og bestemmer mappa."), this), QStringLiteral("lblMiljo"))),
      cmdOK(named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"))),
      cmdAvbryt(dialogButton(this, QStringLiteral("cmdAvbryt"), tr("Avbryt")))
{
    setObjectName(QStringLiteral("frm_Sikkerhetskopier"));
    setWindowTitle(tr("Sikkerhetskopier"));
    const bool fromEnvironment = qEnvironmentVariableIsSet("LIRVENDA_BACKUP_DIR");
    lblMiljo->setVisible(fromEnvironment);
    txtMappe->setEnabled(!fromEnvironment);
    cmdVelg->setEnabled(!fromEnvironment);
    cmdOK->setDefault(true);
    layOut();
    connect(cmdVelg, &QPushButton::clicked, this, &frm_Sikkerhetskopier::cmdVelg_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frm_Sikkerhetskopier::cmdOK_Click);
    connect(cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_Sikkerhetskopier::layOut()
{
    lblForklaring->setWordWrap(true);
    txtMappe->setMinimumWidth(320);
    auto *layout = new QGridLayout(this);
    layout->addWidget(lblForklaring, 0, 0, 1, 3);
    layout->addWidget(lblMappe, 1, 0);
    layout->addWidget(txtMappe, 1, 1);
    layout->addWidget(cmdVelg, 1, 2);
    layout->addWidget(lblMiljo, 2, 0, 1, 3);
    layout->addLayout(buttonRow({}, {cmdOK, cmdAvbryt}), 3, 0, 1, 3);
}

void frm_Sikkerhetskopier::cmdVelg_Click()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Mappe for sikkerhetskopier"), txtMappe->text());
    if (!chosen.isEmpty())
        txtMappe->setText(QDir::toNativeSeparators(chosen));
}

void frm_Sikkerhetskopier::cmdOK_Click()
{
    if (txtMappe->isEnabled() &&
        !succeeds([this] { chooseBackupFolder(m_program.folder(), QDir::fromNativeSeparators(txtMappe->text())); }))
        return;
    accept();
}

} // namespace lirvenda
