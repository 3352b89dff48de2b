// The language of the window: Russian or English, chosen at start from the setting in Velmora.ini or,
// without one, from the user's language as Qt reports it. The program's texts are written in Russian;
// English comes from the translation built from translations/velmora_en.ts. Qt's own texts (file and
// colour dialogs, message box buttons, context menus) come from Qt's translations of the same language.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <exception>
#include <string_view>

namespace velmora {

enum class UiLanguage { Russian, English };

// Section "Interface", key "Language" of Velmora.ini: "ru", "en", or empty for the system's language.
inline constexpr char LanguageSettingKey[] = "Interface/Language";

// The setting decides when it names a language: "ru" (or "ru_RU", ...) Russian, any other name English.
// Without one the first of the user's languages decides: Russian for Russian, English for everything else.
UiLanguage ChooseUiLanguage(const QString& setting, const QStringList& userLanguages);

// The setting stored in Velmora.ini in settingsFolder ("" when there is none).
QString StoredLanguageSetting(const QString& settingsFolder);

// The language for a start in settingsFolder: its Velmora.ini and QLocale::system().uiLanguages().
UiLanguage StartLanguage(const QString& settingsFolder);

// The translators of one language, installed into the application while this lives. Only one set is
// installed at a time; the window reads CurrentUiLanguage() for what it cannot ask a translator (the help
// page).
class Translations {
  public:
    explicit Translations(UiLanguage language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    UiLanguage Language() const { return Chosen; }
    // Whether the program's own translation was found.
    bool ProgramTextsLoaded() const { return ProgramLoaded; }
    // Whether Qt's translation of the language was found.
    bool PlatformTextsLoaded() const { return PlatformLoaded; }

  private:
    UiLanguage Chosen;
    QTranslator ProgramTexts;
    QTranslator PlatformTexts;
    bool ProgramLoaded = false;
    bool PlatformLoaded = false;
};

// Where the user's locale speaks another language than the window, the window's language becomes the
// default locale (keeping the user's country), so that what Qt words by locale (the file types and
// number formats of the file dialog) follows the window too, and Qt's own dialogs replace the desktop's
// native ones, whose texts would follow the desktop. Returns whether anything was changed.
bool MatchLocaleToLanguage(UiLanguage language, const QLocale& userLocale);

// The message of an error in the window's language: a file error worded from its parts (the system's
// reason in the user's locale for Russian, in English otherwise), an engine's message (the compiler's,
// the import's, the reader's) worded from its sentence, any other error as it was written.
QString ErrorMessage(const std::exception& error);
// A message of the compiler, the import or the reader (UTF-8, English) in the window's language.
QString EngineMessage(std::string_view message);

// The language of the installed translations; Russian while none is installed.
UiLanguage CurrentUiLanguage();

// The help page of the current language, a resource URL.
QString HelpPageUrl();

} // namespace velmora
