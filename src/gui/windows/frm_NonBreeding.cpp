#include "gui/windows/frm_NonBreeding.h"

#include "gui/ui/NamedControl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lirvenda {

QString withDigitTapped(const QString &box, int digit)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*[+-]?\\d+"));
    const QRegularExpressionMatch number = leadingNumber.match(box);
    if (!number.hasMatch() || number.captured().toLongLong() <= 0)
        return QString::number(digit);
    return box + QString::number(digit);
}

namespace {

struct CountRow {
    const char *label;  // shown translated
    const char *box;    // the number box's name
    const char *digits; // the name of its row of digit buttons
};

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

// One frame of rows: a label, the number box and its ten digit buttons "0" to "9".
QGroupBox *countFrame(QWidget *parent, const QString &caption, const QList<CountRow> &rows)
{
    auto *frame = new QGroupBox(caption, parent);
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(2);
    for (int r = 0; r < rows.size(); ++r) {
        const CountRow &row = rows[r];
        grid->addWidget(new QLabel(frm_NonBreeding::tr(row.label), frame), r, 0);
        auto *box = named(new QLineEdit(frame), QLatin1String(row.box));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        box->setMaximumWidth(box->minimumWidth() * 2);
        grid->addWidget(box, r, 1);
        for (int d = 0; d < 10; ++d) {
            auto *digit = button(frame, elementName(row.digits, d), QString::number(d));
            digit->setMinimumWidth(digit->fontMetrics().horizontalAdvance(QStringLiteral("00")));
            digit->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            QObject::connect(digit, &QPushButton::clicked, box,
                             [box, d] { box->setText(withDigitTapped(box->text(), d)); });
            grid->addWidget(digit, r, 2 + d);
        }
    }
    return frame;
}

} // namespace

frm_NonBreeding::frm_NonBreeding(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_NonBreeding"));
    setWindowTitle(tr("Non-breeding distribution"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(countColumns());
    layout->addLayout(commandRow());
}

// Count, sex and plumage on the left; age, the comment and the documentation on the right.
QLayout *frm_NonBreeding::countColumns()
{
    auto *left = new QVBoxLayout;
    left->addWidget(countFrame(this, tr("Antall"),
                               {{QT_TR_NOOP("Total"), "Text13", "Command6"},
                                {QT_TR_NOOP("Minimum"), "Text15", "Command7"},
                                {QT_TR_NOOP("Maximum"), "Text14", "Command8"}}));
    left->addWidget(countFrame(this, tr("Kjønn"),
                               {{QT_TR_NOOP("Hunner"), "Text2", "Command11"},
                                {QT_TR_NOOP("Hanner"), "Text3", "Command12"},
                                {QT_TR_NOOP("Ukjent"), "Text4", "Command13"}}));
    left->addWidget(countFrame(this, tr("Drakt"),
                               {{QT_TR_NOOP("Sommer"), "Text1", "Command18"},
                                {QT_TR_NOOP("Vinter"), "Text5", "Command19"},
                                {QT_TR_NOOP("Eklipse"), "Text6", "Command20"}}));
    auto *right = new QVBoxLayout;
    right->addWidget(countFrame(this, tr("Alder"),
                                {{QT_TR_NOOP("Voksne"), "Text7", "Command9"},
                                 {QT_TR_NOOP("Subadulte"), "Text8", "Command10"},
                                 {QT_TR_NOOP("1K"), "Text9", "Command2"},
                                 {QT_TR_NOOP("2K"), "Text10", "Command15"},
                                 {QT_TR_NOOP("3K"), "Text11", "Command16"},
                                 {QT_TR_NOOP("4K+"), "Text12", "Command17"}}));
    right->addWidget(commentFrame());
    right->addWidget(documentationFrame());
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    return columns;
}

QWidget *frm_NonBreeding::commentFrame()
{
    auto *frame = named(new QGroupBox(tr("Kommentar"), this), QStringLiteral("Frame3"));
    (new QVBoxLayout(frame))->addWidget(named(new QTextEdit(frame), QStringLiteral("Text16")));
    return frame;
}

QWidget *frm_NonBreeding::documentationFrame()
{
    auto *frame = named(new QGroupBox(tr("Documentation"), this), QStringLiteral("Frame16"));
    auto *documentation = new QHBoxLayout(frame);
    documentation->addWidget(named(new QListWidget(frame), QStringLiteral("List3")));
    documentation->addWidget(named(new QLabel(frame), QStringLiteral("Image1")));
    return frame;
}

// The sheet keeps nothing, so the record buttons have nothing to act on and stay disabled.
QLayout *frm_NonBreeding::commandRow()
{
    auto *buttons = new QHBoxLayout;
    for (auto [name, caption] : {std::pair{"Command14", QT_TR_NOOP("&Ny")},
                                 {"Command3", QT_TR_NOOP("&Edit")},
                                 {"Command4", QT_TR_NOOP("&Delete")},
                                 {"Command1", QT_TR_NOOP("&Archive")}}) {
        QPushButton *inactive = button(this, QLatin1String(name), tr(caption));
        inactive->setEnabled(false);
        buttons->addWidget(inactive);
    }
    buttons->addStretch();
    QPushButton *close = button(this, QStringLiteral("Command5"), tr("&Avslutt"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    return buttons;
}

} // namespace lirvenda
