// The map preview in the main window: the dock, its menu item, and what its clicks do in the editor.
#include "app/TForm1.h"

#include "app/creation_mode.h"
#include "app/language.h"
#include "app/map_preview.h"
#include "commands/new_object.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

namespace velmora {

namespace {

const QString WindowStateKey = QStringLiteral("Window/State");
// The width the dock opens with.
constexpr int MapPreviewWidth = 520;

} // namespace

void TForm1::CreateMapPreview() {
    MapPreview = new MapPreviewPanel(Dialogs, this);
    MapPreview->SetDocument(&Document);
    // Every change of the document, whichever command made it, redraws the map.
    connect(&Session, &DocumentSession::Changed, MapPreview, &MapPreviewPanel::DocumentChanged);
    addDockWidget(Qt::LeftDockWidgetArea, MapPreview);
    // Shown by the menu "Вид" or as Velmora.ini remembers it.
    MapPreview->hide();
    QAction* toggle = MapPreview->toggleViewAction();
    toggle->setText(tr("&Просмотр на карте"));
    toggle->setObjectName(QStringLiteral("MapPreview1"));
    // The dock takes its room beside the object view from a wider window where the screen has it.
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        if (shown) WidenForMapPreview();
    });
    ViewMenu = new QMenu(tr("&Вид"), this);
    ViewMenu->addAction(toggle);
    menuBar()->insertMenu(N19->menuAction(), ViewMenu);

    connect(MapPreview, &MapPreviewPanel::ObjectPicked, this, &TForm1::ShowMapType);
    connect(MapPreview, &MapPreviewPanel::CreateTypeRequested, this, &TForm1::OfferMapTypeCreation);
    connect(MapPreview, &MapPreviewPanel::OpenStyleRequested, this, &TForm1::OpenMapStyle);
    connect(MapPreview, &MapPreviewPanel::StatusMessage, this,
            [this](const QString& text) { StatusBar1->showMessage(text); });
    // The map follows the editor's day and night, however the choice is made.
    connect(static_cast<QRadioButton*>(RadioGroup2->button(Night)), &QRadioButton::toggled, this,
            [this] { MapPreview->SetNight(ShownView() == Night); });
}

void TForm1::RestoreMapPreview() {
    const QByteArray state = IniFile->value(WindowStateKey).toByteArray();
    if (!state.isEmpty()) restoreState(state);
    MapPreview->RestoreSettings(*IniFile);
    // Maps named in the settings of a window that never kept its docks' places: the panel shows them.
    if (state.isEmpty() && !MapPreview->MapPaths().isEmpty()) {
        MapPreview->show();
        WidenForMapPreview();
    }
}

void TForm1::WidenForMapPreview() {
    if (isMaximized() || isFullScreen() || MapPreview->isFloating()) return;
    const QScreen* screen = this->screen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int room = available.width() - frameGeometry().width();
        if (room > 0) resize(width() + std::min(room, MapPreviewWidth), height());
        // Moved left as far as it must to stay on the screen.
        const int over = frameGeometry().right() - available.right();
        if (over > 0) move(std::max(available.left(), x() - over), y());
    }
    resizeDocks({MapPreview}, {MapPreviewWidth}, Qt::Horizontal);
}

void TForm1::SaveMapPreview() {
    IniFile->setValue(WindowStateKey, saveState());
    MapPreview->SaveSettings(*IniFile);
}

void TForm1::ShowMapType(const MapTypeKey& key) {
    if (Creation->Active()) return;
    const TGarminObject* object = FindStyleObject(Document, key);
    if (!object) return;
    SetChosenKindSilently(object->Kind);
    RadioGroup1Click();
    const ObjectList& list = Document.List(object->Kind);
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() != object) continue;
        // An object the filter leaves out of the list is shown all the same: the filter goes.
        if (!MatchesObjectFilter(int(i))) ObjectFilter->clear();
        ChooseObjectSilently(int(i));
        return;
    }
}

void TForm1::OfferMapTypeCreation(const MapTypeKey& key) {
    if (Creation->Active()) return;
    TGarminObject typed;
    SetMapType(typed, key);
    const QString question =
        tr("В стиле нет типа %1 (%2).\rСоздать его?")
            .arg(QString::fromStdString(MapTypeText(key)), typed.Kind == KindPoint  ? tr("точка")
                                                           : typed.Kind == KindLine ? tr("линия")
                                                                                    : tr("полигон"));
    if (Dialogs.Ask(question, QuestionButtons::YesNo, MessageKind::Information) != Answer::Yes) return;
    SetChosenKindSilently(typed.Kind);
    RadioGroup1Click();
    ToolButton5Click();
    // The creation fields hold the codes as the object list writes them: "2A/05", "10E07".
    const QString code = ListLabel(typed);
    Edit3->setText(code.section(u'/', 0, 0));
    if (typed.Kind == KindPoint) Edit1->setText(code.section(u'/', 1, 1));
}

void TForm1::OpenMapStyle(const QByteArray& bytes, const QString& name) {
    if (Creation->Active() || !MayDiscardDocument()) return;
    ShowOpened([&] { return Session.ImportBytes(bytes, name); }, name);
}

} // namespace velmora
