#include "app/language.h"

#include "model/maintyp.h"
#include "model/translatable.h"
#include "typbin/typbin_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace velmora {

namespace {

UiLanguage Installed = UiLanguage::Russian;

bool IsRussian(const QString& name) {
    return NamesRussian(name.toStdString());
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
    // The window's texts are Russian in the source and get their English from velmora_en.qm; the
    // engines' texts (file errors) are English in the source and get their Russian from velmora_ru.qm.
    ProgramLoaded =
        ProgramTexts.load(QStringLiteral(":/i18n/velmora_") + LanguageCode(language) + QStringLiteral(".qm"));
    if (ProgramLoaded) QCoreApplication::installTranslator(&ProgramTexts);
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

QString EngineMessage(std::string_view message) {
    return QString::fromStdString(
        TranslateEngineText(message, EngineSentences(), [](const EngineSentence& sentence) {
            return QCoreApplication::translate(sentence.Context, sentence.Text).toStdString();
        }));
}

QString ErrorMessage(const std::exception& error) {
    const auto* file = dynamic_cast<const FileError*>(&error);
    if (!file) return EngineMessage(error.what());
    return QString::fromStdString(FileErrorText(
        *file, [](const char* text) { return QCoreApplication::translate("FileError", text).toStdString(); },
        Installed == UiLanguage::Russian));
}

UiLanguage CurrentUiLanguage() {
    return Installed;
}

QString HelpPageUrl() {
    return Installed == UiLanguage::Russian ? QStringLiteral("qrc:/help/velmora-help.html")
                                            : QStringLiteral("qrc:/help/velmora-help_en.html");
}

} // namespace velmora
