// The window in both languages: Russian as the program is written, English from its translation. Every
// text a user sees is compared between two windows built the same way, one per language.
#include "app/Ab.h"
#include "app/language.h"
#include "dialogs/EdSymb.h"
#include "dialogs/G60Cx.h"
#include "tests/app/window_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <vector>

namespace velmora {
namespace {

struct ShownText {
    QString Where;
    QString Text;
    bool MustHaveText = false;
};

bool HasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

// The language items name each language in its own language, so "Русский" is the one Russian word of
// the English window.
QString WithoutEndonym(QString text) {
    return text.remove(QStringLiteral("Русский"));
}

QString WidgetName(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName();
}

// Every text of the widget and its children that the user can see: titles, captions, items, hints.
// The header memo and the label editor hold the document's text, not the program's.
std::vector<ShownText> TextsOf(QWidget* root) {
    std::vector<ShownText> texts;
    const auto add = [&](const QObject* where, const QString& what, const QString& text, bool must) {
        texts.push_back({WidgetName(where) + u' ' + what, text, must});
    };
    add(root, QStringLiteral("title"), root->windowTitle().remove(QStringLiteral("[*]")), true);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->toolTip().isEmpty()) add(widget, QStringLiteral("hint"), widget->toolTip(), true);
        if (auto* menu = qobject_cast<QMenu*>(widget)) add(menu, QStringLiteral("menu"), menu->title(), true);
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            add(box, QStringLiteral("box"), box->title(), false);
        if (auto* label = qobject_cast<QLabel*>(widget))
            if (label->pixmap().isNull()) add(label, QStringLiteral("label"), label->text(), false);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button, QStringLiteral("button"), button->text(),
                button->icon().isNull() && button->inherits("QRadioButton"));
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(edit, QStringLiteral("placeholder"), edit->placeholderText(), false);
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(list, QStringLiteral("item %1").arg(i), list->itemText(i), true);
    }
    for (QAction* action : root->findChildren<QAction*>()) {
        // Qt's own parts of a widget (the clear button of a line edit) carry no text of the program's.
        if (action->isSeparator() || action->objectName().startsWith(QStringLiteral("_q_"))) continue;
        add(action, QStringLiteral("action"), action->text(), true);
        add(action, QStringLiteral("action hint"), action->toolTip(), true);
    }
    return texts;
}

// The texts of the same widget built under each language, matched one by one: the English ones hold no
// Russian; a Russian text that the English window shows differently is Russian; one that it shows alike
// is a name or code that both languages share ("GPSMAP 60C", "OK", "0x19 - russian").
void ExpectBothLanguages(const std::function<std::vector<ShownText>()>& build) {
    std::vector<ShownText> russian;
    {
        const Translations language(UiLanguage::Russian);
        russian = build();
    }
    std::vector<ShownText> english;
    {
        const Translations language(UiLanguage::English);
        ASSERT_TRUE(language.ProgramTextsLoaded()) << "the English translation is not in the resources";
        english = build();
    }
    ASSERT_EQ(russian.size(), english.size());
    for (size_t i = 0; i < russian.size(); ++i) {
        const ShownText& ru = russian[i];
        const ShownText& en = english[i];
        ASSERT_EQ(ru.Where, en.Where);
        if (ru.MustHaveText) {
            EXPECT_FALSE(ru.Text.trimmed().isEmpty()) << ru.Where.toStdString();
            EXPECT_FALSE(en.Text.trimmed().isEmpty()) << en.Where.toStdString();
        }
        EXPECT_FALSE(HasCyrillic(WithoutEndonym(en.Text)))
            << en.Where.toStdString() << " has no English: " << en.Text.toStdString();
        if (ru.Text != en.Text)
            EXPECT_TRUE(HasCyrillic(ru.Text)) << ru.Where.toStdString() << ": " << ru.Text.toStdString();
        else
            EXPECT_FALSE(HasCyrillic(ru.Text) && ru.Text != QStringLiteral("Русский"))
                << ru.Where.toStdString();
    }
}

