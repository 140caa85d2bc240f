#include "gui/windows/frm_Frontside.h"

#include "gui/ui/ProgramPicture.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace lirvenda {

frm_Frontside::frm_Frontside(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen), Image1(new QLabel(this)), Label1(new QLabel(this)), Label9(new QLabel(this)),
      Label2(new QLabel(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frm_Frontside"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label9->setObjectName(QStringLiteral("Label9"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    Image1->setPixmap(programPicture(96));
    Image1->setAlignment(Qt::AlignCenter);
    Label1->setText(QStringLiteral("LirvendaProgrammet"));
    QFont title = Label1->font();
    title.setPointSize(title.pointSize() * 2);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    Label9->setText(QStringLiteral("Lirvenda-prosjektet"));
    Label9->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    for (QWidget *w : {static_cast<QWidget *>(Image1), static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label9),
                       static_cast<QWidget *>(Label2)})
        layout->addWidget(w);

    Timer1->setSingleShot(true);
    Timer1->setInterval(ShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frm_Frontside::Timer1_Timer);
    Timer1->start();
}

void frm_Frontside::Timer1_Timer() { accept(); }

} // namespace lirvenda
