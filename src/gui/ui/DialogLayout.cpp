#include "gui/ui/DialogLayout.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace lirvenda {

QHBoxLayout *buttonRow(const QList<QWidget *> &leftButtons, const QList<QWidget *> &rightButtons)
{
    auto *buttons = new QHBoxLayout;
    for (QWidget *button : leftButtons)
        buttons->addWidget(button);
    buttons->addStretch();
    for (QWidget *button : rightButtons)
        buttons->addWidget(button);
    return buttons;
}

void layOutFramesAndButtons(QWidget *window, const QList<QWidget *> &frames, const QList<QWidget *> &leftButtons,
                            const QList<QWidget *> &rightButtons)
{
    QHBoxLayout *buttons = buttonRow(leftButtons, rightButtons);
    auto *layout = new QVBoxLayout(window);
    for (QWidget *frame : frames)
        layout->addWidget(frame);
    layout->addLayout(buttons);
}

} // namespace lirvenda
