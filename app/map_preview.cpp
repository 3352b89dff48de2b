#include "app/map_preview.h"

#include "app/language.h"
#include "map/img_reader.h"
#include "view/map_hit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

namespace {

const QString MapsKey = QStringLiteral("MapPreview/Maps");
const QString LongitudeKey = QStringLiteral("MapPreview/Longitude");
const QString LatitudeKey = QStringLiteral("MapPreview/Latitude");
const QString ScaleKey = QStringLiteral("MapPreview/Scale");
const QString ShowUndefinedKey = QStringLiteral("MapPreview/ShowUndefined");

// The scale's limits in degrees per pixel: from a sixteenth of a map unit to the whole world in a
// few hundred pixels.
constexpr double FinestScale = MapUnitDegrees / 16;
constexpr double CoarsestScale = 360.0 / 256;
// One step of "+", "-" or the wheel doubles or halves the scale.
constexpr double ZoomFactor = 2;
// A press and release closer than this many pixels is a click, not a drag.
constexpr int ClickSlop = 3;

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString KindText(MapKind kind) {
    switch (kind) {
    case MapKind::Point:
        return MapPreviewPanel::tr("Точка");
    case MapKind::Line:
        return MapPreviewPanel::tr("Линия");
    case MapKind::Polygon:
        break;
    }
    return MapPreviewPanel::tr("Полигон");
}

QString TypeText(const MapTypeKey& key) {
    return QString::fromStdString(MapTypeText(key));
}

} // namespace

// The map itself: the picture, moved by dragging and the arrow keys, zoomed by the wheel and the
// plus and minus keys; a click asks what lies there.
class MapCanvas : public QWidget {
  public:
    explicit MapCanvas(MapPreviewPanel* panel) : QWidget(panel), Panel(panel) {
        setObjectName(QStringLiteral("MapCanvas"));
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(120, 120);
        setMouseTracking(false);
    }
    // Where the last picture stands while a drag waits for the next one.
    QPointF Shift;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        painter.drawImage(Shift, Panel->Drawn);
        if (Panel->OpenedMaps.empty()) {
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(
                rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                MapPreviewPanel::tr("Откройте карту Garmin (.img), чтобы увидеть на ней стиль."));
        }
    }
    void resizeEvent(QResizeEvent*) override {
        // A map opened while the panel was hidden is fitted to the size the panel shows it at.
        if (Panel->FitPending && isVisible())
            Panel->FitMap();
        else
            Panel->ScheduleRedraw();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        Pressed = true;
        Dragged = false;
        PressPoint = LastPoint = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!Pressed) return;
        if ((event->position() - PressPoint).manhattanLength() >= ClickSlop) Dragged = true;
        if (!Dragged) return;
        Panel->PanBy(LastPoint - event->position());
        LastPoint = event->position();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !Pressed) return;
        Pressed = false;
        unsetCursor();
        if (!Dragged) Panel->PickAt(event->position());
    }
    void wheelEvent(QWheelEvent* event) override {
        const double steps = event->angleDelta().y() / 120.0;
        if (steps != 0) Panel->ZoomBy(steps, event->position());
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        const QPointF middle(width() / 2.0, height() / 2.0);
        switch (event->key()) {
        case Qt::Key_Left:
            Panel->PanBy(QPointF(-width() / 4.0, 0));
            break;
        case Qt::Key_Right:
            Panel->PanBy(QPointF(width() / 4.0, 0));
            break;
        case Qt::Key_Up:
            Panel->PanBy(QPointF(0, -height() / 4.0));
            break;
        case Qt::Key_Down:
            Panel->PanBy(QPointF(0, height() / 4.0));
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            Panel->ZoomBy(1, middle);
            break;
        case Qt::Key_Minus:
            Panel->ZoomBy(-1, middle);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
        event->accept();
    }

  private:
    MapPreviewPanel* Panel;
    bool Pressed = false;
    bool Dragged = false;
    QPointF PressPoint, LastPoint;
};