TEST(LanguageChoice, SettingOverridesTheUsersLanguageWhichDecidesOtherwise) {
    struct Case {
        const char* Setting;
        QStringList UserLanguages;
        UiLanguage Expected;
    };
    const Case cases[] = {
        {"", {"ru-RU", "en-US"}, UiLanguage::Russian},
        {"", {"ru"}, UiLanguage::Russian},
        {"", {"de-DE", "ru-RU"}, UiLanguage::English},
        {"", {"en-GB"}, UiLanguage::English},
        {"", {"C"}, UiLanguage::English},
        {"", {"rue-UA"}, UiLanguage::English},
        {"", {}, UiLanguage::English},
        {"en", {"ru-RU"}, UiLanguage::English},
        {"de", {"ru-RU"}, UiLanguage::English},
        {"ru", {"de-DE"}, UiLanguage::Russian},
        {"RU_ru", {"fr-FR"}, UiLanguage::Russian},
        {"  ", {"ru-RU"}, UiLanguage::Russian},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseUiLanguage(QString::fromLatin1(c.Setting), c.UserLanguages), c.Expected)
            << "setting '" << c.Setting << "', languages " << c.UserLanguages.join(u',').toStdString();
}

TEST(LanguageChoice, StartReadsTheSettingFromVelmoraIni) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(StoredLanguageSetting(folder.path()), QString());
    {
        QSettings ini(QDir(folder.path()).filePath(QStringLiteral("Velmora.ini")), QSettings::IniFormat);
        ini.setValue(QLatin1String(LanguageSettingKey), QStringLiteral("en"));
    }
    EXPECT_EQ(StoredLanguageSetting(folder.path()), QStringLiteral("en"));
    EXPECT_EQ(StartLanguage(folder.path()), UiLanguage::English);
}

TEST(LanguageChoice, EnglishBringsQtsOwnTextsAndHelpPageAlong) {
    {
        const Translations language(UiLanguage::Russian);
        EXPECT_TRUE(language.PlatformTextsLoaded())
            << "qtbase_ru.qm (Debian qt6-translations-l10n) is missing";
        // Qt's own texts: the buttons of its dialogs.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        EXPECT_EQ(CurrentUiLanguage(), UiLanguage::Russian);
        EXPECT_EQ(HelpPageUrl(), QStringLiteral("qrc:/help/velmora-help.html"));
    }
    const Translations language(UiLanguage::English);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::English);
    EXPECT_EQ(HelpPageUrl(), QStringLiteral("qrc:/help/velmora-help_en.html"));
}

TEST(LanguageChoice, LocaleOfAnotherLanguageYieldsToTheWindowsKeepingItsCountry) {
    const QLocale before;
    EXPECT_FALSE(MatchLocaleToLanguage(UiLanguage::Russian, QLocale(QStringLiteral("ru_RU"))));
    EXPECT_FALSE(MatchLocaleToLanguage(UiLanguage::English, QLocale(QStringLiteral("en_GB"))));
    EXPECT_EQ(QLocale(), before);
    EXPECT_TRUE(MatchLocaleToLanguage(UiLanguage::English, QLocale(QStringLiteral("de_DE"))));
    EXPECT_EQ(QLocale().language(), QLocale::English);
    EXPECT_EQ(QLocale().territory(), QLocale::Germany);
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    EXPECT_TRUE(MatchLocaleToLanguage(UiLanguage::Russian, QLocale(QStringLiteral("en_US"))));
    EXPECT_EQ(QLocale().language(), QLocale::Russian);
    QLocale::setDefault(before);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
}

TEST(HelpPage, EachLanguageHasItsPage) {
    EnsureResources();
    for (const UiLanguage shown : {UiLanguage::Russian, UiLanguage::English}) {
        const Translations language(shown);
        QFile page(QUrl(HelpPageUrl()).path().prepend(u':'));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << HelpPageUrl().toStdString();
        QString text = QString::fromUtf8(page.readAll());
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        EXPECT_GT(text.size(), 2000);
        if (shown == UiLanguage::English) {
            // The Russian names of the language items are quoted for Russian users; nothing else is Russian.
            text.remove(QStringLiteral("Язык интерфейса"))
                .remove(QStringLiteral("Как в системе"))
                .remove(QStringLiteral("Файл"));
            EXPECT_FALSE(HasCyrillic(WithoutEndonym(text)));
        } else {
            EXPECT_TRUE(HasCyrillic(text));
        }
    }
}

class LanguageWindowTest : public WindowTest {
  protected:
    std::vector<ShownText> FreshWindowTexts(const std::function<void(TForm1&)>& act) {
        Form = std::make_unique<TForm1>(Prompts, Temp.path());
        act(*Form);
        std::vector<ShownText> texts = TextsOf(Form.get());
        for (QLabel* panel : Form->statusBar()->findChildren<QLabel*>())
            texts.push_back({QStringLiteral("status"), panel->text(), false});
        return texts;
    }
};

TEST_F(LanguageWindowTest, MainWindowSpeaksEachLanguage) {
    ExpectBothLanguages([&] { return FreshWindowTexts([](TForm1&) {}); });
}

