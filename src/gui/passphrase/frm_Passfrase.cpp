#include "gui/passphrase/frm_Passfrase.h"

#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

// The question the store asks, wrapped to the window's width.
QLabel *questionLabel(const QString &question, QWidget *parent)
{
    auto *label = new QLabel(question, parent);
    label->setObjectName(QStringLiteral("lblSporsmal"));
    label->setWordWrap(true);
    return label;
}

} // namespace

frm_Passfrase::frm_Passfrase(const QString &question, QWidget *parent)
    : QDialog(parent), lblSporsmal(questionLabel(question, this)),
      txtPassfrase(named(new QLineEdit(this), QStringLiteral("txtPassfrase"))),
      cmdOK(named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"))),
      cmdAvbryt(dialogButton(this, QStringLiteral("cmdAvbryt"), tr("Avbryt")))
{
    setObjectName(QStringLiteral("frm_Passfrase"));
    setWindowTitle(tr("Lirvenda"));
    txtPassfrase->setEchoMode(QLineEdit::Password);
    txtPassfrase->setMinimumWidth(260);
    cmdOK->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSporsmal);
    layout->addWidget(txtPassfrase);
    layout->addLayout(buttonRow({}, {cmdOK, cmdAvbryt}));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
}

QString frm_Passfrase::passphrase() const { return txtPassfrase->text(); }

std::optional<QString> frm_Passfrase::ask(const QString &question)
{
    frm_Passfrase window(question);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.passphrase();
}

} // namespace lirvenda
