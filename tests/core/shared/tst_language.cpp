#include "core/shared/Language.h"

#include <QtTest>

using namespace lirvenda;

// The language the program is shown in follows the desktop's locale, LIRVENDA_LANG first.
class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void localeNamesChooseTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("language");
        QTest::newRow("Bokmål") << "nb_NO.UTF-8" << Language::Norwegian;
        QTest::newRow("Nynorsk") << "nn_NO" << Language::Norwegian;
        QTest::newRow("old Norwegian") << "no_NO@euro" << Language::Norwegian;
        QTest::newRow("British") << "en_GB.UTF-8" << Language::English;
        QTest::newRow("bare en") << "en" << Language::English;
        QTest::newRow("German has no translation") << "de_DE.UTF-8" << Language::Own;
        QTest::newRow("C") << "C" << Language::Own;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << Language::Own;
        QTest::newRow("POSIX") << "POSIX" << Language::Own;
        QTest::newRow("a word beginning en") << "eng" << Language::Own;
    }
    void localeNamesChooseTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(Language, language);
        QCOMPARE(languageOfLocale(locale), language);
    }

    void theOverrideComesBeforeTheDesktopAndLcAllBeforeLang()
    {
        qputenv("LANG", "nb_NO.UTF-8");
        qputenv("LC_MESSAGES", "en_GB.UTF-8");
        qputenv("LC_ALL", "");
        qputenv("LIRVENDA_LANG", "");
        QCOMPARE(requestedLanguage(), Language::English);
        qputenv("LC_ALL", "C");
        QCOMPARE(requestedLanguage(), Language::Own);
        qputenv("LIRVENDA_LANG", "nb");
        QCOMPARE(requestedLanguage(), Language::Norwegian);
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
