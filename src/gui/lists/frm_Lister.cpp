#include "gui/lists/frm_Lister.h"

#include "core/registration/RegistrationState.h"
#include "core/species/Species.h"
#include "gui/lists/ListTableView.h"
#include "gui/lists/YearCharts.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"
#include "gui/ui/YearStepper.h"

#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

QWidget *page(QWidget *parent, QLayout *layout)
{
    auto *widget = new QWidget(parent);
    widget->setLayout(layout);
    return widget;
}

} // namespace

frm_Lister::frm_Lister(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), m_places(new KeyedListModel(this)), m_species(new KeyedListModel(this))
{
    setObjectName(QStringLiteral("frm_Lister"));
    setWindowTitle(tr("Lister"));
    // Made in the order of the window's tab chain.
    QGroupBox *classes = classFrame();
    m_years = new YearStepper(this, QStringLiteral("Frame2"));
    Tabs = named(new QTabWidget(this), QStringLiteral("Tabs"));
    Tabs->addTab(listsTab(), tr("Lister"));
    Tabs->addTab(arrivalsTab(), tr("Ankomstdatoer"));
    Tabs->addTab(yearFirstsTab(), tr("Årets første"));
    Tabs->addTab(diaryTab(), tr("Hele dagboka"));
    LayOut(classes);
    ConnectTables();
    m_years->setYear(QDate::currentDate().year());
    connect(m_years, &YearStepper::yearChanged, this, &frm_Lister::ShowTab);
    FillSpecies();
    Combo1_Click();
}

// The species groups as the main window's group buttons; a group without taxa cannot be chosen.
QGroupBox *frm_Lister::classFrame()
{
    auto *frame = named(new QGroupBox(tr("Artsgruppe"), this), QStringLiteral("Frame1"));
    auto *buttons = new QButtonGroup(frame);
    auto *row = new QHBoxLayout(frame);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = named(new QRadioButton(shownGroupName(RegistrationState::SpeciesGroups.at(i)), frame),
                           elementName("Option1", i));
        Option1[i]->setEnabled(i == 0 || hasTaxaOfClass(m_program, RegistrationState::SpeciesGroups.at(i)));
        buttons->addButton(Option1[i], i);
        row->addWidget(Option1[i]);
    }
    Option1[0]->setChecked(true);
    connect(buttons, &QButtonGroup::idClicked, this, [this] {
        FillSpecies();
        ShowTab();
    });
    return frame;
}

QWidget *frm_Lister::listsTab()
{
    Combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1->addItems(shownKindNames());
    Combo2 = named(new QComboBox(this), QStringLiteral("Combo2"));
    Combo2->setModel(m_places);
    Combo2->setMinimumContentsLength(20);
    Check1 = named(new QCheckBox(tr("Alle år"), this), QStringLiteral("Check1"));
    Check1->setChecked(true);
    Check2 = named(new QCheckBox(tr("Sorter etter navn"), this), QStringLiteral("Check2"));
    List1 = new ListTableView(this, QStringLiteral("List1"));
    auto *choices = new QHBoxLayout;
    for (QWidget *control : QList<QWidget *>{Combo1, Combo2, Check1, Check2})
        choices->addWidget(control);
    choices->setStretch(1, 1);
    auto *layout = new QVBoxLayout;
    layout->addLayout(choices);
    layout->addWidget(List1);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &frm_Lister::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &frm_Lister::ShowTab);
    connect(Check1, &QCheckBox::toggled, this, &frm_Lister::ShowTab);
    connect(Check2, &QCheckBox::toggled, this, &frm_Lister::ShowTab);
    return page(this, layout);
}

QWidget *frm_Lister::arrivalsTab()
{
    Combo3 = named(new QComboBox(this), QStringLiteral("Combo3"));
    Combo3->setModel(m_species);
    Combo3->setMinimumContentsLength(24);
    List2 = new ListTableView(this, QStringLiteral("List2"));
    Chart1 = yearChart(this, QStringLiteral("Chart1"), tr("Dag i året"));
    auto *layout = new QGridLayout;
    layout->addWidget(Combo3, 0, 0);
    layout->addWidget(List2, 1, 0);
    layout->addWidget(Chart1, 0, 1, 2, 1);
    layout->setColumnStretch(1, 1);
    connect(Combo3, &QComboBox::currentIndexChanged, this, &frm_Lister::ShowTab);
    return page(this, layout);
}

QWidget *frm_Lister::yearFirstsTab()
{
    List3 = new ListTableView(this, QStringLiteral("List3"));
    auto *layout = new QVBoxLayout;
    layout->addWidget(List3);
    return page(this, layout);
}

QWidget *frm_Lister::diaryTab()
{
    List4 = new ListTableView(this, QStringLiteral("List4"));
    Chart2 = yearChart(this, QStringLiteral("Chart2"), tr("Arter i året"));
    Chart3 = yearChart(this, QStringLiteral("Chart3"), tr("Arter totalt"));
    auto *layout = new QGridLayout;
    layout->addWidget(List4, 0, 0, 2, 1);
    layout->addWidget(new QLabel(tr("Arter pr. år"), this), 0, 1);
    layout->addWidget(Chart2, 1, 1);
    layout->addWidget(new QLabel(tr("Livslista ved årets slutt"), this), 0, 2);
    layout->addWidget(Chart3, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    return page(this, layout);
}

QLayout *frm_Lister::commandRow()
{
    QPushButton *print = dialogButton(this, QStringLiteral("Command2"), tr("&Til skriver"));
    QPushButton *save = dialogButton(this, QStringLiteral("Command3"), tr("T&il fil"));
    QPushButton *close = dialogButton(this, QStringLiteral("Command1"), tr("&Avslutt"));
    connect(print, &QPushButton::clicked, this, &frm_Lister::Command2_Click);
    connect(save, &QPushButton::clicked, this, &frm_Lister::Command3_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return buttonRow({}, {print, save, close});
}

// The species group and the year at the top, the tabs below them, the buttons at the bottom.
void frm_Lister::LayOut(QGroupBox *classes)
{
    auto *top = new QHBoxLayout;
    top->addWidget(classes);
    top->addWidget(m_years);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Tabs, 1);
    layout->addLayout(commandRow());
}

void frm_Lister::ConnectTables()
{
    for (ListTableView *table : {List1, List2, List3, List4})
        connect(table, &ListTableView::observationChosen, this, &frm_Lister::ChooseObservation);
    connect(Tabs, &QTabWidget::currentChanged, this, &frm_Lister::ShowTab);
}

} // namespace lirvenda
