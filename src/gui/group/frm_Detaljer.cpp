#include "gui/group/frm_Detaljer.h"

#include "core/group/GroupSpecies.h"
#include "core/registration/CodeLists.h"
#include "core/shared/Prompter.h"
#include "core/shared/SharedProcedures.h"
#include "gui/ui/Colours.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace lirvenda {

namespace {

constexpr int RowHeight = 24;
constexpr int FirstRowTop = 64;
constexpr int RowStep = 28;

QComboBox *comboBox(QWidget *parent, const QString &name, const QRect &at, const QStringList &items = {})
{
    auto *combo = placed(new QComboBox(parent), name, at);
    combo->addItems(items);
    return combo;
}

QLabel *heading(QWidget *parent, const QString &caption, int left, int top = 40)
{
    auto *label = new QLabel(caption, parent);
    label->move(left, top);
    return label;
}

// A value that is set shows yellow, one that is not white.
void colourBySetting(QWidget *control, bool isSet) { setColour(control, isSet ? Colour::Yellow : Colour::White); }

bool isPositiveNumber(const QString &text)
{
    return isGroupCount(text) && QString(text).trimmed().replace(',', '.').toDouble() > 0;
}

} // namespace

frm_Detaljer::frm_Detaljer(Program &program, const QStringList &speciesKeys, QWidget *parent)
    : GroupDialog(parent), m_program(program), m_entries(speciesKeys)
{
    setObjectName(QStringLiteral("frm_Detaljer"));
    setWindowTitle(QStringLiteral("Grupperegistrering"));
    setFixedSize(1000, 540);
    BuildGrid();
    BuildHeader();
    QStringList activities{QStringLiteral("-")};
    succeeds([&] {
        for (const KeyedEntry &activity : CodeListEntries(m_program, CodeList::Activities))
            activities << activity.text;
    });
    FillRowLists(activities);
    const bool scrolls = m_entries.size() >= Rows;
    Command1->setEnabled(scrolls);
    Command2->setEnabled(scrolls);
    ShowRows();
}

// Closing the window takes the focus from a box, which would store the rows into values that are
// already gone: the boxes no longer talk to the window.
frm_Detaljer::~frm_Detaljer()
{
    for (QWidget *control : findChildren<QWidget *>())
        disconnect(control, nullptr, this, nullptr);
}

void frm_Detaljer::BuildGrid()
{
    GridPage = placed(new QWidget(this), QStringLiteral("GridPage"), rect());
    QWidget *g = GridPage;
    auto *lookup = new QLabel(QStringLiteral("Finn art:"), g);
    lookup->move(8, 12);
    for (int i = 0; i < 3; ++i) {
        Combo7[i] = placed(new QComboBox(g), elementName("Combo7", i), {80 + i * 220, 8, 212, RowHeight});
        Combo7[i]->setEditable(true);
        Combo7[i]->setInsertPolicy(QComboBox::NoInsert);
        Combo7[i]->setCompleter(nullptr); // the look-up completes the name itself
        connect(Combo7[i], &QComboBox::editTextChanged, this, [this, i] { Combo7_Change(i); });
        onEvent(Combo7[i]->lineEdit(), QEvent::KeyPress, [this, i](QEvent *event) {
            if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Backspace)
                return false;
            const QSignalBlocker quiet(Combo7[i]);
            Combo7[i]->clear();
            Combo7[i]->clearEditText();
            return true;
        });
    }
    heading(g, QStringLiteral("Art"), 72);
    heading(g, QStringLiteral("Antall"), 140);
    heading(g, QStringLiteral("Alder"), 272);
    heading(g, QStringLiteral("Kjønn"), 370);
    heading(g, QStringLiteral("Aktivitet"), 498);
    heading(g, QStringLiteral("Kommentar"), 716);
    for (int row = 0; row < Rows; ++row)
        BuildRow(row, FirstRowTop + row * RowStep);
    const int right = 958;
    Command1 = dialogButton(g, QStringLiteral("Command1"), {}, {right, FirstRowTop, 34, 3 * RowStep - 4});
    Command2 = dialogButton(g, QStringLiteral("Command2"), {},
                            {right, FirstRowTop + (Rows - 3) * RowStep, 34, 3 * RowStep - 4});
    Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command2->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command4 = dialogButton(g, QStringLiteral("Command4"), QStringLiteral("&Gå videre"), {760, 500, 110, 28});
    Command3 = dialogButton(g, QStringLiteral("Command3"), QStringLiteral("&Avbryt"), {878, 500, 110, 28});
    connect(Command1, &QPushButton::clicked, this, &frm_Detaljer::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Detaljer::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_Detaljer::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_Detaljer::Command3_Click);
}