MapPreviewPanel::MapPreviewPanel(Prompts& prompts, QWidget* parent) : QDockWidget(parent), Dialogs(prompts) {
    setObjectName(QStringLiteral("MapPreview"));
    setWindowTitle(tr("Просмотр на карте"));
    auto* contents = new QWidget(this);
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    // Two rows of buttons, so that every command stays in sight in a narrow dock: the maps, then
    // the view and the map's style.
    QHBoxLayout* row = nullptr;
    const auto newRow = [&] {
        row = new QHBoxLayout;
        row->setSpacing(2);
        layout->addLayout(row);
    };
    const auto add = [&](const QString& text, auto&& slot) {
        auto* action = new QAction(text, this);
        connect(action, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
        auto* button = new QToolButton(contents);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        row->addWidget(button);
        return action;
    };
    const auto centre = [this] { return QPointF(MapView->width() / 2.0, MapView->height() / 2.0); };
    newRow();
    OpenMap = add(tr("Открыть карту…"), [this] { ChooseMaps(false); });
    AddMap = add(tr("Добавить карту…"), [this] { ChooseMaps(true); });
    CloseMapsAction = add(tr("Закрыть карты"), [this] { CloseMaps(); });
    row->addStretch();
    newRow();
    Fit = add(tr("Вся карта"), [this] { FitMap(); });
    ZoomIn = add(QStringLiteral("+"), [this, centre] { ZoomBy(1, centre()); });
    ZoomOut = add(QStringLiteral("−"), [this, centre] { ZoomBy(-1, centre()); });
    ZoomIn->setToolTip(tr("Крупнее"));
    ZoomOut->setToolTip(tr("Мельче"));
    ShowUndefined = add(tr("Типы без стиля"), [this] { ScheduleRedraw(); });
    ShowUndefined->setCheckable(true);
    ShowUndefined->setChecked(true);
    ShowUndefined->setToolTip(tr("Показывать серым объекты тех типов, которых нет в стиле"));
    // The editor's day and night choice sets it, but the editor offers that choice only for objects
    // with a night picture of their own: the map can go to night with any object shown.
    NightAction = add(tr("Ночь"), [this] {
        Night = NightAction->isChecked();
        ScheduleRedraw();
    });
    NightAction->setCheckable(true);
    NightAction->setToolTip(tr("Ночные цвета стиля"));
    OpenStyle = add(tr("Открыть стиль карты"), [this] { OpenOwnStyle(); });
    OpenStyle->setToolTip(tr("Открыть как документ TYP-файл, записанный в карте"));
    row->addStretch();

    Tabs = new QTabWidget(contents);
    MapView = new MapCanvas(this);
    Tabs->addTab(MapView, tr("Карта"));
    Gaps = new QTreeWidget(contents);
    Gaps->setObjectName(QStringLiteral("MapStyleGaps"));
    Gaps->setHeaderLabels({tr("Вид"), tr("Тип"), tr("Объектов")});
    Gaps->setRootIsDecorated(true);
    connect(Gaps, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant key = item->data(0, Qt::UserRole);
        if (!key.isValid()) return;
        const QList<QVariant> parts = key.toList();
        const MapTypeKey type{MapKind(parts[0].toInt()), parts[1].toUInt(), parts[2].toUInt()};
        if (Document && FindStyleObject(*Document, type))
            emit ObjectPicked(type);
        else
            emit CreateTypeRequested(type);
    });
    Tabs->addTab(Gaps, tr("Нет в стиле"));
    layout->addWidget(Tabs, 1);

    Info = new QLabel(contents);
    Info->setObjectName(QStringLiteral("MapPreviewInfo"));
    Info->setWordWrap(true);
    Info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Info);
    setWidget(contents);
    UpdateActions();
}

MapPreviewPanel::~MapPreviewPanel() = default;

void MapPreviewPanel::SetDocument(const TypDocument* document) {
    Document = document;
    DocumentChanged();
}

void MapPreviewPanel::SetNight(bool night) {
    if (Night == night) return;
    Night = night;
    NightAction->setChecked(night);
    ScheduleRedraw();
}

