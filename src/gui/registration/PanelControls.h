#pragma once

// The controls the main window's panels are made of, each with its object name, and the rows and
// grids that lay them out.

#include "core/shared/DisplayTexts.h"

#include <QPushButton>

#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace lirvenda {

class KeyedListModel;

// The room between the controls of a panel: tight, so that the registration column fits a laptop
// screen at a larger font.
constexpr int PanelSpacing = 3;

// A button as wide as its caption needs: the style's minimum width would make the keypad, age and
// direction rows wider than the window.
class CompactButton : public QPushButton {
    Q_OBJECT
public:
    CompactButton(const QString &caption, QWidget *parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

QPushButton *button(QWidget *parent, const QString &name, const QString &caption = {});
QPushButton *compactButton(QWidget *parent, const QString &name, const QString &caption = {});
QLabel *label(QWidget *parent, const QString &name, const QString &caption);
QLineEdit *textBox(QWidget *parent, const QString &name);
QComboBox *comboBox(QWidget *parent, const QString &name, bool freeText = false);
// A choice box over a list of keyed entries: its choices are found by key through the list. Where
// the entries hide their keys behind blanks, the box grows no wider than keeps them out of sight.
enum class Keys { Shown, OutOfSight };
QComboBox *keyedComboBox(QWidget *parent, const QString &name, Keys keys = Keys::OutOfSight);
KeyedListModel &entriesOf(const QComboBox *keyedCombo);
QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption);
QListWidget *listBox(QWidget *parent, const QString &name);
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption);

// Choosing what a stored row holds. A stored text or key the list lacks is added, so that it shows
// and is written back unchanged; an empty text chooses nothing.
void showComboText(QComboBox *combo, const QString &text);
void showKeyedEntry(QComboBox *keyedCombo, const KeyedEntry &entry);
// The entry whose key is the stored number; the first entry when none is.
void showNumberedEntry(QComboBox *keyedCombo, const QString &stored);
// The entry with the key; none for an empty key or one the list lacks.
void chooseKey(QComboBox *keyedCombo, const QString &key);
// A stored key the list lacks chooses nothing.
QString keyInList(const QComboBox *keyedCombo, const QString &key);

// The width of the caption column the place and species panels share, so that their boxes line up:
// that of the longest caption, "Kommune/Naturtype".
int captionColumnWidth(const QWidget *panel);

// Layouts with the window's spacing; a null entry of a row is a stretch.
QVBoxLayout *column(QWidget *owner, std::initializer_list<QWidget *> widgets = {});
QHBoxLayout *row(std::initializer_list<QWidget *> widgets);
// A group box whose contents are laid out by the layout.
QGroupBox *framed(QGroupBox *frame, QLayout *contents);

} // namespace lirvenda
