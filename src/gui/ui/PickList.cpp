#include "gui/ui/PickList.h"

#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

void layOutPickList(QDialog *window, const QString &frameCaption, KeyedListModel *entries, QSize leastInCharacters,
                    const std::function<void(const QModelIndex &)> &picked)
{
    auto *frame = named(new QGroupBox(frameCaption, window), QStringLiteral("Frame1"));
    auto *list = named(new QListView(frame), QStringLiteral("List1"));
    auto *cancel =
        named(new QPushButton(QCoreApplication::translate("PickList", "&Avbryt"), window), QStringLiteral("Command1"));
    list->setModel(entries);
    const QFontMetrics metrics = list->fontMetrics();
    list->setMinimumSize(metrics.averageCharWidth() * leastInCharacters.width(),
                         metrics.height() * leastInCharacters.height());
    (new QVBoxLayout(frame))->addWidget(list);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(frame);
    layout->addWidget(cancel, 0, Qt::AlignRight);

    QObject::connect(list, &QListView::clicked, window, picked);
    QObject::connect(list, &QListView::activated, window, picked); // Enter, for the keyboard
    QObject::connect(cancel, &QPushButton::clicked, window, &QDialog::reject);
}

} // namespace lirvenda