TEST_F(LanguageWindowTest, OpenDocumentAndItsUndoStepSpeakEachLanguage) {
    ExpectBothLanguages([&] {
        return FreshWindowTexts([&](TForm1& form) {
            Prompts.AnswerOpenFile(TestDataFile("window.txt"));
            form.ToolButton1Click();
            form.SpinEdit3->setValue(form.SpinEdit3->value());
            form.RadioGroup1->button(1)->click();
            if (form.SpinEdit1->isEnabled()) form.SpinEdit1->setValue(form.SpinEdit1->value() % 15 + 1);
        });
    });
}

TEST_F(LanguageWindowTest, CreationModeSpeaksEachLanguage) {
    for (int kind : {0, 1}) {
        ExpectBothLanguages([&] {
            return FreshWindowTexts([&](TForm1& form) {
                form.RadioGroup1->button(kind)->click();
                form.ToolButton5Click();
            });
        });
    }
}

TEST_F(LanguageWindowTest, MessagesSpeakEachLanguage) {
    std::vector<QString> russian;
    std::vector<QString> english;
    for (const UiLanguage shown : {UiLanguage::Russian, UiLanguage::English}) {
        const Translations language(shown);
        ScriptedPrompts prompts;
        TForm1 form(prompts, Temp.path());
        prompts.AnswerOpenFile(TestDataFile("does-not-exist.txt"));
        form.ToolButton1Click();
        prompts.AnswerOpenFile(TestDataFile("window.txt"));
        form.ToolButton1Click();
        form.SpinEdit1->setValue(form.SpinEdit1->value() % 15 + 1);
        prompts.AnswerSaveFile(QDir(Temp.path()).filePath(QStringLiteral("no/such/folder.txt")));
        form.SaveAs1Click();
        prompts.AnswerQuestion(Answer::Cancel);
        form.FormClose();
        form.LanguageChoiceClick(shown == UiLanguage::Russian ? QStringLiteral("en") : QStringLiteral("ru"));
        std::vector<QString>& said = shown == UiLanguage::Russian ? russian : english;
        for (const ScriptedPrompts::Asked& asked : prompts.Log)
            said.push_back(asked.Text);
    }
    ASSERT_EQ(russian.size(), english.size());
    ASSERT_GE(russian.size(), 3u);
    for (size_t i = 0; i < russian.size(); ++i) {
        EXPECT_TRUE(HasCyrillic(russian[i])) << russian[i].toStdString();
        EXPECT_FALSE(HasCyrillic(english[i])) << english[i].toStdString();
    }
    EXPECT_EQ(russian.back(), QStringLiteral("Язык интерфейса сменится при следующем запуске программы."));
    // A file error is worded in the window's language; in English it reads as the engine wrote it.
    const QString folder = QDir(Temp.path()).filePath(QStringLiteral("no/such/folder.txt"));
    EXPECT_TRUE(std::find(russian.begin(), russian.end(),
                          QStringLiteral("Не удаётся создать файл \"%1\". ").arg(folder) +
                              QString::fromStdString(SystemErrorText(ENOENT, true))) != russian.end());
    EXPECT_TRUE(
        std::find(english.begin(), english.end(),
                  QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(folder)) !=
        english.end());
}

// Words of English in a message of the Russian window: two Latin words in a row, once the file names,
// the quoted texts of the document and the system's own bilingual text are taken out.
QString EnglishIn(QString message, const QStringList& paths) {
    for (const QString& path : paths)
        message.remove(path);
    message.remove(QRegularExpression(QStringLiteral("\"[^\"]*\"")));
    message.remove(QStringLiteral("Этот файл не GARMIN TYP\rNot a Garmin TYP file"));
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}[ ,;:]+[A-Za-z]{2,}"));
    const QRegularExpressionMatch found = words.match(message);
    return found.hasMatch() ? found.captured() : QString();
}

