#include "gui/archive/frm_Arkiv.h"

#include "core/store/Program.h"
#include "gui/exchange/SearchExports.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

QList<KeyedEntry> plainEntries(const QStringList &texts)
{
    QList<KeyedEntry> list;
    for (const QString &text : texts)
        list << KeyedEntry{text, text};
    return list;
}

// The key of the chosen entry; none for the no-choice entry, which is always the first.
std::optional<QString> chosen(const QComboBox *combo)
{
    if (combo->currentIndex() <= 0)
        return std::nullopt;
    return combo->currentData().toString();
}

constexpr int ResultLineLength = 90; // characters of a result line shown without scrolling

NumberRow numberRow(const QComboBox *comparison, const QLineEdit *box)
{
    return {comparison->currentIndex(), box->text()};
}

} // namespace

frm_Arkiv::frm_Arkiv(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Frame1(named(new QGroupBox(tr("Search variables"), this), QStringLiteral("Frame1"))),
      Frame3(named(new QGroupBox(tr("Number, day, month and year"), this), QStringLiteral("Frame3"))),
      Frame2(named(new QGroupBox(tr("Treff"), this), QStringLiteral("Frame2"))), m_results(new KeyedListModel(this)),
      List1(named(new QListView(Frame2), QStringLiteral("List1"))), m_exports(new SearchExports(
                                                                        program, [this] { return criteria(); }, this)),
      Command1(named(new QPushButton(tr("&Quit"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Arkiv"));
    setWindowTitle(tr("ObservasjonsArkiv"));
    FillCriteria();
    FillNumberRows();
    PrepareResultList();
    LayOut();
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(TypingPauseMilliseconds);
    connect(&m_typingPause, &QTimer::timeout, this, &frm_Arkiv::Search);
    // Enter in a criterion must not close the window and lose the criteria: no button is the default.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void frm_Arkiv::FillCriteria()
{
    new QFormLayout(Frame1);
    const QString none = tr("Ingen valgt");
    Combo1 = criterionList(QStringLiteral("Combo1"), tr("Art"), tr("- Ingen valgt"), archiveSpeciesEntries(m_program));
    Combo2 = criterionList(QStringLiteral("Combo2"), tr("Observatører"), none, archiveObserverEntries(m_program));
    Combo3 = criterionList(QStringLiteral("Combo3"), tr("Kjønn"), none, plainEntries(ArchiveSexTexts));
    Combo4 = criterionList(QStringLiteral("Combo4"), tr("Alder"), none, plainEntries(archiveAgeTexts()));
    Combo5 = criterionList(QStringLiteral("Combo5"), tr("Aktivitet"), none, archiveActivityEntries(m_program));
    Combo6 = criterionList(QStringLiteral("Combo6"), tr("Lokalitet"), none, archiveLocalityEntries(m_program));
    Combo7 = criterionList(QStringLiteral("Combo7"), tr("Kommune"), none, archivePlaceEntries(m_program));
}

void frm_Arkiv::FillNumberRows()
{
    new QGridLayout(Frame3);
    Combo9 =
        operatorList(QStringLiteral("Combo9"), tr("Antall:"), Text1 = numberBox(QStringLiteral("Text1")), wholeNumber);
    Combo12 =
        operatorList(QStringLiteral("Combo12"), tr("Dag:"), Text4 = numberBox(QStringLiteral("Text4")), wholeNumber);
    Combo10 =
        operatorList(QStringLiteral("Combo10"), tr("Måned:"), Text2 = numberBox(QStringLiteral("Text2")), wholeNumber);
    Combo11 =
        operatorList(QStringLiteral("Combo11"), tr("År:"), Text3 = numberBox(QStringLiteral("Text3")), yearNumber);
}

// A fixed-width font lines the fields up; the key after the blanks stays out of sight.
void frm_Arkiv::PrepareResultList()
{
    List1->setModel(m_results);
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    List1->setMinimumSize(List1->fontMetrics().horizontalAdvance(QString(ResultLineLength, QLatin1Char('0'))), 300);
    (new QVBoxLayout(Frame2))->addWidget(List1);
    connect(List1, &QListView::clicked, this, &frm_Arkiv::List1_Click);
    connect(List1, &QListView::activated, this, &frm_Arkiv::List1_Click);
}

// The criteria, the number rows and the nature type on the left; the results on the right.
void frm_Arkiv::LayOut()
{
    auto *natureType = named(new QGroupBox(tr("Naturtype"), this), QStringLiteral("Frame4"));
    (new QVBoxLayout(natureType))->addWidget(named(new QComboBox(natureType), QStringLiteral("Combo8")));
    auto *layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0);
    layout->addWidget(Frame3, 1, 0);
    layout->addWidget(natureType, 2, 0);
    layout->addWidget(Frame2, 0, 1, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_exports);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons, 2, 1, Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
}

// Filled before it is connected, so that showing the no-choice entry searches nothing.
QComboBox *frm_Arkiv::criterionList(const QString &name, const QString &caption, const QString &noChoice,
                                    const QList<KeyedEntry> &entries)
{
    auto *combo = named(new QComboBox(Frame1), name);
    // Sized for the names, not for the blanks that push the keys out of sight.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(32);
    auto *choices = new KeyedListModel(combo);
    choices->setEntries(QList<KeyedEntry>{{noChoice, {}}} + entries);
    combo->setModel(choices);
    combo->setCurrentIndex(0);
    static_cast<QFormLayout *>(Frame1->layout())->addRow(caption, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, &frm_Arkiv::Search);
    return combo;
}

// A new operator searches when the box holds a number; a new number text searches when an operator
// is chosen, so that deleting the number searches again without the row.
QComboBox *frm_Arkiv::operatorList(const QString &name, const QString &label, QLineEdit *box, NumberReading reading)
{
    auto *combo = new QComboBox(Frame3);
    combo->setObjectName(name);
    combo->addItems(ComparisonTexts);
    combo->setCurrentIndex(-1);
    auto *rows = static_cast<QGridLayout *>(Frame3->layout());
    const int row = rows->rowCount();
    rows->addWidget(new QLabel(label, Frame3), row, 0);
    rows->addWidget(combo, row, 1);
    rows->addWidget(box, row, 2);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, box, reading] {
        if (reading(box->text()))
            Search();
    });
    connect(box, &QLineEdit::textChanged, this, [this, combo] {
        if (combo->currentIndex() >= 0)
            m_typingPause.start();
    });
    return combo;
}

QLineEdit *frm_Arkiv::numberBox(const QString &name)
{
    auto *box = new QLineEdit(Frame3);
    box->setObjectName(name);
    return box;
}

ArchiveCriteria frm_Arkiv::criteria() const
{
    return {chosen(Combo1),
            chosen(Combo2),
            chosen(Combo3),
            chosen(Combo4),
            chosen(Combo5),
            chosen(Combo6),
            chosen(Combo7),
            numberRow(Combo9, Text1),
            numberRow(Combo12, Text4),
            numberRow(Combo10, Text2),
            numberRow(Combo11, Text3)};
}

void frm_Arkiv::Search()
{
    m_typingPause.stop(); // this search reads the number being typed as well
    const ArchiveResult result = searchArchive(m_program, criteria());
    m_results->setEntries(result.lines);
    Frame2->setTitle(result.caption());
}

void frm_Arkiv::List1_Click(const QModelIndex &entry)
{
    m_program.observations().findObsId(m_results->keyAt(entry.row()).toLongLong());
    accept();
}

} // namespace lirvenda
