#include "gui/registration/PanelControls.h"

#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace lirvenda {

namespace {

constexpr int Margin = 6;

// The room the box's frame and arrow take besides its text.
int comboChrome(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = QRect(0, 0, 1000, combo->sizeHint().height());
    const QRect text =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return option.rect.width() - text.width();
}

// As wide as the shortest entry's text and blanks before its key.
void keepKeysOutOfSight(QComboBox *combo)
{
    int narrowest = QWIDGETSIZE_MAX;
    for (const KeyedEntry &entry : entriesOf(combo).entries())
        if (!entry.key.isEmpty())
            narrowest = std::min(narrowest,
                                 combo->fontMetrics().horizontalAdvance(entry.text.left(entry.text.lastIndexOf('['))));
    combo->setMaximumWidth(narrowest == QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : narrowest + comboChrome(combo));
}

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

QComboBox *keyedComboBox(QWidget *parent, const QString &name, Keys keys)
{
    QComboBox *combo = comboBox(parent, name);
    auto *entries = new KeyedListModel(combo);
    combo->setModel(entries);
    if (keys == Keys::OutOfSight) {
        QObject::connect(entries, &QAbstractItemModel::modelReset, combo, [combo] { keepKeysOutOfSight(combo); });
        QObject::connect(entries, &QAbstractItemModel::rowsInserted, combo, [combo] { keepKeysOutOfSight(combo); });
    }
    return combo;
}

KeyedListModel &entriesOf(const QComboBox *keyedCombo)
{
    auto *entries = qobject_cast<KeyedListModel *>(keyedCombo->model());
    Q_ASSERT(entries);
    return *entries;
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

void showKeyedEntry(QComboBox *keyedCombo, const KeyedEntry &entry)
{
    KeyedListModel &entries = entriesOf(keyedCombo);
    if (entries.rowOf(entry.key) < 0)
        entries.append(entry);
    keyedCombo->setCurrentIndex(entries.rowOf(entry.key));
}

void showNumberedEntry(QComboBox *keyedCombo, const QString &stored)
{
    keyedCombo->setCurrentIndex(std::max(0, entriesOf(keyedCombo).rowOf(QString::number(stored.toInt()))));
}

void chooseKey(QComboBox *keyedCombo, const QString &key)
{
    keyedCombo->setCurrentIndex(entriesOf(keyedCombo).rowOf(key));
}

QString keyInList(const QComboBox *keyedCombo, const QString &key)
{
    return entriesOf(keyedCombo).rowOf(key) >= 0 ? key : QString();
}

int captionColumnWidth(const QWidget *panel)
{
    return panel->fontMetrics().horizontalAdvance(
        QCoreApplication::translate("lirvenda::PlacePanel", "Kommune/Naturtype"));
}

QVBoxLayout *column(QWidget *owner, std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(PanelSpacing);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return layout;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    layout->setSpacing(PanelSpacing);
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
    contents->setSpacing(PanelSpacing);
    frame->setLayout(contents);
    return frame;
}

} // namespace lirvenda
