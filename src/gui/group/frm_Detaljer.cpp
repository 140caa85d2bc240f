#include "gui/group/frm_Detaljer.h"

#include "core/group/GroupSpecies.h"
#include "core/registration/CodeLists.h"
#include "core/shared/Prompter.h"
#include "core/species/Species.h"
#include "gui/ui/Colours.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/NamedControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace lirvenda {

namespace {

// The columns of the grid; the headings stand above the boxes, the scroll buttons at the right.
enum Column {
    LeftOutColumn,
    CodeColumn,
    CountColumn,
    OperatorColumn = CountColumn + 2,
    AgeColumn,
    SexColumn = AgeColumn + 2,
    ActivityColumn = SexColumn + 2,
    CommentColumn = ActivityColumn + 2,
    ScrollColumn = CommentColumn + 2,
};
constexpr int HeadingRow = 0;
constexpr int FirstRow = 1;
// The activities are long sentences: the closed box shows their beginning, its list all of them.
constexpr int ActivityLetters = 24;

QPushButton *copyButton(QWidget *parent, const QString &name)
{
    return named(new LetterButton(QStringLiteral("K"), parent), name);
}

QComboBox *comboBox(QWidget *parent, const QString &name, const QStringList &items = {})
{
    auto *combo = named(new QComboBox(parent), name);
    combo->addItems(items);
    return combo;
}

// A box for a few characters, as wide as they are in the window's font.
QLineEdit *shortBox(QWidget *parent, const QString &name, int characters)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(characters, '0')) + 12);
    return box;
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
    setWindowTitle(tr("Grupperegistrering"));
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(BuildGrid());
    m_pages->addWidget(BuildHeader());
    QStringList activities{QStringLiteral("-")};
    succeeds([&] {
        for (const KeyedEntry &activity : codeListEntries(m_program, CodeList::Activities))
            activities << activity.text;
    });
    FillRowLists(activities);
    const bool scrolls = m_entries.size() >= Rows;
    m_up->setEnabled(scrolls);
    m_down->setEnabled(scrolls);
    ShowRows();
}

// Closing the window takes the focus from a box, which would store the rows into values that are
// already gone: the boxes no longer talk to the window.
frm_Detaljer::~frm_Detaljer()
{
    for (QWidget *control : findChildren<QWidget *>())
        disconnect(control, nullptr, this, nullptr);
}

// The look-up boxes, the rows with their headings and scroll buttons, and the buttons below.
QWidget *frm_Detaljer::BuildGrid()
{
    m_gridPage = named(new QWidget(this), QStringLiteral("GridPage"));
    auto *page = new QVBoxLayout(m_gridPage);
    page->addLayout(BuildLookUps());
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(CommentColumn, 1);
    BuildHeadings(grid);
    for (int row = 0; row < Rows; ++row)
        BuildRow(grid, row);
    m_up = named(new QPushButton(m_gridPage), QStringLiteral("Command1"));
    m_down = named(new QPushButton(m_gridPage), QStringLiteral("Command2"));
    m_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    for (QPushButton *scroll : {m_up, m_down}) {
        scroll->setAutoDefault(false);
        scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    grid->addWidget(m_up, FirstRow, ScrollColumn, 3, 1);
    grid->addWidget(m_down, FirstRow + Rows - 3, ScrollColumn, 3, 1);
    page->addLayout(grid);
    page->addStretch();
    m_next = dialogButton(m_gridPage, QStringLiteral("Command4"), tr("&Gå videre"));
    m_back = dialogButton(m_gridPage, QStringLiteral("Command3"), tr("&Avbryt"));
    page->addLayout(buttonRow({}, {m_next, m_back}));
    connect(m_up, &QPushButton::clicked, this, &frm_Detaljer::Command1_Click);
    connect(m_down, &QPushButton::clicked, this, &frm_Detaljer::Command2_Click);
    connect(m_next, &QPushButton::clicked, this, &frm_Detaljer::Command4_Click);
    connect(m_back, &QPushButton::clicked, this, &frm_Detaljer::Command3_Click);
    return m_gridPage;
}

// "Finn art:" and three boxes that look a species up by its name; Backspace empties a box.
QLayout *frm_Detaljer::BuildLookUps()
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Finn art:"), m_gridPage));
    for (int i = 0; i < 3; ++i) {
        QComboBox *box = m_lookUps[i] = comboBox(m_gridPage, elementName("Combo7", i));
        KeyedListModel *found = m_lookUpEntries[i] = new KeyedListModel(box);
        box->setModel(found);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // the look-up completes the name itself
        box->setMinimumContentsLength(ActivityLetters);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        row->addWidget(box);
        connect(box, &QComboBox::editTextChanged, this, [this, i] { Combo7_Change(i); });
        onEvent(box->lineEdit(), QEvent::KeyPress, [box, found](QEvent *event) {
            if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Backspace)
                return false;
            const QSignalBlocker quiet(box);
            found->clear();
            box->clearEditText();
            return true;
        });
    }
    row->addStretch();
    return row;
}

