#pragma once

#include <QLocale>
#include <QString>

namespace lirvenda {

// The languages the program is shown in. Own is the program's own texts, untranslated;
// Norwegian is the same with its few English captions in Norwegian.
enum class Language { Own, Norwegian, English };

// The language of a locale name as the environment gives it ("nb_NO.UTF-8", "en_GB", "C"):
// Norwegian for nb, nn and no, English for en, the program's own texts for any other.
Language languageOfLocale(const QString &name);

// The language the user asks for: LIRVENDA_LANG when set, else the desktop's (the first of
// LC_ALL, LC_MESSAGES and LANG that is set, as for any program).
Language requestedLanguage();

// Shows the application's texts in the language from now on; the program's own texts need no
// translation. Needs the application object.
void installTranslation(Language language);

// The language installed, Own before any.
Language shownLanguage();

// The locale dates and month names are shown in: English for English, else Norwegian.
QLocale shownLocale();

} // namespace lirvenda
