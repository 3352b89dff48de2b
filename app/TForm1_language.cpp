// The interface language item of the "Файл" menu. The language is chosen once at start, so a choice
// is stored in Velmora.ini and takes effect at the next start.
#include "app/TForm1.h"
#include "app/language.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QSettings>

namespace velmora {

void TForm1::CreateLanguageMenu() {
    LanguageMenu = N1->addMenu(tr("&Язык интерфейса"));
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(LanguageMenu);
    const auto item = [&](QAction*& action, const QString& text, const char* name, const QString& setting) {
        action = LanguageMenu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, setting] { LanguageChoiceClick(setting); });
    };
    item(SystemLanguage1, tr("Как в системе"), "SystemLanguage1", QString());
    // The languages are named in their own language, so that a user who cannot read the window's
    // language still finds theirs.
    item(Russian1, QStringLiteral("Русский"), "Russian1", QStringLiteral("ru"));
    item(English1, QStringLiteral("English"), "English1", QStringLiteral("en"));
    SystemLanguage1->setChecked(true);
}

void TForm1::ShowLanguageSetting() {
    const QString setting = IniFile->value(QLatin1String(LanguageSettingKey)).toString().trimmed();
    QAction* ticked = SystemLanguage1;
    if (!setting.isEmpty())
        ticked = ChooseUiLanguage(setting, {}) == UiLanguage::Russian ? Russian1 : English1;
    ticked->setChecked(true);
}

void TForm1::LanguageChoiceClick(const QString& setting) {
    IniFile->setValue(QLatin1String(LanguageSettingKey), setting);
    // Only a stored choice that changes the language of the next start is worth a word.
    if (SaveSettings() && ChooseUiLanguage(setting, QLocale::system().uiLanguages()) != CurrentUiLanguage())
        Dialogs.Message(tr("Язык интерфейса сменится при следующем запуске программы."),
                        MessageKind::Information);
}

} // namespace velmora
