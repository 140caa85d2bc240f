#include "gui/registration/PanelControls.h"

#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>

namespace lirvenda {

namespace {
constexpr int Spacing = 4;
constexpr int Margin = 6;
} // namespace

CompactButton::CompactButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSize CompactButton::sizeHint() const
{
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
                             style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    const int captionWidth = fontMetrics().size(Qt::TextShowMnemonic, text()).width();
    return {std::max(captionWidth + margins, fontMetrics().height() + margins), QPushButton::sizeHint().height()};
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QPushButton(caption, parent), name);
}

QPushButton *compactButton(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new CompactButton(caption, parent), name);
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QLabel(caption, parent), name);
}

QLineEdit *textBox(QWidget *parent, const QString &name) { return named(new QLineEdit(parent), name); }

QComboBox *comboBox(QWidget *parent, const QString &name, bool freeText)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(freeText);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(3);
    return combo;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QGroupBox(caption, parent), name);
}

QListWidget *listBox(QWidget *parent, const QString &name) { return named(new QListWidget(parent), name); }

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name);
}

void showComboText(QComboBox *combo, const QString &text)
{
    if (text.isEmpty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    if (combo->findText(text) < 0)
        combo->addItem(text);
    combo->setCurrentIndex(combo->findText(text));
}

void showKeyedEntry(QComboBox *combo, const KeyedEntry &entry)
{
    if (rowOfKey(combo, entry.key) < 0)
        addKeyedEntry(combo, entry);
    combo->setCurrentIndex(rowOfKey(combo, entry.key));
}

void showNumberedEntry(QComboBox *combo, const QString &stored)
{
    combo->setCurrentIndex(std::max(0, rowOfKey(combo, QString::number(stored.toInt()))));
}

QString keyInList(const QComboBox *combo, const QString &key) { return rowOfKey(combo, key) >= 0 ? key : QString(); }

QVBoxLayout *column(QWidget *owner, std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return layout;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    layout->setSpacing(Spacing);
    for (QWidget *widget : widgets) {
        if (widget)
            layout->addWidget(widget);
        else
            layout->addStretch();
    }
    return layout;
}

QGroupBox *framed(QGroupBox *frame, QLayout *contents)
{
    contents->setContentsMargins(Margin, Margin, Margin, Margin);
    contents->setSpacing(Spacing);
    frame->setLayout(contents);
    return frame;
}

} // namespace lirvenda
