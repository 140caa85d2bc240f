#include "gui/registration/frm_Fauna.h"

#include "core/store/Program.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/NamedControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace lirvenda {

namespace {

// Every control is placed by hand on a grid: rows of 24 pixels, 28 apart.
constexpr int RowHeight = 24;
constexpr int LabelLeft = 8;
constexpr int LabelWidth = 128;
constexpr int FieldLeft = 138;
constexpr int FieldRight = 440;

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    return placed(new QPushButton(caption, parent), name, at);
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    return placed(new QLabel(caption, parent), name, at);
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &at)
{
    return placed(new QLineEdit(parent), name, at);
}

QComboBox *comboBox(QWidget *parent, const QString &name, const QRect &at, bool freeText = false)
{
    auto *combo = placed(new QComboBox(parent), name, at);
    combo->setEditable(freeText);
    return combo;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    return placed(new QGroupBox(caption, parent), name, at);
}

QListWidget *listBox(QWidget *parent, const QString &name, const QRect &at)
{
    return placed(new QListWidget(parent), name, at);
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    return placed(new QCheckBox(caption, parent), name, at);
}

QString element(const char *array, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index); }

QRect labelAt(int top) { return {LabelLeft, top, LabelWidth, RowHeight}; }
QRect fieldAt(int top) { return {FieldLeft, top, FieldRight - FieldLeft, RowHeight}; }

} // namespace

frm_Fauna::frm_Fauna(Program &program, QWidget *parent)
    : QWidget(parent), m_program(program), m_documents(program.folder())
{
    setObjectName(QStringLiteral("frm_Fauna"));
    setFixedSize(1100, 640);
    BuildLeftColumn();
    BuildIndividualNestPanel();
    BuildMiddleColumn();
    BuildRightColumn();
    List5 = listBox(this, QStringLiteral("List5"), {24, 32, 200, 100});
    List5->hide();
    BuildPositionLink();
    ConnectHandlers();
}

frm_Fauna::~frm_Fauna() = default;