void frm_Detaljer::BuildRow(int row, int top)
{
    QWidget *g = GridPage;
    const auto at = [top](int left, int width) { return QRect(left, top, width, RowHeight); };
    Check1[row] = placed(new QCheckBox(QStringLiteral("Fjern"), g), elementName("Check1", row), at(8, 60));
    Label1[row] = placed(new QLabel(g), elementName("Label1", row), at(72, 64));
    Text1[row] = placed(new QLineEdit(g), elementName("Text1", row), at(140, 56));
    Command15[row] = dialogButton(g, elementName("Command15", row), QStringLiteral("K"), at(198, 22));
    Combo3[row] = comboBox(g, elementName("Combo3", row), at(224, 44), GroupOperators);
    Combo1[row] = comboBox(g, elementName("Combo1", row), at(272, 70), groupAges());
    Command12[row] = dialogButton(g, elementName("Command12", row), QStringLiteral("K"), at(344, 22));
    Combo4[row] = comboBox(g, elementName("Combo4", row), at(370, 100), GroupSexes);
    Command13[row] = dialogButton(g, elementName("Command13", row), QStringLiteral("K"), at(472, 22));
    Combo2[row] = comboBox(g, elementName("Combo2", row), at(498, 190));
    Command11[row] = dialogButton(g, elementName("Command11", row), QStringLiteral("K"), at(690, 22));
    Text4[row] = placed(new QLineEdit(g), elementName("Text4", row), at(716, 210));
    Command14[row] = dialogButton(g, elementName("Command14", row), QStringLiteral("K"), at(928, 22));
    ConnectRow(row);
}

void frm_Detaljer::ConnectRow(int row)
{
    const auto recolour = [this, row] { Recolour(row); };
    const auto store = [this] { StoreRows(); };
    connect(Text1[row], &QLineEdit::textChanged, this, recolour);
    connect(Text4[row], &QLineEdit::textChanged, this, recolour);
    for (QComboBox *list : {Combo1[row], Combo4[row], Combo2[row]})
        connect(list, &QComboBox::currentIndexChanged, this, recolour);
    connect(Text1[row], &QLineEdit::editingFinished, this, store);
    connect(Text4[row], &QLineEdit::editingFinished, this, store);
    connect(Combo3[row], &QComboBox::activated, this, store);
    const std::pair<QPushButton *, GroupField> copyButtons[] = {{Command15[row], GroupField::Count},
                                                                {Command12[row], GroupField::Age},
                                                                {Command13[row], GroupField::Sex},
                                                                {Command11[row], GroupField::Activity},
                                                                {Command14[row], GroupField::Comment}};
    for (const auto &[copyButton, field] : copyButtons)
        onEvent(copyButton, QEvent::MouseButtonPress, [this, field = field, row](QEvent *event) {
            const auto *press = static_cast<QMouseEvent *>(event);
            CopyButton_MouseDown(field, row, press->button(), press->modifiers());
            return false;
        });
}

void frm_Detaljer::FillRowLists(const QStringList &activities)
{
    for (QComboBox *activity : Combo2) {
        activity->addItems(activities);
        activity->setCurrentIndex(0);
    }
}

int frm_Detaljer::shownRows() const { return std::min(Rows, m_entries.size() - m_firstShown); }

void frm_Detaljer::Recolour(int row)
{
    colourBySetting(Text1[row], isPositiveNumber(Text1[row]->text()));
    colourBySetting(Text4[row], !Text4[row]->text().isEmpty());
    for (QComboBox *list : {Combo1[row], Combo4[row], Combo2[row]})
        colourBySetting(list, list->currentText() != QLatin1String("-"));
}

void frm_Detaljer::ClearRows()
{
    const QScopedValueRollback drawing(m_drawing, true);
    for (int row = 0; row < Rows; ++row) {
        Label1[row]->clear();
        Text1[row]->clear();
        for (QComboBox *list : {Combo3[row], Combo1[row], Combo2[row], Combo4[row]})
            list->setCurrentIndex(0);
    }
}

void frm_Detaljer::StoreRows()
{
    if (m_drawing)
        return;
    for (int row = 0; row < shownRows(); ++row) {
        GroupSpeciesValues &values = m_entries[speciesOfRow(row)];
        values.leftOut = Check1[row]->isChecked();
        values.count = Text1[row]->text();
        values.comment = Text4[row]->text();
        values.agePosition = Combo1[row]->currentIndex();
        values.activityPosition = Combo2[row]->currentIndex();
        values.operatorPosition = Combo3[row]->currentIndex();
        values.sexPosition = Combo4[row]->currentIndex();
    }
}