QWidget* MapPreviewPanel::Canvas() const {
    return MapView;
}

QString MapPreviewPanel::PickedText() const {
    return LastPickedText;
}

// ---------------------------------------------------------------------------------------------
// Maps

QString MapPreviewPanel::ReadMap(const QString& path, std::unique_ptr<MapFile>& map) {
    try {
        map = std::make_unique<MapFile>(ReadImgMap(LocalPath(path)));
        return {};
    } catch (const std::bad_alloc&) {
        return tr("Недостаточно памяти, чтобы прочитать карту %1").arg(QDir::toNativeSeparators(path));
    } catch (const std::exception& error) {
        return ErrorMessage(error);
    }
}

bool MapPreviewPanel::OpenMaps(const QStringList& paths, bool add) {
    std::vector<std::unique_ptr<MapFile>> read;
    for (const QString& path : paths) {
        std::unique_ptr<MapFile>& map = read.emplace_back();
        const QString failure = ReadMap(path, map);
        if (!failure.isEmpty()) {
            Dialogs.Message(failure, MessageKind::Error);
            return false;
        }
        map->Path = LocalPath(QFileInfo(path).absoluteFilePath());
    }
    TakeMaps(std::move(read), add);
    FitMap();
    return true;
}

void MapPreviewPanel::TakeMaps(std::vector<std::unique_ptr<MapFile>> maps, bool add) {
    if (!add) OpenedMaps.clear();
    for (auto& map : maps) {
        // A map opened again replaces its older copy.
        std::erase_if(OpenedMaps, [&](const auto& open) { return open->Path == map->Path; });
        OpenedMaps.push_back(std::move(map));
    }
    Renderer.SetMaps(MapPointers());
    TypeCounts.clear();
    for (const auto& map : OpenedMaps)
        CountMapTypes(*map, TypeCounts);
    LastPickedText.clear();
    Info->clear();
    UpdateActions();
    DocumentChanged();
}

void MapPreviewPanel::CloseMaps() {
    TakeMaps({}, false);
}

QStringList MapPreviewPanel::MapPaths() const {
    QStringList paths;
    for (const auto& map : OpenedMaps)
        paths << QFile::decodeName(QByteArray::fromStdString(map->Path));
    return paths;
}

std::vector<const MapFile*> MapPreviewPanel::MapPointers() const {
    std::vector<const MapFile*> maps;
    for (const auto& map : OpenedMaps)
        maps.push_back(map.get());
    return maps;
}

void MapPreviewPanel::ChooseMaps(bool add) {
    const std::optional<QString> path = Dialogs.OpenFileName(
        {add ? tr("Добавить карту") : tr("Открыть карту"), tr("Карта Garmin (*.img *.IMG)"), OpenMapFolder});
    if (!path) return;
    OpenMapFolder = *path;
    OpenMaps({*path}, add);
}

void MapPreviewPanel::OpenOwnStyle() {
    for (const auto& map : OpenedMaps) {
        if (map->Styles.empty()) continue;
        const auto& [name, bytes] = map->Styles.front();
        const QString folder =
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(map->Path))).absolutePath();
        emit OpenStyleRequested(
            QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
            QDir(folder).filePath(QString::fromStdString(name)));
        return;
    }
}

void MapPreviewPanel::UpdateActions() {
    const bool open = !OpenedMaps.empty();
    AddMap->setEnabled(open);
    CloseMapsAction->setEnabled(open);
    Fit->setEnabled(open);
    ZoomIn->setEnabled(open);
    ZoomOut->setEnabled(open);
    OpenStyle->setEnabled(std::any_of(OpenedMaps.begin(), OpenedMaps.end(),
                                      [](const auto& map) { return !map->Styles.empty(); }));
}

// ---------------------------------------------------------------------------------------------
// Position

GeoBox MapPreviewPanel::ViewBox() const {
    const double halfWidth = MapView->width() / 2.0 * Scale, halfHeight = MapView->height() / 2.0 * Scale;
    return {CentreX - halfWidth, LatitudeOfMercator(CentreY - halfHeight), CentreX + halfWidth,
            LatitudeOfMercator(CentreY + halfHeight)};
}