// The messages of the compiler, the import and the reader reach the user in the window's language.
TEST_F(LanguageWindowTest, EngineMessagesAreShownInTheWindowsLanguage) {
    for (const UiLanguage shown : {UiLanguage::Russian, UiLanguage::English}) {
        const Translations language(shown);
        ScriptedPrompts prompts;
        TForm1 form(prompts, Temp.path());
        // A compile error names the object and its reason.
        prompts.AnswerOpenFile(TestDataFile("line_16_wide.txt"));
        form.ToolButton1Click();
        prompts.AnswerCompiler(Answer::Ok);
        form.ToolButton9Click();
        // Compiler warnings.
        prompts.AnswerOpenFile(TestDataFile("compilable.txt"));
        form.ToolButton1Click();
        form.Document.LineList[0]->Labels.push_back("Nolang");
        form.Document.LineList.push_back(std::make_unique<TGarminObject>(*form.Document.LineList[0]));
        prompts.AnswerCompiler(Answer::Ok);
        prompts.AnswerSaveFile(QDir(Temp.path()).filePath(QStringLiteral("out.typ")));
        form.ToolButton9Click();
        // A file that is no compiled TYP, and one that ends early.
        prompts.AnswerOpenFile(TestDataFile("not_typ.typ"));
        form.ToolButton13Click();
        std::string cut = FileBytes(QDir(Temp.path()).filePath(QStringLiteral("out.typ")));
        ASSERT_GT(cut.size(), 100u);
        cut.resize(cut.size() - 20);
        const QString cutFile = QDir(Temp.path()).filePath(QStringLiteral("cut.typ"));
        {
            QFile file(cutFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(cut.data(), qint64(cut.size()));
        }
        prompts.AnswerOpenFile(cutFile);
        form.ToolButton13Click();
        // A number of the text file that does not convert.
        prompts.AnswerOpenFile(TestDataFile("broken.txt"));
        form.ToolButton1Click();

        const std::vector<QString> messages = prompts.Messages();
        ASSERT_EQ(messages.size(), 5u);
        const QStringList paths{QDir::toNativeSeparators(Temp.path()),
                                QFileInfo(TestDataFile("x")).absolutePath()};
        for (const QString& message : messages) {
            if (shown == UiLanguage::English) {
                EXPECT_FALSE(HasCyrillic(message)) << message.toStdString();
            } else {
                EXPECT_TRUE(HasCyrillic(message)) << message.toStdString();
                EXPECT_EQ(EnglishIn(message, paths), QString()) << message.toStdString();
            }
        }
    }
}

// A compiled file cut short far before its end, opened by each command that reads compiled files:
// the Russian window says all of it in Russian, the session's sentence and the import's alike.
TEST_F(LanguageWindowTest, CompiledFileCutShortIsToldWhollyInRussian) {
    VELMORA_NEED_CORPUS("freizeit.typ");
    const QString cut = QDir(Temp.path()).filePath(QStringLiteral("cut.typ"));
    {
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(FileBytes(CorpusFile("freizeit.typ")).substr(0, 300)));
    }
    const Translations language(UiLanguage::Russian);
    ScriptedPrompts prompts;
    TForm1 form(prompts, Temp.path());
    prompts.AnswerOpenFile(cut);
    form.ToolButton13Click();
    form.OpenFile(cut);
    prompts.AnswerOpenFile(cut);
    form.ToolButton1Click();
    const std::vector<QString> messages = prompts.Messages();
    ASSERT_EQ(messages.size(), 3u);
    for (const QString& message : messages) {
        EXPECT_TRUE(
            message.startsWith(QStringLiteral("Файл typ повреждён или обрывается: прочитано объектов 0 "
                                              "(точек 0, линий 0, полигонов 0).\rФайл обрывается после "
                                              "300 из 38371 байт")))
            << message.toStdString();
        EXPECT_EQ(EnglishIn(message, {}), QString()) << message.toStdString();
    }
}

TEST_F(LanguageWindowTest, LanguageItemStoresTheChoiceForTheNextStart) {
    const auto ticked = [&] {
        for (QAction* item : {Form->SystemLanguage1, Form->Russian1, Form->English1})
            if (item->isChecked()) return item;
        return static_cast<QAction*>(nullptr);
    };
    EXPECT_EQ(ticked(), Form->SystemLanguage1);
    Form->English1->trigger();
    EXPECT_EQ(StoredLanguageSetting(Temp.path()), QStringLiteral("en"));
    Form = std::make_unique<TForm1>(Prompts, Temp.path());
    EXPECT_EQ(ticked(), Form->English1);
    Form->SystemLanguage1->trigger();
    EXPECT_EQ(StoredLanguageSetting(Temp.path()), QString());
    Prompts.Log.clear();
}

TEST(LanguageDialogs, DialogsSpeakEachLanguage) {
    ExpectBothLanguages([] {
        TAboutBox about;
        return TextsOf(&about);
    });
    ExpectBothLanguages([] {
        TGarmin60Dlg palette;
        TOKBottomDlg1 editor(&palette);
        std::vector<ShownText> texts = TextsOf(&editor);
        for (ShownText& text : TextsOf(&palette))
            texts.push_back(text);
        return texts;
    });
    ExpectBothLanguages([] {
        TOKBottomDlg compiler;
        return TextsOf(&compiler);
    });
}

} // namespace
} // namespace velmora
