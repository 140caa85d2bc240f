#include "gui/windows/frm_Frontside.h"

#include "gui/ui/NamedControl.h"
#include "gui/ui/ProgramPicture.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace lirvenda {

frm_Frontside::frm_Frontside(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen), Image1(named(new QLabel(this), QStringLiteral("Image1"))),
      Label1(named(new QLabel(tr("LirvendaProgrammet"), this), QStringLiteral("Label1"))),
      Label9(named(new QLabel(tr("Lirvenda-prosjektet"), this), QStringLiteral("Label9"))),
      Label2(named(new QLabel(this), QStringLiteral("Label2"))),
      Timer1(named(new QTimer(this), QStringLiteral("Timer1")))
{
    setObjectName(QStringLiteral("frm_Frontside"));
    Image1->setPixmap(programPicture(96));
    Image1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setPointSize(title.pointSize() * 2);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    Label9->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    for (QLabel *line : {Image1, Label1, Label9, Label2})
        layout->addWidget(line);

    Timer1->setSingleShot(true);
    Timer1->setInterval(ShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frm_Frontside::Timer1_Timer);
    Timer1->start();
}

void frm_Frontside::Timer1_Timer() { accept(); }

} // namespace lirvenda