void frm_Detaljer::BuildHeadings(QGridLayout *grid)
{
    const std::pair<Column, const char *> headings[] = {
        {CodeColumn, QT_TR_NOOP("Art")},           {CountColumn, QT_TR_NOOP("Antall")},
        {AgeColumn, QT_TR_NOOP("Alder")},          {SexColumn, QT_TR_NOOP("Kjønn")},
        {ActivityColumn, QT_TR_NOOP("Aktivitet")}, {CommentColumn, QT_TR_NOOP("Kommentar")}};
    for (const auto &[column, caption] : headings)
        grid->addWidget(new QLabel(tr(caption), m_gridPage), HeadingRow, column);
}

// The controls of a row, made in the order the Tab key visits them.
void frm_Detaljer::BuildRow(QGridLayout *grid, int row)
{
    QWidget *g = m_gridPage;
    GridRow &r = m_rows[row];
    r.leftOut = named(new QCheckBox(tr("Fjern"), g), elementName("Check1", row));
    r.code = named(new QLabel(g), elementName("Label1", row));
    r.count = shortBox(g, elementName("Text1", row), 7);
    r.copy[int(GroupField::Count)] = copyButton(g, elementName("Command15", row));
    r.countOperator = comboBox(g, elementName("Combo3", row), GroupOperators);
    r.age = comboBox(g, elementName("Combo1", row), groupAges());
    r.copy[int(GroupField::Age)] = copyButton(g, elementName("Command12", row));
    r.sex = comboBox(g, elementName("Combo4", row), GroupSexes);
    r.copy[int(GroupField::Sex)] = copyButton(g, elementName("Command13", row));
    r.activity = comboBox(g, elementName("Combo2", row));
    r.activity->setMinimumContentsLength(ActivityLetters);
    r.activity->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    r.copy[int(GroupField::Activity)] = copyButton(g, elementName("Command11", row));
    r.comment = named(new QLineEdit(g), elementName("Text4", row));
    r.copy[int(GroupField::Comment)] = copyButton(g, elementName("Command14", row));
    QWidget *const columns[] = {r.leftOut,
                                r.code,
                                r.count,
                                r.copy[int(GroupField::Count)],
                                r.countOperator,
                                r.age,
                                r.copy[int(GroupField::Age)],
                                r.sex,
                                r.copy[int(GroupField::Sex)],
                                r.activity,
                                r.copy[int(GroupField::Activity)],
                                r.comment,
                                r.copy[int(GroupField::Comment)]};
    for (int column = 0; column < int(std::size(columns)); ++column) {
        QSizePolicy keepsRoom = columns[column]->sizePolicy();
        keepsRoom.setRetainSizeWhenHidden(true);
        columns[column]->setSizePolicy(keepsRoom);
        grid->addWidget(columns[column], FirstRow + row, column);
    }
    ConnectRow(row);
}

void frm_Detaljer::ConnectRow(int row)
{
    const GridRow &r = m_rows[row];
    const auto recolour = [this, row] { Recolour(row); };
    const auto store = [this] { StoreRows(); };
    connect(r.count, &QLineEdit::textChanged, this, recolour);
    connect(r.comment, &QLineEdit::textChanged, this, recolour);
    for (QComboBox *list : {r.age, r.sex, r.activity})
        connect(list, &QComboBox::currentIndexChanged, this, recolour);
    connect(r.count, &QLineEdit::editingFinished, this, store);
    connect(r.comment, &QLineEdit::editingFinished, this, store);
    connect(r.countOperator, &QComboBox::activated, this, store);
    for (const GroupField field :
         {GroupField::Count, GroupField::Age, GroupField::Sex, GroupField::Activity, GroupField::Comment})
        onEvent(r.copy[int(field)], QEvent::MouseButtonPress, [this, field, row](QEvent *event) {
            const auto *press = static_cast<QMouseEvent *>(event);
            CopyButton_MouseDown(field, row, press->button(), press->modifiers());
            return false;
        });
}

