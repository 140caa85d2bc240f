#include "gui/registration/frm_Fauna.h"

#include "gui/positions/PositionLink.h"
#include "gui/ui/Colours.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace lirvenda {

// The position buttons tell the link what the user did; the window shows what the link reports.
void frm_Fauna::BuildPositionLink()
{
    m_positionLink = new PositionLink(m_program, this);
    connect(Command28, &QPushButton::clicked, this, [this] {
        Command28->setEnabled(false); // the wait for data keeps the window alive: no second attempt meanwhile
        m_positionLink->connectReceiver();
        Command28->setEnabled(!m_state.isEntering());
    });
    connect(Command17, &QPushButton::clicked, m_positionLink, &PositionLink::useReceiver);
    connect(Command36, &QPushButton::clicked, m_positionLink, &PositionLink::useMap);
    ShowPositionLink();
}

// The read-out of the last fix (hidden), "&Kontakt GPS" green while the receiver is linked, the
// button of the position's source yellow and the other neutral, and the position boxes.
void frm_Fauna::ShowPositionLink()
{
    std::array<QLineEdit *, 3> readout;
    for (int i = 0; i < int(readout.size()); ++i) {
        readout[i] = new QLineEdit(Frame1);
        readout[i]->setObjectName(QStringLiteral("Text9_%1").arg(i));
        readout[i]->hide();
    }
    connect(m_positionLink, &PositionLink::fixRead, this,
            [readout](const QString &latitude, const QString &longitude, const QString &course) {
                readout[0]->setText(latitude);
                readout[1]->setText(longitude);
                readout[2]->setText(course);
            });
    connect(m_positionLink, &PositionLink::receiverLinked, this, [this](bool linked) {
        setColour(Command28, linked ? Colour::Green : Colour::neutral());
        Command28->setText(linked ? QStringLiteral("Active GPS") : QStringLiteral("&Kontakt GPS"));
    });
    connect(m_positionLink, &PositionLink::receiverAvailable, Command17, &QWidget::setEnabled);
    connect(m_positionLink, &PositionLink::mapAvailable, Command36, &QWidget::setEnabled);
    connect(m_positionLink, &PositionLink::sourceChosen, this, [this](PositionLink::Source source) {
        setColour(Command17, source == PositionLink::Source::Receiver ? Colour::Yellow : Colour::neutral());
        setColour(Command36, source == PositionLink::Source::Map ? Colour::Yellow : Colour::neutral());
    });
    connect(m_positionLink, &PositionLink::positionTaken, this,
            [this](const QString &latitude, const QString &longitude) {
                Text7->setText(latitude);
                Text8->setText(longitude);
            });
}

} // namespace lirvenda
