#include "core/shared/Language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

static void initTranslationResources() { Q_INIT_RESOURCE(translations); }

namespace lirvenda {

namespace {

Language installed = Language::Own;

} // namespace

Language languageOfLocale(const QString &name)
{
    static const QRegularExpression separators(QStringLiteral("[_.@-]"));
    const QString language = name.section(separators, 0, 0).toLower();
    if (language == u"nb" || language == u"nn" || language == u"no")
        return Language::Norwegian;
    if (language == u"en")
        return Language::English;
    return Language::Own;
}

Language requestedLanguage()
{
    for (const char *variable : {"LIRVENDA_LANG", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return languageOfLocale(value);
    }
    return Language::Own;
}

void installTranslation(Language language)
{
    if (language == Language::Own)
        return;
    initTranslationResources();
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString file = language == Language::English ? QStringLiteral(":/translations/lirvenda_en.qm")
                                                       : QStringLiteral(":/translations/lirvenda_nb.qm");
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        installed = language;
    else
        delete translator;
}

Language shownLanguage() { return installed; }

QLocale shownLocale()
{
    return installed == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                          : QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
}

} // namespace lirvenda
