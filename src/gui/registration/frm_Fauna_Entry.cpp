#include "gui/registration/frm_Fauna.h"

#include "core/registration/DateSteps.h"
#include "core/registration/Species.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/registration/ControlGroups.h"
#include "gui/registration/frm_Art1.h"
#include "gui/ui/EventHook.h"
#include "gui/windows/frm_Kalender.h"
#include "gui/windows/frm_NonBreeding.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

#include <functional>

namespace lirvenda {

namespace {

const QString NoRing = QStringLiteral("Ringmerking");

// A right-button press on a button of the group, or a click on its frame, withdraws the choice.
template <typename Buttons>
void clearOnRightPressOrFrameClick(const Buttons &group, QGroupBox *frame, const std::function<void()> &clear)
{
    for (QPushButton *button : group) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(button, &QWidget::customContextMenuRequested, button, clear);
    }
    onEvent(frame, QEvent::MouseButtonPress, [clear](QEvent *) {
        clear();
        return false;
    });
}

template <typename Buttons, typename Handler>
void connectEach(frm_Fauna *window, const Buttons &buttons, Handler handler)
{
    for (int i = 0; i < int(buttons.size()); ++i)
        QObject::connect(buttons[i], &QPushButton::clicked, window, [window, handler, i] { (window->*handler)(i); });
}

} // namespace

void frm_Fauna::ConnectEntryHandlers()
{
    connectEach(this, Command32, &frm_Fauna::Command32_Click);
    connectEach(this, Command16, &frm_Fauna::Command16_Click);
    connectEach(this, Command19, &frm_Fauna::Command19_Click);
    connectEach(this, Command20, &frm_Fauna::Command20_Click);
    connectEach(this, Command35, &frm_Fauna::Command35_Click);
    clearOnRightPressOrFrameClick(Command19, Frame10, [this] {
        m_state.sex().clear();
        DrawChoices();
    });
    clearOnRightPressOrFrameClick(Command20, Frame11, [this] {
        m_state.age().clear();
        DrawChoices();
    });
    connect(Command2, &QPushButton::clicked, this, &frm_Fauna::Command2_Click);
    connect(Combo2, &QComboBox::activated, this, &frm_Fauna::Combo2_Click);
    connect(Command31, &QPushButton::clicked, this, &frm_Fauna::Command31_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_Fauna::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_Fauna::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &frm_Fauna::Command6_Click);
    connect(Command21, &QPushButton::clicked, this, &frm_Fauna::Command21_Click);
    connect(Command18, &QPushButton::clicked, this, &frm_Fauna::Command18_Click);
    connect(Command25, &QPushButton::clicked, this, &frm_Fauna::Command25_Click);
    connect(Command26, &QPushButton::clicked, this, &frm_Fauna::Command26_Click);
    onEvent(Text2, QEvent::MouseButtonDblClick, [this](QEvent *) {
        Text2_DblClick();
        return false;
    });
    onEvent(Text3, QEvent::MouseButtonDblClick, [this](QEvent *) {
        Text3_DblClick();
        return false;
    });
    onEvent(Text6, QEvent::MouseButtonDblClick, [this](QEvent *) {
        Text6_DblClick();
        return false;
    });
}

// A group whose class has no taxa stays disabled: a search there could find nothing.
void frm_Fauna::EnableSpeciesGroups()
{
    for (int i = 1; i < int(Command32.size()); ++i)
        Command32[i]->setEnabled(HasTaxaOfClass(m_program, Command32[i]->text()));
}

QString frm_Fauna::SelectedSpeciesGroup() const { return m_state.speciesClass(); }

void frm_Fauna::Command32_Click(int index)
{
    m_state.setSpeciesGroup(index);
    DrawChoices();
}

void frm_Fauna::Command2_Click()
{
    const QString key = ChooseSpecies(m_program, SelectedSpeciesGroup(), this);
    if (key.isEmpty())
        return;
    Command2->setText(SpeciesDisplayText(m_program, key));
    ShowRecentObservations(key);
}

void frm_Fauna::Command16_Click(int index) { Text1->setText(Text1->text() + Command16[index]->text()); }

void frm_Fauna::Command19_Click(int index)
{
    m_state.sex().toggle(index);
    DrawChoices();
}

void frm_Fauna::Command20_Click(int index)
{
    m_state.age().toggle(index);
    DrawChoices();
}

void frm_Fauna::Combo2_Click()
{
    m_state.activity = Combo2->currentData().toString();
    DrawChoices();
}

void frm_Fauna::Command35_Click(int index)
{
    if (!m_state.toggleDirection(index))
        prompter().information(QStringLiteral("Kun to retninger kan velges"));
    DrawChoices();
}

// The ring is taken as typed; nothing typed means no ring.
void frm_Fauna::Command31_Click()
{
    const std::optional<QString> ring =
        prompter().input(QStringLiteral("Oppgi metall- og fargering"),
                         QStringLiteral("Oppgi nummeret på formen 'NOS CA12345' og eller fargering"),
                         QString(Command31->text()).remove(NoRing));
    Command31->setText(ring && !ring->isEmpty() ? *ring : NoRing);
}

void frm_Fauna::StepDate(QLineEdit *box, int days)
{
    const SteppedDate stepped = stepDate(box->text(), days);
    box->setText(stepped.text);
    if (stepped.refused)
        prompter().beep();
}

void frm_Fauna::Command3_Click() { StepDate(Text2, -1); }
void frm_Fauna::Command4_Click() { StepDate(Text2, 1); }
void frm_Fauna::Command6_Click() { StepDate(Text5, -1); }
void frm_Fauna::Command21_Click() { StepDate(Text5, 1); }

void frm_Fauna::Text2_DblClick() { Text2->setText(dateBoxText(QDate::currentDate())); }
void frm_Fauna::Text3_DblClick() { Text3->setText(timeBoxText(QTime::currentTime())); }
void frm_Fauna::Text6_DblClick() { Text6->setText(timeBoxText(QTime::currentTime())); }

// "&Flokk": a counting sheet that keeps nothing.
void frm_Fauna::Command18_Click()
{
    frm_NonBreeding sheet(this);
    sheet.exec();
}

void frm_Fauna::Command25_Click() { PickDate(Text2, Text5, true); }
void frm_Fauna::Command26_Click() { PickDate(Text5, Text2, false); }

// The other date follows when the two would otherwise be in the wrong order.
void frm_Fauna::PickDate(QLineEdit *picked, QLineEdit *other, bool pickingStart)
{
    const QString current = picked->text();
    frm_Kalender calendar(IsValidDate(current) ? readDateBox(current) : QDate(), this);
    if (calendar.exec() != QDialog::Accepted)
        return;
    const QString date = dateBoxText(calendar.pickedDate());
    if (!IsValidDate(date)) {
        prompter().information(QStringLiteral("Ugyldig dato."));
        return;
    }
    picked->setText(date);
    const QDate start = readDateBox(pickingStart ? date : other->text());
    const QDate stop = readDateBox(pickingStart ? other->text() : date);
    if (stop < start)
        other->setText(date);
}

} // namespace lirvenda
