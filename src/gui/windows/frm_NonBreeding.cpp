#include "gui/windows/frm_NonBreeding.h"

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
    const char *label;
    const char *box;
    const char *digits;
    QLineEdit **text;
    frm_NonBreeding::DigitRow *row;
};

// One frame of rows: a label, the number box and its ten digit buttons "0" to "9".
QGroupBox *countFrame(QWidget *parent, const QString &caption, const QList<CountRow> &rows)
{
    auto *frame = new QGroupBox(caption, parent);
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(2);
    for (int r = 0; r < rows.size(); ++r) {
        const CountRow &row = rows[r];
        grid->addWidget(new QLabel(QString::fromUtf8(row.label), frame), r, 0);
        QLineEdit *box = new QLineEdit(frame);
        box->setObjectName(QLatin1String(row.box));
        box->setMaximumWidth(70);
        *row.text = box;
        grid->addWidget(box, r, 1);
        for (int d = 0; d < 10; ++d) {
            auto *digit = new QPushButton(QString::number(d), frame);
            digit->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(row.digits)).arg(d));
            digit->setFixedWidth(26);
            digit->setAutoDefault(false);
            QObject::connect(digit, &QPushButton::clicked, box,
                             [box, d] { box->setText(withDigitTapped(box->text(), d)); });
            (*row.row)[d] = digit;
            grid->addWidget(digit, r, 2 + d);
        }
    }
    return frame;
}

QPushButton *commandButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frm_NonBreeding::frm_NonBreeding(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_NonBreeding"));
    setWindowTitle(QStringLiteral("Non-breeding distribution"));

    QGroupBox *count = countFrame(this, QStringLiteral("Antall"),
                                  {{"Total", "Text13", "Command6", &Text13, &Command6},
                                   {"Minimum", "Text15", "Command7", &Text15, &Command7},
                                   {"Maximum", "Text14", "Command8", &Text14, &Command8}});
    QGroupBox *sex = countFrame(this, QStringLiteral("Kjønn"),
                                {{"Hunner", "Text2", "Command11", &Text2, &Command11},
                                 {"Hanner", "Text3", "Command12", &Text3, &Command12},
                                 {"Ukjent", "Text4", "Command13", &Text4, &Command13}});
    QGroupBox *plumage = countFrame(this, QStringLiteral("Drakt"),
                                    {{"Sommer", "Text1", "Command18", &Text1, &Command18},
                                     {"Vinter", "Text5", "Command19", &Text5, &Command19},
                                     {"Eklipse", "Text6", "Command20", &Text6, &Command20}});
    QGroupBox *age = countFrame(this, QStringLiteral("Alder"),
                                {{"Voksne", "Text7", "Command9", &Text7, &Command9},
                                 {"Subadulte", "Text8", "Command10", &Text8, &Command10},
                                 {"1K", "Text9", "Command2", &Text9, &Command2},
                                 {"2K", "Text10", "Command15", &Text10, &Command15},
                                 {"3K", "Text11", "Command16", &Text11, &Command16},
                                 {"4K+", "Text12", "Command17", &Text12, &Command17}});

    Frame3 = new QGroupBox(QStringLiteral("Kommentar"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Text16 = new QTextEdit(Frame3);
    Text16->setObjectName(QStringLiteral("Text16"));
    (new QVBoxLayout(Frame3))->addWidget(Text16);
    Frame16 = new QGroupBox(QStringLiteral("Documentation"), this);
    Frame16->setObjectName(QStringLiteral("Frame16"));
    List3 = new QListWidget(Frame16);
    List3->setObjectName(QStringLiteral("List3"));
    Image1 = new QLabel(Frame16);
    Image1->setObjectName(QStringLiteral("Image1"));
    auto *documentation = new QHBoxLayout(Frame16);
    documentation->addWidget(List3);
    documentation->addWidget(Image1);

    // The sheet keeps nothing, so the record buttons have nothing to act on and stay disabled.
    Command14 = commandButton(this, "Command14", QStringLiteral("&Ny"));
    Command3 = commandButton(this, "Command3", QStringLiteral("&Edit"));
    Command4 = commandButton(this, "Command4", QStringLiteral("&Delete"));
    Command1 = commandButton(this, "Command1", QStringLiteral("&Archive"));
    Command5 = commandButton(this, "Command5", QStringLiteral("&Avslutt"));
    for (QPushButton *inactive : {Command14, Command3, Command4, Command1})
        inactive->setEnabled(false);
    connect(Command5, &QPushButton::clicked, this, &QDialog::accept);

    auto *left = new QVBoxLayout;
    left->addWidget(count);
    left->addWidget(sex);
    left->addWidget(plumage);
    auto *right = new QVBoxLayout;
    right->addWidget(age);
    right->addWidget(Frame3);
    right->addWidget(Frame16);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {Command14, Command3, Command4, Command1})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(Command5);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

} // namespace lirvenda