void frm_Fauna::BuildLeftColumn()
{
    Frame1 = frame(this, QStringLiteral("Frame1"), {}, {4, 4, 448, 632});
    QWidget *f = Frame1;

    // Left to right the groups read "Fugler", "Pattedyr", "Insekter", "Botanikk".
    const QStringList &groups = RegistrationState::SpeciesGroups;
    const int slot[] = {0, 1, 3, 2};
    for (int i = 0; i < 4; ++i)
        Command32[i] = button(f, element("Command32", i), groups[i], {8 + slot[i] * 108, 10, 104, RowHeight});
    // The diary is for birds: the other groups are not offered.
    for (int i = 1; i < 4; ++i)
        Command32[i]->setEnabled(false);

    Label6 = placed(new ClickableLabel(QStringLiteral("Lokalitet"), f), QStringLiteral("Label6"), labelAt(40));
    Combo13 = comboBox(f, QStringLiteral("Combo13"), fieldAt(40), true);
    Label19 = placed(new ClickableLabel(QStringLiteral("Fylke/kom."), f), QStringLiteral("Label19"), labelAt(68));
    Combo3 = comboBox(f, QStringLiteral("Combo3"), {FieldLeft, 68, 149, RowHeight});
    Combo14 = comboBox(f, QStringLiteral("Combo14"), {291, 68, 149, RowHeight});
    Label8 = label(f, QStringLiteral("Label8"), QStringLiteral("Kommune/Naturtype"), labelAt(96));
    Label20 = label(f, QStringLiteral("Label20"), QStringLiteral("Naturtype"), labelAt(96));
    Label20->hide();
    Command37 = button(f, QStringLiteral("Command37"), {}, fieldAt(96));

    Command17 = button(f, QStringLiteral("Command17"), QStringLiteral("GPS"), {8, 124, 56, RowHeight});
    Command36 = button(f, QStringLiteral("Command36"), QStringLiteral("Kart"), {68, 124, 56, RowHeight});
    Label9 = label(f, QStringLiteral("Label9"), QStringLiteral("Lat."), {FieldLeft, 124, 30, RowHeight});
    Text7 = textBox(f, QStringLiteral("Text7"), {170, 124, 112, RowHeight});
    Label10 = label(f, QStringLiteral("Label10"), QStringLiteral("Lon."), {290, 124, 30, RowHeight});
    Text8 = textBox(f, QStringLiteral("Text8"), {322, 124, 118, RowHeight});

    Label7 = label(f, QStringLiteral("Label7"), QStringLiteral("Art"), {LabelLeft, 156, LabelWidth, 26});
    Command2 =
        button(f, QStringLiteral("Command2"), QStringLiteral("&Species"), {FieldLeft, 156, FieldRight - FieldLeft, 26});
    Label1 = label(f, QStringLiteral("Label1"), QStringLiteral("Antall"), labelAt(188));
    Combo1 = comboBox(f, QStringLiteral("Combo1"), {FieldLeft, 188, 52, RowHeight});
    Text1 = textBox(f, QStringLiteral("Text1"), {194, 188, 80, RowHeight});

    // The keypad and the browsing arrows share one place: each state shows one of them.
    for (int i = 0; i < 10; ++i)
        Command16[i] = button(f, element("Command16", i), {}, {FieldLeft + i * 30, 218, 28, 26});
    Command11 = button(f, QStringLiteral("Command11"), QStringLiteral("<---"), {FieldLeft, 218, 149, 26});
    Command12 = button(f, QStringLiteral("Command12"), QStringLiteral("--->"), {291, 218, 149, 26});

    Label2 = label(f, QStringLiteral("Label2"), QStringLiteral("Start"), labelAt(252));
    Command3 = button(f, QStringLiteral("Command3"), QStringLiteral("-"), {FieldLeft, 252, 24, RowHeight});
    Text2 = textBox(f, QStringLiteral("Text2"), {164, 252, 84, RowHeight});
    Command4 = button(f, QStringLiteral("Command4"), QStringLiteral("+"), {250, 252, 24, RowHeight});
    Label3 = label(f, QStringLiteral("Label3"), QStringLiteral("Tid"), {280, 252, 26, RowHeight});
    Text3 = textBox(f, QStringLiteral("Text3"), {306, 252, 52, RowHeight});
    Command25 = button(f, QStringLiteral("Command25"), QStringLiteral("Kalender"), {362, 252, 78, RowHeight});

    Label5 = label(f, QStringLiteral("Label5"), QStringLiteral("Stop"), labelAt(280));
    Command6 = button(f, QStringLiteral("Command6"), QStringLiteral("-"), {FieldLeft, 280, 24, RowHeight});
    Text5 = textBox(f, QStringLiteral("Text5"), {164, 280, 84, RowHeight});
    Command21 = button(f, QStringLiteral("Command21"), QStringLiteral("+"), {250, 280, 24, RowHeight});
    Label4 = label(f, QStringLiteral("Label4"), QStringLiteral("Tid"), {280, 280, 26, RowHeight});
    Text6 = textBox(f, QStringLiteral("Text6"), {306, 280, 52, RowHeight});
    Command26 = button(f, QStringLiteral("Command26"), QStringLiteral("Kalender"), {362, 280, 78, RowHeight});

    Command9 = button(f, QStringLiteral("Command9"), QStringLiteral("&Delete registration"), {8, 312, 140, 28});
    Command8 = button(f, QStringLiteral("Command8"), QStringLiteral("&Edit registration"), {152, 312, 140, 28});
    Command7 = button(f, QStringLiteral("Command7"), QStringLiteral("&New registration"), {296, 312, 144, 28});
}