void frm_Detaljer::ShowRows()
{
    const QScopedValueRollback drawing(m_drawing, true);
    for (int row = 0; row < Rows; ++row) {
        const bool shown = row < shownRows();
        for (QWidget *control : std::initializer_list<QWidget *>{
                 Check1[row], Label1[row], Text1[row], Command15[row], Combo3[row], Combo1[row], Command12[row],
                 Combo4[row], Command13[row], Combo2[row], Command11[row], Text4[row], Command14[row]})
            control->setVisible(shown);
        if (!shown)
            continue;
        const GroupSpeciesValues &values = m_entries[speciesOfRow(row)];
        Check1[row]->setChecked(values.leftOut);
        QString code;
        succeeds([&] { code = LatinShortCode(m_program, values.speciesKey.rightJustified(5, '0')); });
        Label1[row]->setText(code);
        Text1[row]->setText(values.count);
        Text4[row]->setText(values.comment);
        Combo1[row]->setCurrentIndex(values.agePosition);
        Combo2[row]->setCurrentIndex(values.activityPosition);
        Combo3[row]->setCurrentIndex(values.operatorPosition);
        Combo4[row]->setCurrentIndex(values.sexPosition);
        Recolour(row);
    }
}

// Up
void frm_Detaljer::Command1_Click()
{
    if (m_entries.size() <= Rows || m_firstShown == 0) {
        prompter().beep();
        return;
    }
    StoreRows();
    ClearRows();
    --m_firstShown;
    ShowRows();
}

// Down: on until the last species is in the top row.
void frm_Detaljer::Command2_Click()
{
    if (m_entries.size() <= Rows || m_firstShown + 1 >= m_entries.size()) {
        prompter().beep();
        return;
    }
    StoreRows();
    ClearRows();
    ++m_firstShown;
    ShowRows();
}

// A plain press remembers the row's value; Shift copies it down to this row from the one after
// its source, Ctrl to this row only. Nothing remembered, or a row not below the source: a beep.
void frm_Detaljer::CopyButton_MouseDown(GroupField field, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    StoreRows();
    const int species = speciesOfRow(row);
    const bool shift = keys.testFlag(Qt::ShiftModifier);
    const bool control = keys.testFlag(Qt::ControlModifier);
    if (!shift && !control) {
        m_entries.remember(field, species);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const bool copied = shift ? m_entries.copyDown(field, species) : m_entries.copyTo(field, species);
    if (!copied)
        prompter().beep();
    ShowRows();
}

// A look-up of a species by the beginning of its Norwegian name; a letter that leads nowhere is
// taken back. The rest of the first match's name is selected, so typing on overwrites it.
void frm_Detaljer::Combo7_Change(int box)
{
    QComboBox *combo = Combo7[box];
    const QString typed = combo->currentText();
    if (typed.isEmpty() || combo->findText(typed) >= 0)
        return;
    QList<KeyedEntry> matches;
    if (!succeeds([&] { matches = SpeciesNamedFrom(m_program, typed); }))
        return;
    const QSignalBlocker quiet(combo);
    if (matches.isEmpty()) {
        combo->setEditText(typed.chopped(1));
        prompter().beep();
        return;
    }
    combo->clear();
    addKeyedEntries(combo, matches);
    combo->setCurrentIndex(0);
    combo->lineEdit()->setSelection(int(typed.size()), int(combo->currentText().size() - typed.size()));
}

// "&Gå videre": every count is checked, also of the species out of sight and those left out.
void frm_Detaljer::Command4_Click()
{
    StoreRows();
    if (!m_entries.countsValid()) {
        prompter().information(QStringLiteral("Alle antall må være et nummer og større en -1"));
        return;
    }
    if (!succeeds([this] {
            FillObservers();
            FillLocalities(chosenLocality());
            FillHeaderOnce();
        }))
        return;
    ShowHeader(true);
}

// "&Avbryt" on the grid: back to the species list, which keeps its choice.
void frm_Detaljer::Command3_Click() { reject(); }

void frm_Detaljer::closeEvent(QCloseEvent *event)
{
    if (!prompter().askYesNo(QStringLiteral("Vil du avbryte? Det du har skrevet inn blir ikke lagret."))) {
        event->ignore();
        return;
    }
    if (Frame3->isVisible())
        Command8_Click();
    else
        Command3_Click();
}

void frm_Detaljer::ShowHeader(bool shown)
{
    GridPage->setVisible(!shown);
    Frame3->setVisible(shown);
}

} // namespace lirvenda