// The activities of the code list; each box's list is as wide as its longest entry.
void frm_Detaljer::FillRowLists(const QStringList &activities)
{
    for (const GridRow &r : m_rows) {
        r.activity->addItems(activities);
        r.activity->setCurrentIndex(0);
        r.activity->view()->setMinimumWidth(r.activity->view()->sizeHintForColumn(0));
    }
}

int frm_Detaljer::shownRows() const { return std::min(Rows, m_entries.size() - m_firstShown); }

void frm_Detaljer::Recolour(int row)
{
    const GridRow &r = m_rows[row];
    colourBySetting(r.count, isPositiveNumber(r.count->text()));
    colourBySetting(r.comment, !r.comment->text().isEmpty());
    for (QComboBox *list : {r.age, r.sex, r.activity})
        colourBySetting(list, list->currentText() != QLatin1String("-"));
}

void frm_Detaljer::ClearRows()
{
    const QScopedValueRollback drawing(m_drawing, true);
    for (const GridRow &r : m_rows) {
        r.code->clear();
        r.count->clear();
        for (QComboBox *list : {r.countOperator, r.age, r.activity, r.sex})
            list->setCurrentIndex(0);
    }
}

void frm_Detaljer::StoreRows()
{
    if (m_drawing)
        return;
    for (int row = 0; row < shownRows(); ++row) {
        const GridRow &r = m_rows[row];
        GroupSpeciesValues &values = m_entries[speciesOfRow(row)];
        values.leftOut = r.leftOut->isChecked();
        values.count = r.count->text();
        values.comment = r.comment->text();
        values.agePosition = r.age->currentIndex();
        values.activityPosition = r.activity->currentIndex();
        values.operatorPosition = r.countOperator->currentIndex();
        values.sexPosition = r.sex->currentIndex();
    }
}

// Rows below the last species are hidden; they keep their room, so the grid keeps its shape.
void frm_Detaljer::ShowRows()
{
    const QScopedValueRollback drawing(m_drawing, true);
    for (int row = 0; row < Rows; ++row) {
        const GridRow &r = m_rows[row];
        const bool shown = row < shownRows();
        for (QWidget *control : std::initializer_list<QWidget *>{r.leftOut, r.code, r.count, r.countOperator, r.age,
                                                                 r.sex, r.activity, r.comment})
            control->setVisible(shown);
        for (QPushButton *copy : r.copy)
            copy->setVisible(shown);
        if (shown)
            ShowRow(row);
    }
}

void frm_Detaljer::ShowRow(int row)
{
    const GridRow &r = m_rows[row];
    const GroupSpeciesValues &values = m_entries[speciesOfRow(row)];
    r.leftOut->setChecked(values.leftOut);
    QString code;
    succeeds([&] { code = latinShortCode(m_program, values.speciesKey.rightJustified(5, '0')); });
    r.code->setText(code);
    r.count->setText(values.count);
    r.comment->setText(values.comment);
    r.age->setCurrentIndex(values.agePosition);
    r.activity->setCurrentIndex(values.activityPosition);
    r.countOperator->setCurrentIndex(values.operatorPosition);
    r.sex->setCurrentIndex(values.sexPosition);
    Recolour(row);
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
    QComboBox *combo = m_lookUps[box];
    const QString typed = combo->currentText();
    if (typed.isEmpty() || combo->findText(typed) >= 0)
        return;
    QList<KeyedEntry> matches;
    if (!succeeds([&] { matches = speciesNamedFrom(m_program, typed); }))
        return;
    const QSignalBlocker quiet(combo);
    if (matches.isEmpty()) {
        combo->setEditText(typed.chopped(1));
        prompter().beep();
        return;
    }
    m_lookUpEntries[box]->setEntries(matches);
    combo->setCurrentIndex(0);
    combo->lineEdit()->setSelection(int(typed.size()), int(combo->currentText().size() - typed.size()));
}

// "&Gå videre": every count is checked, also of the species out of sight and those left out.
void frm_Detaljer::Command4_Click()
{
    StoreRows();
    if (!m_entries.countsValid()) {
        prompter().information(tr("Alle antall må være et nummer og større en -1"));
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
    if (!prompter().askYesNo(tr("Vil du avbryte? Det du har skrevet inn blir ikke lagret."))) {
        event->ignore();
        return;
    }
    if (m_pages->currentWidget() == m_headerPage)
        Command8_Click();
    else
        Command3_Click();
}

void frm_Detaljer::ShowHeader(bool shown) { m_pages->setCurrentWidget(shown ? m_headerPage : m_gridPage); }

} // namespace lirvenda