// The nest controls and the three individual frames share the panel's middle band; the
// "Individ" and "Reir" tabs show one set or the other.
void frm_Fauna::BuildIndividualNestPanel()
{
    Frame12 = frame(Frame1, QStringLiteral("Frame12"), {}, {4, 348, 440, 278});
    QWidget *f = Frame12;

    Command33 = button(f, QStringLiteral("Command33"), QStringLiteral("Individ"), {8, 10, 96, RowHeight});
    Command34 = button(f, QStringLiteral("Command34"), QStringLiteral("Reir"), {108, 10, 96, RowHeight});
    Command18 = button(f, QStringLiteral("Command18"), QStringLiteral("&Flokk"), {336, 10, 96, RowHeight});

    const auto leftLabel = [](int top) { return QRect(8, top, 136, RowHeight); };
    const auto leftList = [](int top) { return QRect(148, top, 130, RowHeight); };
    const auto rightLabel = [](int top) { return QRect(290, top, 66, RowHeight); };
    const auto rightList = [](int top) { return QRect(360, top, 72, RowHeight); };
    Label11 = label(f, QStringLiteral("Label11"), QStringLiteral("Reirplassering"), leftLabel(42));
    Combo6 = comboBox(f, QStringLiteral("Combo6"), leftList(42));
    Label12 = label(f, QStringLiteral("Label12"), QStringLiteral("Tresort"), leftLabel(70));
    Combo7 = comboBox(f, QStringLiteral("Combo7"), leftList(70));
    Label18 = label(f, QStringLiteral("Label18"), QStringLiteral("Ungealder"), leftLabel(98));
    Combo12 = comboBox(f, QStringLiteral("Combo12"), leftList(98));
    Label13 = label(f, QStringLiteral("Label13"), QStringLiteral("Høyde over marka (m)"), leftLabel(126));
    Combo8 = comboBox(f, QStringLiteral("Combo8"), leftList(126));
    Label14 = label(f, QStringLiteral("Label14"), QStringLiteral("Egg"), rightLabel(42));
    Combo9 = comboBox(f, QStringLiteral("Combo9"), rightList(42));
    Label15 = label(f, QStringLiteral("Label15"), QStringLiteral("Unger"), rightLabel(70));
    Combo10 = comboBox(f, QStringLiteral("Combo10"), rightList(70));
    Label17 = label(f, QStringLiteral("Label17"), QStringLiteral("Voksne"), rightLabel(98));
    Combo11 = comboBox(f, QStringLiteral("Combo11"), rightList(98));
    Label16 = label(f, QStringLiteral("Label16"), QStringLiteral("Eksponering"), leftLabel(154));
    for (int i = 0; i < 4; ++i)
        Command35[i] =
            button(f, element("Command35", i), RegistrationState::Directions[i], {148 + i * 32, 154, 28, RowHeight});

    Frame11 = frame(f, QStringLiteral("Frame11"), QStringLiteral("Alder"), {4, 40, 432, 80});
    for (int i = 0; i < 23; ++i)
        Command20[i] =
            button(Frame11, element("Command20", i), {}, {8 + (i % 12) * 35, 20 + (i / 12) * 28, 33, RowHeight});
    Frame10 = frame(f, QStringLiteral("Frame10"), QStringLiteral("Sex"), {4, 122, 262, 56});
    const QRect sexAt[] = {
        {8, 24, 50, RowHeight}, {62, 24, 50, RowHeight}, {116, 24, 50, RowHeight}, {170, 24, 84, RowHeight}};
    for (int i = 0; i < 4; ++i)
        Command19[i] = button(Frame10, element("Command19", i), RegistrationState::Sexes[i], sexAt[i]);
    Frame8 = frame(f, QStringLiteral("Frame8"), QStringLiteral("Activity"), {270, 122, 166, 56});
    Combo2 = comboBox(Frame8, QStringLiteral("Combo2"), {8, 24, 120, RowHeight});
    Command22 = button(Frame8, QStringLiteral("Command22"), QStringLiteral("N"), {132, 24, 26, RowHeight});
    Command22->setToolTip(QStringLiteral("Nullstill aktivitet"));
    for (QWidget *individualFrame : {Frame11, Frame10, Frame8})
        individualFrame->hide();

    Command31 = button(f, QStringLiteral("Command31"), QStringLiteral("Ringmerking"), {8, 186, 180, RowHeight});
    Check2 = checkBox(f, QStringLiteral("Check2"), QStringLiteral("Foto"), {200, 186, 70, RowHeight});
    Check3 = checkBox(f, QStringLiteral("Check3"), QStringLiteral("Video"), {274, 186, 70, RowHeight});
    Check4 = checkBox(f, QStringLiteral("Check4"), QStringLiteral("Lyd"), {350, 186, 70, RowHeight});
    Frame2 = frame(f, QStringLiteral("Frame2"), QStringLiteral("Kommentarer"), {4, 216, 432, 56});
    Text4 = textBox(Frame2, QStringLiteral("Text4"), {8, 24, 416, RowHeight});
}

// "Documentation" is built above "Registrerte arter"; start-up rearranges the column.
void frm_Fauna::BuildMiddleColumn()
{
    BuildDocumentationFrame();
    Frame7 = frame(this, QStringLiteral("Frame7"), QStringLiteral("Registrerte arter"), {458, 158, 300, 222});
    List6 = listBox(Frame7, QStringLiteral("List6"), {8, 22, 284, 160});
    List3 = listBox(Frame7, QStringLiteral("List3"), {8, 22, 284, 160});
    Check1 = checkBox(Frame7, QStringLiteral("Check1"), QStringLiteral("Systematisk liste"), {8, 188, 200, RowHeight});
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Observatører"), {458, 384, 300, 252});
    List1 = listBox(Frame3, QStringLiteral("List1"), {8, 22, 284, 222});
}