QPointF MapPreviewPanel::PixelOf(double longitude, double latitude) const {
    if (!(Scale > 0)) return {};
    return {MapView->width() / 2.0 + (longitude - CentreX) / Scale,
            MapView->height() / 2.0 - (MercatorY(latitude) - CentreY) / Scale};
}

void MapPreviewPanel::ShowBox(const GeoBox& box) {
    if (box.IsEmpty()) return;
    CentreX = (box.West + box.East) / 2;
    const double south = MercatorY(box.South), north = MercatorY(box.North);
    CentreY = (south + north) / 2;
    const double width = std::max(MapView->width(), 1), height = std::max(MapView->height(), 1);
    Scale = std::clamp(std::max((box.East - box.West) / width, (north - south) / height), FinestScale,
                       CoarsestScale);
    ScheduleRedraw();
}

void MapPreviewPanel::FitMap() {
    bool any = false;
    MapBox all;
    for (const auto& map : OpenedMaps)
        for (const MapTile& tile : map->Tiles) {
            if (!any) {
                all = tile.Bounds;
                any = true;
                continue;
            }
            all.West = std::min(all.West, tile.Bounds.West);
            all.South = std::min(all.South, tile.Bounds.South);
            all.East = std::max(all.East, tile.Bounds.East);
            all.North = std::max(all.North, tile.Bounds.North);
        }
    if (!any) return;
    ShowBox(ToGeoBox(all));
    FitPending = !MapView->isVisible();
}

void MapPreviewPanel::ZoomBy(double steps, QPointF around) {
    if (!(Scale > 0)) return;
    FitPending = false;
    const double scale = std::clamp(Scale * std::pow(ZoomFactor, -steps), FinestScale, CoarsestScale);
    // The place under the pointer stays under it.
    const double dx = around.x() - MapView->width() / 2.0, dy = MapView->height() / 2.0 - around.y();
    CentreX += dx * (Scale - scale);
    CentreY += dy * (Scale - scale);
    Scale = scale;
    MapView->Shift = {};
    ScheduleRedraw();
}

void MapPreviewPanel::PanBy(QPointF pixels) {
    if (!(Scale > 0)) return;
    FitPending = false;
    CentreX = std::clamp(CentreX + pixels.x() * Scale, -360.0, 360.0);
    CentreY = std::clamp(CentreY - pixels.y() * Scale, -180.0, 180.0);
    // Until the next picture, the last one moves with the pointer.
    MapView->Shift -= pixels;
    MapView->update();
    ScheduleRedraw();
}

// ---------------------------------------------------------------------------------------------
// Drawing

MapRenderOptions MapPreviewPanel::Options() const {
    MapRenderOptions options;
    options.Box = ViewBox();
    options.Size = MapView->size();
    options.View = Night ? velmora::Night : Day;
    options.ShowUndefined = ShowUndefined->isChecked();
    return options;
}

void MapPreviewPanel::DocumentChanged() {
    GapsStale = true;
    ScheduleRedraw();
}

void MapPreviewPanel::ScheduleRedraw() {
    if (RedrawPending) return;
    RedrawPending = true;
    QTimer::singleShot(0, this, &MapPreviewPanel::Redraw);
}

QImage MapPreviewPanel::Picture() {
    if (RedrawPending) Redraw();
    return Drawn;
}

void MapPreviewPanel::Redraw() {
    if (!RedrawPending) return;
    RedrawPending = false;
    MapView->Shift = {};
    Drawn = QImage();
    if (Document && !OpenedMaps.empty() && Scale > 0 && MapView->width() > 0 && MapView->height() > 0)
        Drawn = Renderer.Draw(*Document, Options());
    MapView->update();
    if (GapsStale) UpdateGaps();
}

