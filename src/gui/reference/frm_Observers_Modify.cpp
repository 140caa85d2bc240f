#include "gui/reference/frm_Observers_Modify.h"

#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/ui/Colours.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace lirvenda {

frm_Observers_Modify::frm_Observers_Modify(Program &program, qint64 observerId, const ObserverFields &fields,
                                           QWidget *parent)
    : QDialog(parent), m_program(program),
      Frame1(named(new QGroupBox(tr("Observer data"), this), QStringLiteral("Frame1"))),
      Text1(named(new QLineEdit(Frame1), QStringLiteral("Text1"))),
      Text2(named(new QLineEdit(Frame1), QStringLiteral("Text2"))),
      Text3(named(new QLineEdit(Frame1), QStringLiteral("Text3"))),
      Text4(named(new QLineEdit(Frame1), QStringLiteral("Text4"))),
      Text5(named(new QLineEdit(Frame1), QStringLiteral("Text5"))),
      Text6(named(new QLineEdit(Frame1), QStringLiteral("Text6"))),
      Text7(named(new QLineEdit(Frame1), QStringLiteral("Text7"))),
      Text8(named(new QLineEdit(Frame1), QStringLiteral("Text8"))),
      Text10(named(new QLineEdit(Frame1), QStringLiteral("Text10"))),
      Text9(named(new QLineEdit(this), QStringLiteral("Text9"))),
      Command2(named(new QPushButton(tr("&Save"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Quit"), this), QStringLiteral("Command1"))),
      Command3(named(new QPushButton(tr("&Field periods"), this), QStringLiteral("Command3")))
{
    setObjectName(QStringLiteral("frm_Observers_Modify"));
    setWindowTitle(observerId == NewObserver ? tr("Observers (append data)") : tr("Observers (edit data)"));
    Text9->setText(QString::number(observerId));
    Text9->hide();
    Command3->setEnabled(false); // field periods are not kept

    auto *form = new QFormLayout(Frame1);
    for (const FieldBox &f : fieldBoxes()) {
        form->addRow(f.caption, f.box);
        f.box->setMinimumWidth(240);
        setColour(f.box, Colour::Yellow);
    }
    layOutFramesAndButtons(this, {Frame1}, {Command3}, {Command2, Command1});

    ShowFields(fields);
    connect(Command2, &QPushButton::clicked, this, &frm_Observers_Modify::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Observers_Modify::Command1_Click);
}

std::array<frm_Observers_Modify::FieldBox, 9> frm_Observers_Modify::fieldBoxes() const
{
    return {{{Text1, tr("First name"), &ObserverFields::firstName},
             {Text2, tr("Last name"), &ObserverFields::lastName},
             {Text3, tr("Address"), &ObserverFields::address},
             {Text4, tr("Postal Code"), &ObserverFields::postalCode},
             {Text5, tr("Country"), &ObserverFields::country},
             {Text6, tr("Telephone"), &ObserverFields::telephone},
             {Text7, tr("Birth Year"), &ObserverFields::birthYear},
             {Text8, tr("Initials"), &ObserverFields::initials},
             {Text10, tr("Ringing license"), &ObserverFields::ringingLicense}}};
}

void frm_Observers_Modify::ShowFields(const ObserverFields &fields)
{
    for (const FieldBox &f : fieldBoxes())
        f.box->setText(fields.*f.field);
}

ObserverFields frm_Observers_Modify::typedFields() const
{
    ObserverFields fields;
    for (const FieldBox &f : fieldBoxes())
        fields.*f.field = f.box->text();
    return fields;
}

QString frm_Observers_Modify::savedLastName() const { return Text2->text().trimmed(); }

void frm_Observers_Modify::Command1_Click() { reject(); }

// "&Save": a refusal or a failed write keeps the window open with everything typed.
void frm_Observers_Modify::Command2_Click()
{
    try {
        const QString refusal = saveObserver(m_program, Text9->text().toLongLong(), typedFields());
        if (!refusal.isEmpty()) {
            prompter().information(refusal);
            return;
        }
    } catch (const DatabaseError &error) {
        prompter().critical(tr("Observatøren ble ikke lagret: ") + error.message());
        return;
    }
    accept();
}

std::optional<QString> addNewObserver(Program &program, QWidget *parent)
{
    ObserverFields fresh;
    fresh.country = QStringLiteral("Norway");
    frm_Observers_Modify entry(program, NewObserver, fresh, parent);
    if (entry.exec() != QDialog::Accepted)
        return std::nullopt;
    return entry.savedLastName();
}

} // namespace lirvenda
