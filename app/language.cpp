#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace velmora {

namespace {

UiLanguage Installed = UiLanguage::Russian;

bool IsRussian(const QString& name) {
    return name.startsWith(QLatin1String("ru"), Qt::CaseInsensitive);
}

QString LanguageCode(UiLanguage language) {
    return language == UiLanguage::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

} // namespace

UiLanguage ChooseUiLanguage(const QString& setting, const QStringList& userLanguages) {
    const QString chosen = setting.trimmed();
    if (!chosen.isEmpty()) return IsRussian(chosen) ? UiLanguage::Russian : UiLanguage::English;
    return !userLanguages.isEmpty() && IsRussian(userLanguages.constFirst()) ? UiLanguage::Russian
                                                                             : UiLanguage::English;
}

QString StoredLanguageSetting(const QString& settingsFolder) {
    const QSettings ini(QDir(settingsFolder).filePath(QStringLiteral("Velmora.ini")), QSettings::IniFormat);
    return ini.value(QLatin1String(LanguageSettingKey)).toString();
}

UiLanguage StartLanguage(const QString& settingsFolder) {
    return ChooseUiLanguage(StoredLanguageSetting(settingsFolder), QLocale::system().uiLanguages());
}

Translations::Translations(UiLanguage language) : Chosen(language) {
    // The program's texts are Russian in the source; only English needs a translation of them.
    if (language == UiLanguage::Russian) {
        ProgramLoaded = true;
    } else {
        ProgramLoaded = ProgramTexts.load(QStringLiteral(":/i18n/velmora_en.qm"));
        if (ProgramLoaded) QCoreApplication::installTranslator(&ProgramTexts);
    }
    PlatformLoaded = PlatformTexts.load(QStringLiteral("qtbase_") + LanguageCode(language),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (PlatformLoaded) QCoreApplication::installTranslator(&PlatformTexts);
    Installed = language;
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&ProgramTexts);
    QCoreApplication::removeTranslator(&PlatformTexts);
    Installed = UiLanguage::Russian;
}

bool MatchLocaleToLanguage(UiLanguage language, const QLocale& userLocale) {
    const QLocale::Language spoken = language == UiLanguage::Russian ? QLocale::Russian : QLocale::English;
    if (userLocale.language() == spoken) return false;
    QLocale::setDefault(QLocale(spoken, userLocale.territory()));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    return true;
}

UiLanguage CurrentUiLanguage() {
    return Installed;
}

QString HelpPageUrl() {
    return Installed == UiLanguage::Russian ? QStringLiteral("qrc:/help/velmora-help.html")
                                            : QStringLiteral("qrc:/help/velmora-help_en.html");
}

} // namespace velmora
