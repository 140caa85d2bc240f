#include "gui/windows/frmAbout.h"

#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/backup/frm_Sikkerhetskopier.h"
#include "gui/passphrase/frm_NyPassfrase.h"
#include "gui/ui/NamedControl.h"
#include "gui/ui/ProgramPicture.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace lirvenda {

ViewerLauncher ViewerLauncher::system()
{
    return {[](const QString &name) { return QStandardPaths::findExecutable(name); },
            [](const QString &path) { return QProcess::startDetached(path, {}); }};
}

frmAbout::frmAbout(Program &program, ViewerLauncher launcher, QWidget *parent)
    : QDialog(parent), Image1(named(new QLabel(this), QStringLiteral("Image1"))),
      lblTitle(named(new QLabel(tr("LirvendaProgrammet"), this), QStringLiteral("lblTitle"))),
      lblVersion(named(new QLabel(tr("Versjon: %1").arg(program.versionText), this), QStringLiteral("lblVersion"))),
      lblDescription(named(new QLabel(tr("Lirvendaprogrammet er laget for enkel registrering av "
                                         "artsobservasjoner. Registreringene kan enkelt eksporteres til "
                                         "et format som kan overføres til den nasjonale artsdatabanken."),
                                      this),
                           QStringLiteral("lblDescription"))),
      lblDisclaimer(named(new QLabel(tr("Lirvenda-prosjektet"), this), QStringLiteral("lblDisclaimer"))),
      cmdOK(named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"))),
      cmdSysInfo(named(new QPushButton(tr("&System Info..."), this), QStringLiteral("cmdSysInfo"))),
      cmdPassfrase(named(new QPushButton(tr("&Passfrase..."), this), QStringLiteral("cmdPassfrase"))),
      cmdSikkerhetskopier(
          named(new QPushButton(tr("Sikkerhets&kopier..."), this), QStringLiteral("cmdSikkerhetskopier"))),
      m_program(program), m_launcher(std::move(launcher))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Om Lirvendaprogrammet"));
    Image1->setPixmap(programPicture(96));
    QFont title = lblTitle->font();
    title.setPointSize(title.pointSize() * 3 / 2);
    title.setBold(true);
    lblTitle->setFont(title);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(320);
    cmdOK->setDefault(true);
    layOut();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(cmdPassfrase, &QPushButton::clicked, this, &frmAbout::cmdPassfrase_Click);
    connect(cmdSikkerhetskopier, &QPushButton::clicked, this, &frmAbout::cmdSikkerhetskopier_Click);
}

// The picture beside the title, the version and the description; the maker's line and the buttons
// below them.
void frmAbout::layOut()
{
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblDisclaimer, 1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdPassfrase);
    buttons->addWidget(cmdSikkerhetskopier);
    auto *layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click()
{
    if (!StartSysInfo())
        prompter().information(tr("System Information Is Unavailable At This Time"));
}

void frmAbout::cmdPassfrase_Click()
{
    frm_NyPassfrase window(m_program, this);
    window.exec();
}

void frmAbout::cmdSikkerhetskopier_Click()
{
    frm_Sikkerhetskopier window(m_program, this);
    window.exec();
}

bool frmAbout::StartSysInfo() const
{
    for (const QString &name : SystemInfoViewers) {
        const QString path = m_launcher.find(name);
        if (!path.isEmpty())
            return m_launcher.start(path);
    }
    return false;
}

} // namespace lirvenda
