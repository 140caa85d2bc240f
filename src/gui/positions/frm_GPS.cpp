#include "gui/positions/frm_GPS.h"

#include "core/positions/GpsSettings.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_GPS::frm_GPS(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), Frame1(named(new QGroupBox(tr("Com port"), this), QStringLiteral("Frame1"))),
      Combo1(named(new QComboBox(Frame1), QStringLiteral("Combo1"))),
      Frame2(named(new QGroupBox(tr("Com speed"), this), QStringLiteral("Frame2"))),
      Combo2(named(new QComboBox(Frame2), QStringLiteral("Combo2"))),
      Command2(named(new QPushButton(tr("&Save settings"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Quit"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_GPS"));
    setWindowTitle(tr("GPS communication"));
    Combo1->setEditable(true);
    Combo1->setMinimumWidth(260);
    (new QVBoxLayout(Frame1))->addWidget(Combo1);
    (new QVBoxLayout(Frame2))->addWidget(Combo2);
    layOutFramesAndButtons(this, {Frame1, Frame2}, {}, {Command2, Command1});
    connect(Command2, &QPushButton::clicked, this, &frm_GPS::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_GPS::Command1_Click);
    Form_Load();
}

void frm_GPS::Form_Load()
{
    for (int n = 1; n <= 9; ++n)
        Combo1->addItem(QString::number(n));
    Combo1->addItems(serialDevices());
    Combo1->addItem(GpsSettings::ServicePort);
    Combo1->setCurrentText(m_program.gpsPort);
    Combo2->addItems(gpsSpeeds());
    const QString speed = QString::number(m_program.gpsSpeed);
    if (Combo2->findText(speed) < 0) // a speed written by hand is kept, not changed behind the user's back
        Combo2->addItem(speed);
    Combo2->setCurrentText(speed);
}

void frm_GPS::Command1_Click() { reject(); }

// "&Save settings": a port that cannot be one is refused, and the window stays for a better one.
void frm_GPS::Command2_Click()
{
    const GpsSettings settings{Combo1->currentText().trimmed(), Combo2->currentText().toInt()};
    if (!isGpsPort(settings.port)) {
        prompter().exclamation(tr("The port must be 1 to 9, gpsd or the path of a device, such as "
                                  "/dev/ttyACM0."));
        return;
    }
    if (succeeds([&] { saveGpsSettings(m_program, settings); }))
        accept();
}

} // namespace lirvenda
