#include "core/shared/Prompter.h"

#include <QTextStream>

#include <QCoreApplication>
#include <exception>

namespace lirvenda {

namespace {

// Without windows nobody can answer: messages are written out, questions and inputs declined.
class ConsolePrompter : public Prompter {
public:
    void message(const QString &text, Icon) override { QTextStream(stderr) << text << '\n'; }
    bool askYesNo(const QString &text) override
    {
        QTextStream(stderr) << text << '\n';
        return false;
    }
    std::optional<QString> input(const QString &, const QString &prompt, const QString &) override
    {
        QTextStream(stderr) << prompt << '\n';
        return std::nullopt;
    }
    void beep() override {}
};

std::unique_ptr<Prompter> &current()
{
    static std::unique_ptr<Prompter> instance = std::make_unique<ConsolePrompter>();
    return instance;
}

} // namespace

Prompter &prompter() { return *current(); }

std::unique_ptr<Prompter> setPrompter(std::unique_ptr<Prompter> replacement)
{
    std::swap(current(), replacement);
    return replacement;
}

bool succeeds(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &error) {
        prompter().critical(QString::fromUtf8(error.what()));
    } catch (...) {
        prompter().critical(QCoreApplication::translate("Prompter", "En ukjent feil oppstod."));
    }
    return false;
}

} // namespace lirvenda