void MapPreviewPanel::UpdateGaps() {
    GapsStale = false;
    std::optional<StyleGaps> gaps;
    if (Document && !TypeCounts.empty()) gaps = FindStyleGaps(TypeCounts, *Document);
    // Unchanged, the list stays as the user scrolled and folded it.
    if (gaps == ShownGaps) return;
    ShownGaps = gaps;
    Gaps->clear();
    if (!gaps) return;
    const auto addGroup = [this](const QString& caption, const std::vector<TypeCount>& types) {
        auto* group = new QTreeWidgetItem(Gaps, {caption.arg(types.size())});
        group->setFirstColumnSpanned(true);
        for (const TypeCount& type : types) {
            auto* item = new QTreeWidgetItem(
                group, {KindText(type.Key.Kind), TypeText(type.Key), QString::number(type.Count)});
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            item->setData(0, Qt::UserRole,
                          QList<QVariant>{int(type.Key.Kind), type.Key.Type, type.Key.SubType});
        }
        group->setExpanded(true);
    };
    addGroup(tr("Типы карты, которых нет в стиле: %1"), gaps->Undefined);
    addGroup(tr("Полигоны, которых нет в [_drawOrder]: %1"), gaps->NotInDrawOrder);
    Gaps->resizeColumnToContents(1);
}

void MapPreviewPanel::PickAt(QPointF pixel) {
    if (!Document || OpenedMaps.empty() || !(Scale > 0)) return;
    const MapObject* object = ObjectAt(MapPointers(), *Document, Options(), pixel);
    if (!object) {
        LastPickedText = tr("Здесь на карте ничего нет");
        Info->setText(LastPickedText);
        return;
    }
    const MapTypeKey key = MapTypeOf(*object);
    const bool styled = FindStyleObject(*Document, key) != nullptr;
    LastPickedText = QStringLiteral("%1 %2").arg(KindText(key.Kind), TypeText(key));
    if (!object->Label.empty())
        LastPickedText += QStringLiteral(" «%1»").arg(QString::fromStdString(object->Label));
    if (!styled) LastPickedText += tr(" — нет в стиле");
    Info->setText(LastPickedText);
    if (styled)
        emit ObjectPicked(key);
    else
        emit CreateTypeRequested(key);
}

// ---------------------------------------------------------------------------------------------
// Settings

void MapPreviewPanel::SaveSettings(QSettings& settings) const {
    settings.setValue(MapsKey, MapPaths());
    settings.setValue(ShowUndefinedKey, ShowUndefined->isChecked());
    if (Scale > 0) {
        settings.setValue(LongitudeKey, CentreX);
        settings.setValue(LatitudeKey, LatitudeOfMercator(CentreY));
        settings.setValue(ScaleKey, Scale);
    }
}

void MapPreviewPanel::RestoreSettings(QSettings& settings) {
    ShowUndefined->setChecked(settings.value(ShowUndefinedKey, true).toBool());
    std::vector<std::unique_ptr<MapFile>> read;
    for (const QString& path : settings.value(MapsKey).toStringList()) {
        std::unique_ptr<MapFile> map;
        const QString failure = ReadMap(path, map);
        if (!failure.isEmpty()) {
            emit StatusMessage(tr("Карта не открыта: %1").arg(QString(failure).replace(u'\r', u' ')));
            continue;
        }
        map->Path = LocalPath(path);
        read.push_back(std::move(map));
    }
    if (read.empty()) return;
    TakeMaps(std::move(read), false);
    bool longitudeOk = false, latitudeOk = false, scaleOk = false;
    const double longitude = settings.value(LongitudeKey).toDouble(&longitudeOk);
    const double latitude = settings.value(LatitudeKey).toDouble(&latitudeOk);
    const double scale = settings.value(ScaleKey).toDouble(&scaleOk);
    if (longitudeOk && latitudeOk && scaleOk && std::isfinite(longitude) && std::isfinite(latitude) &&
        std::isfinite(scale) && scale > 0) {
        FitPending = false;
        CentreX = std::clamp(longitude, -360.0, 360.0);
        CentreY = MercatorY(latitude);
        Scale = std::clamp(scale, FinestScale, CoarsestScale);
        ScheduleRedraw();
    } else {
        FitMap();
    }
}

} // namespace velmora