void frm_Fauna::BuildRightColumn()
{
    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("Siste observasjoner"), {766, 4, 330, 180});
    List2 = listBox(Frame4, QStringLiteral("List2"), {8, 22, 314, 150});
    Frame9 = frame(this, QStringLiteral("Frame9"), {}, {766, 188, 330, 180});
    List4 = listBox(Frame9, QStringLiteral("List4"), {8, 22, 314, 150});

    Frame5 = frame(this, QStringLiteral("Frame5"), {}, {766, 372, 330, 174});
    QWidget *f = Frame5;
    const auto left = [](int row) { return QRect(8, 10 + row * 32, 153, 26); };
    const auto right = [](int row) { return QRect(169, 10 + row * 32, 153, 26); };
    Command10 = button(f, QStringLiteral("Command10"), QStringLiteral("&Observatører"), left(0));
    Command1 = button(f, QStringLiteral("Command1"), QStringLiteral("&Arkiv"), right(0));
    Command14 = button(f, QStringLiteral("Command14"), QStringLiteral("&Statistikk"), left(1));
    Command28 = button(f, QStringLiteral("Command28"), QStringLiteral("&Kontakt GPS"), right(1));
    Command23 =
        button(f, QStringLiteral("Command23"), QStringLiteral("Lag Excelark for rapportering"), {8, 74, 314, 26});
    Command13 = button(f, QStringLiteral("Command13"), QStringLiteral("&Om Lirvenda"), left(3));
    Command5 = button(f, QStringLiteral("Command5"), QStringLiteral("&Avslutt"), right(3));
    Command24 = button(f, QStringLiteral("Command24"), QStringLiteral("&Grupperegistrering"), left(4));
    Command30 = button(f, QStringLiteral("Command30"), QStringLiteral("Import"), right(4));
    // Never shown: the user does not reach it.
    Command15 = button(f, QStringLiteral("Command15"), QStringLiteral("&Lokaliteter"), right(4));
    Command15->hide();

    Frame13 = frame(this, QStringLiteral("Frame13"), QStringLiteral("Reference"), {766, 550, 330, 62});
    Combo4 = comboBox(Frame13, QStringLiteral("Combo4"), {8, 26, 240, RowHeight});
    Command27 = button(Frame13, QStringLiteral("Command27"), QStringLiteral("Ny"), {252, 26, 34, RowHeight});
    Command27->setToolTip(QStringLiteral("Legg inn ny referanse"));
    Command29 = button(Frame13, QStringLiteral("Command29"), QStringLiteral("N"), {290, 26, 32, RowHeight});
    Command29->setToolTip(QStringLiteral("Nullstill referanse"));
}

void frm_Fauna::ConnectHandlers()
{
    connect(Command5, &QPushButton::clicked, this, &frm_Fauna::Command5_Click);
    connect(Command33, &QPushButton::clicked, this, &frm_Fauna::Command33_Click);
    connect(Command34, &QPushButton::clicked, this, &frm_Fauna::Command34_Click);
    connect(Check1, &QCheckBox::clicked, this, &frm_Fauna::Check1_Click);
    connect(Command7, &QPushButton::clicked, this, &frm_Fauna::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frm_Fauna::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frm_Fauna::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &frm_Fauna::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &frm_Fauna::Command12_Click);
    connect(Command22, &QPushButton::clicked, this, &frm_Fauna::Command22_Click);
    connect(Command23, &QPushButton::clicked, this, &frm_Fauna::Command23_Click);
    connect(List2, &QListWidget::itemDoubleClicked, this, &frm_Fauna::List2_DblClick);
    connect(List3, &QListWidget::itemClicked, this, &frm_Fauna::List3_Click);
    connect(List6, &QListWidget::itemClicked, this, &frm_Fauna::List6_Click);
    ConnectEntryHandlers();
    // A county or reference chosen by the program counts as chosen too, as a click would.
    connect(Combo3, &QComboBox::currentIndexChanged, this, &frm_Fauna::Combo3_Click);
    connect(Label19, &ClickableLabel::clicked, this, &frm_Fauna::Label19_Click);
    connect(Label6, &ClickableLabel::clicked, this, &frm_Fauna::Label6_Click);
    connect(Command37, &QPushButton::clicked, this, &frm_Fauna::Command37_Click);
    connect(Combo4, &QComboBox::currentIndexChanged, this, &frm_Fauna::Combo4_Click);
    connect(Command27, &QPushButton::clicked, this, &frm_Fauna::Command27_Click);
    connect(Command29, &QPushButton::clicked, this, &frm_Fauna::Command29_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_Fauna::Command1_Click);
    connect(Command10, &QPushButton::clicked, this, &frm_Fauna::Command10_Click);
    connect(Command13, &QPushButton::clicked, this, &frm_Fauna::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &frm_Fauna::Command14_Click);
    connect(Command24, &QPushButton::clicked, this, &frm_Fauna::Command24_Click);
    connect(Command30, &QPushButton::clicked, this, &frm_Fauna::Command30_Click);
    onEvent(List1->viewport(), QEvent::MouseButtonPress,
            [this](QEvent *press) { return List1_MouseDown(static_cast<QMouseEvent *>(press)->button()); });
}

void frm_Fauna::Command5_Click() { QApplication::exit(0); }

} // namespace lirvenda
