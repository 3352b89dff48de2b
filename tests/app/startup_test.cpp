#include "app/Ab.h"
#include "app/map_preview.h"
#include "model/maintyp.h"
#include "tests/app/window_fixture.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace velmora {
namespace {

using StartupTest = WindowTest;

QStringList ButtonTexts(QButtonGroup* group) {
    QStringList texts;
    for (QAbstractButton* button : group->buttons())
        texts << button->text();
    return texts;
}

TEST_F(StartupTest, StartsAsAnEmptyDocumentWithTheCompileCommandDisabled) {
    EXPECT_EQ(Caption(), QStringLiteral("Редактор TYP-файла"));
    EXPECT_EQ(Form->size(), QSize(941, 792));
    EXPECT_FALSE(Form->ToolButton9->isEnabled());
    EXPECT_FALSE(Form->TYP1->isEnabled());
    for (QAction* action : Form->findChildren<QAction*>()) {
        if (action == Form->ToolButton9 || action == Form->TYP1 || action->isSeparator() || action->menu())
            continue;
        // The map preview's commands that need a map wait for one (tests/app/map_preview_test.cpp).
        if (const auto* owner = qobject_cast<QWidget*>(action->parent());
            owner && Form->MapPreview->isAncestorOf(owner))
            continue;
        // Nothing to undo or redo in a new document.
        const bool history = action == Form->Undo1 || action == Form->Redo1;
        EXPECT_EQ(action->isEnabled(), !history) << action->text().toStdString();
    }
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(Form->Document.CurrentObject, nullptr);
    EXPECT_EQ(ObjectCount(), 0);
    EXPECT_EQ(Form->Document.HeaderLines, DefaultHeaderLines());
    QString defaultHeader;
    for (const std::string& line : DefaultHeaderLines())
        defaultHeader += QString::fromStdString(line) + u'\n';
    defaultHeader.chop(1);
    EXPECT_EQ(Form->Memo1->toPlainText(), defaultHeader);
}

TEST_F(StartupTest, SelectorsStartAtPointsDayGpsmapRussianAndN) {
    EXPECT_EQ(ButtonTexts(Form->RadioGroup1),
              (QStringList{QStringLiteral("Точки"), QStringLiteral("Линии"), QStringLiteral("Полигоны")}));
    EXPECT_EQ(Form->RadioGroup1->checkedButton()->text(), QStringLiteral("Точки"));
    EXPECT_EQ(ButtonTexts(Form->RadioGroup2), (QStringList{QStringLiteral("День"), QStringLiteral("Ночь")}));
    EXPECT_EQ(Form->RadioGroup2->checkedButton()->text(), QStringLiteral("День"));
    EXPECT_EQ(ButtonTexts(Form->RadioGroup3),
              (QStringList{QStringLiteral("Стандартная"), QStringLiteral("GPSMAP 60C")}));
    EXPECT_EQ(Form->RadioGroup3->checkedButton()->text(), QStringLiteral("GPSMAP 60C"));
    EXPECT_EQ(Form->ComboBox3->currentText(), QStringLiteral("0x19 - russian"));
    EXPECT_EQ(Form->ComboBox3->count(), 35);
    EXPECT_EQ(Form->ComboBox5->currentText(), QStringLiteral("N"));
    EXPECT_EQ(Form->ComboBox4->count(), 270);
    EXPECT_EQ(Form->ScrollBar1->minimum(), 1);
    EXPECT_EQ(Form->ScrollBar1->maximum(), 20);
    EXPECT_EQ(Form->ScrollBar1->value(), 20);
    EXPECT_EQ(Form->ComboBox2->currentIndex(), -1);
}

TEST_F(StartupTest, PropertyColumnCarriesEveryCaption) {
    QStringList captions;
    for (QLabel* label : Form->PropertyColumn->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Ширина линии", "Шир.  бордюра", "Ориентация", "Цветов", "Символ", "Цвет",
                                "Размер по X", "Размер по Y", "Повторяемость", "Размер"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(Form->RadioGroup1Box->title(), QStringLiteral("Тип объекта"));
    EXPECT_EQ(Form->RadioGroup2Box->title(), QStringLiteral("Отобразить"));
    EXPECT_EQ(Form->RadioGroup3Box->title(), QStringLiteral("Палитра"));
    EXPECT_EQ(Form->CheckBox1->text(), QStringLiteral("Без матрицы"));
    EXPECT_EQ(Form->BitBtn1->text(), QStringLiteral("Добавить"));
    EXPECT_EQ(Form->BitBtn2->text(), QStringLiteral("&Отменить"));
    EXPECT_TRUE(Form->BitBtn1->isHidden());
    EXPECT_TRUE(Form->CheckBox1->isHidden());
    EXPECT_TRUE(Form->ComboBox4->isHidden());
    EXPECT_TRUE(Form->Edit2->isReadOnly());
    EXPECT_EQ(Form->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Form->LabelEditor->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(StartupTest, ToolbarButtonsCarryTheirHintsInOrder) {
    QStringList hints;
    for (QAction* action : Form->ToolBar1->actions())
        hints << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    EXPECT_EQ(hints,
              (QStringList{"Открыть файл  txt", "Открыть файл  typ", "Сохранить файл", "-", "Отменить",
                           "Повторить", "-", "Добавить объект", "Добавить рисунок", "Копировать в буфер",
                           "Вставить из буфера", "Удалить объект", "-", "Сохранить bmp", "Создать TYP"}));
    for (QAction* action : Form->ToolBar1->actions())
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
}

TEST_F(StartupTest, MenuHoldsItsItemsInOrder) {
    QStringList menus;
    for (QAction* menu : Form->menuBar()->actions()) {
        QString line = menu->text() + u':';
        for (QAction* item : menu->menu()->actions())
            line += u' ' + (item->isSeparator() ? QStringLiteral("-") : item->text());
        // The Alt letters are marked with "&"; the texts read without them.
        menus << line.remove(u'&');
    }
    EXPECT_EQ(
        menus,
        (QStringList{"Файл: Открыть Открыть typ Сохранить Сохранить как… - Язык интерфейса - Выход",
                     "Правка: Отменить Повторить",
                     "Создать: Точки Линии Полигоны - Копировать Вставить Удалить - Добавить bmp",
                     "Сохранить: BitMap TYP-файл", "Вид: Просмотр на карте", "Помощь: О программе Справка"}));
}

TEST_F(StartupTest, StatusBarHasTwoPanelsOf300And50Pixels) {
    EXPECT_EQ(Form->StatusPanels[0]->width(), 300);
    EXPECT_EQ(Form->StatusPanels[1]->width(), 50);
    EXPECT_TRUE(Form->StatusPanels[0]->text().isEmpty());
}

TEST_F(StartupTest, SettingsFileIsVelmoraIniAndNothingIsWrittenAtStart) {
    EXPECT_EQ(Form->IniFile->fileName(), TempFile("Velmora.ini"));
    EXPECT_EQ(Form->IniFile->format(), QSettings::IniFormat);
    Form->IniFile->sync();
    EXPECT_FALSE(QFile::exists(TempFile("Velmora.ini")));
}

TEST_F(StartupTest, ClosingWithoutChangesAsksNothing) {
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(Prompts.Log.empty());
}

TEST_F(StartupTest, AboutAndHelpAreShownThroughThePrompts) {
    Prompts.ExpectAbout();
    Form->N8->trigger();
    Prompts.ExpectHelp();
    Form->N9->trigger();
    EXPECT_TRUE(Prompts.ScriptDone());
}

TEST(AboutBoxTest, ShowsProductVersionAndComment) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version 15.2010"));
    EXPECT_FALSE(box.Copyright->text().isEmpty());
    EXPECT_EQ(box.Comments->text(), QStringLiteral("Создание и редактирование текстовых TYP-файлов"));
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
}

TEST(HelpTest, HelpPageCoversEveryCommandAndOpensAtItsContents) {
    QFile help(QStringLiteral(":/help/velmora-help.html"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    QString page = QString::fromUtf8(help.readAll());
    EXPECT_TRUE(page.contains(QStringLiteral("name=\"contents\"")));
    for (const char* command : {"Открыть",
                                "Открыть typ",
                                "Сохранить",
                                "Выход",
                                "Точки",
                                "Линии",
                                "Полигоны",
                                "Копировать",
                                "Вставить",
                                "Удалить",
                                "Добавить bmp",
                                "BitMap",
                                "TYP-файл",
                                "О программе",
                                "Справка",
                                "Открыть файл  txt",
                                "Открыть файл  typ",
                                "Сохранить файл",
                                "Добавить объект",
                                "Добавить рисунок",
                                "Копировать в буфер",
                                "Вставить из буфера",
                                "Удалить объект",
                                "Сохранить bmp",
                                "Создать TYP",
                                "Палитра",
                                "Отобразить",
                                "Тип объекта",
                                "Размер",
                                "Добавить",
                                "Отменить",
                                "Изменить"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(command))) << command;
}

} // namespace
} // namespace velmora
