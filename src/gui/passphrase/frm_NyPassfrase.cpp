#include "gui/passphrase/frm_NyPassfrase.h"

#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "core/store/StoreKey.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

QLineEdit *hiddenEntry(QWidget *parent, const QString &name)
{
    auto *entry = named(new QLineEdit(parent), name);
    entry->setEchoMode(QLineEdit::Password);
    entry->setMinimumWidth(240);
    return entry;
}

} // namespace

frm_NyPassfrase::frm_NyPassfrase(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      lblForklaring(named(new QLabel(tr("Med egen passfrase kan bare den som kan passfrasen lese "
                                        "dagboka. Glemmer du passfrasen, er hele dagboka tapt: ingen kan "
                                        "åpne den, heller ikke med en sikkerhetskopi."),
                                     this),
                          QStringLiteral("lblForklaring"))),
      lblNy(named(new QLabel(tr("Ny passfrase:"), this), QStringLiteral("lblNy"))),
      txtNy(hiddenEntry(this, QStringLiteral("txtNy"))),
      lblGjenta(named(new QLabel(tr("Gjenta:"), this), QStringLiteral("lblGjenta"))),
      txtGjenta(hiddenEntry(this, QStringLiteral("txtGjenta"))),
      chkHusk(named(new QCheckBox(tr("Husk i nøkkelringen"), this), QStringLiteral("chkHusk"))),
      cmdLagre(dialogButton(this, QStringLiteral("cmdLagre"), tr("Lagre"))),
      cmdFjern(dialogButton(this, QStringLiteral("cmdFjern"), tr("Fjern passfrasen"))),
      cmdAvbryt(dialogButton(this, QStringLiteral("cmdAvbryt"), tr("Avbryt")))
{
    setObjectName(QStringLiteral("frm_NyPassfrase"));
    setWindowTitle(tr("Passfrase for dagboka"));
    cmdFjern->setEnabled(hasOwnPassphrase(program.mainConnection().key()));
    layOut();
    connect(cmdLagre, &QPushButton::clicked, this, &frm_NyPassfrase::cmdLagre_Click);
    connect(cmdFjern, &QPushButton::clicked, this, &frm_NyPassfrase::cmdFjern_Click);
    connect(cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_NyPassfrase::layOut()
{
    lblForklaring->setWordWrap(true);
    auto *entries = new QFormLayout;
    entries->addRow(lblNy, txtNy);
    entries->addRow(lblGjenta, txtGjenta);
    entries->addRow(QString(), chkHusk);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblForklaring);
    layout->addLayout(entries);
    layout->addLayout(buttonRow({cmdFjern}, {cmdLagre, cmdAvbryt}));
}

void frm_NyPassfrase::cmdLagre_Click()
{
    if (txtNy->text().isEmpty())
        return prompter().exclamation(tr("Skriv den nye passfrasen i begge feltene."));
    if (txtNy->text() != txtGjenta->text())
        return prompter().exclamation(tr("De to passfrasene er ulike. Skriv den samme i begge feltene."));
    SetPassphrase(txtNy->text(), chkHusk->isChecked());
}

void frm_NyPassfrase::cmdFjern_Click()
{
    if (prompter().askYesNo(tr("Fjerne dagbokas egen passfrase? Da kan alle som har fila og "
                               "programmet, lese dagboka.")))
        SetPassphrase({}, false);
}

void frm_NyPassfrase::SetPassphrase(const QString &passphrase, bool remember)
{
    bool keyRingDone = true;
    if (!succeeds([&] { keyRingDone = setStorePassphrase(m_program, passphrase, remember); }))
        return;
    prompter().information(passphrase.isEmpty() ? tr("Dagboka har ikke lenger egen passfrase.")
                                                : tr("Dagboka har fått ny passfrase."));
    if (!keyRingDone)
        prompter().exclamation(tr("Nøkkelringen kunne ikke oppdateres. Lirvenda spør etter passfrasen "
                                  "når den starter."));
    accept();
}

} // namespace lirvenda
