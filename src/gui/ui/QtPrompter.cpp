#include "gui/ui/QtPrompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace lirvenda {

namespace {

const QString Title = QStringLiteral("Lirvenda");

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Exclamation: return QMessageBox::Warning;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::message(const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), Title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("QtPrompter", "OK"));
    box.exec();
}

bool QtPrompter::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, Title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtPrompter", "Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtPrompter", "Nei"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::input(const QString &title, const QString &prompt, const QString &defaultAnswer)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? Title : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    dialog.setOkButtonText(QCoreApplication::translate("QtPrompter", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtPrompter", "Avbryt"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtPrompter::beep() { QApplication::beep(); }

} // namespace lirvenda
