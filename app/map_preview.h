// The dock "Просмотр на карте": Garmin maps drawn with the document being edited, redrawn after
// every change of the document. Open maps (several at once are drawn as one), move with the mouse
// and the keys, click to learn what lies there; a list of what the maps use and the style lacks.
#pragma once

#include "app/Prompts.h"
#include "map/map_data.h"
#include "map/map_types.h"
#include "model/maintyp.h"
#include "view/map_render.h"

#include <QByteArray>
#include <QDockWidget>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QSettings;
class QTabWidget;
class QTreeWidget;

namespace velmora {

class MapCanvas;

class MapPreviewPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit MapPreviewPanel(Prompts& prompts, QWidget* parent = nullptr);
    ~MapPreviewPanel() override;

    // The style the maps are drawn with; null draws nothing. The caller keeps it alive.
    void SetDocument(const TypDocument* document);
    // Draws the night colours of the style (the panel's "Ночь" follows).
    void SetNight(bool night);

    // Reads the maps and shows them, in place of the open ones or beside them (add). A map that
    // cannot be read is named in a message and leaves the open ones as they were; false then.
    bool OpenMaps(const QStringList& paths, bool add);
    void CloseMaps();
    QStringList MapPaths() const;
    const std::vector<std::unique_ptr<MapFile>>& Maps() const { return OpenedMaps; }

    // The position: the centre in degrees and the scale in degrees of longitude per pixel.
    void FitMap();
    void ZoomBy(double steps, QPointF around);
    void PanBy(QPointF pixels);
    void ShowBox(const GeoBox& box);
    GeoBox ViewBox() const;
    QPointF PixelOf(double longitude, double latitude) const;

    // The object at a pixel of the map: its description goes to the panel; a type the style
    // defines is picked (ObjectPicked), one it lacks is offered for creation (CreateTypeRequested).
    void PickAt(QPointF pixel);
    QString PickedText() const;

    // The picture as it stands after any redraw still pending.
    QImage Picture();
    QWidget* Canvas() const;
    QTreeWidget* GapList() const { return Gaps; }
    QAction* OpenStyleAction() const { return OpenStyle; }
    QAction* ShowUndefinedAction() const { return ShowUndefined; }
    QAction* NightViewAction() const { return NightAction; }

    // The open maps and the position in the settings file, and back at the next start. A map that
    // can no longer be read is left out with a note (StatusMessage), not a message box.
    void SaveSettings(QSettings& settings) const;
    void RestoreSettings(QSettings& settings);

  public slots:
    // Redraws the map and the list of what the style lacks once the current events are done: a
    // burst of changes draws once.
    void DocumentChanged();

  signals:
    void ObjectPicked(velmora::MapTypeKey key);
    void CreateTypeRequested(velmora::MapTypeKey key);
    void OpenStyleRequested(QByteArray bytes, QString name);
    void StatusMessage(QString text);

  private:
    friend class MapCanvas;
    void ChooseMaps(bool add);
    void OpenOwnStyle();
    // Draws once the current events are done; the list of what the style lacks too when stale.
    void ScheduleRedraw();
    void Redraw();
    void UpdateGaps();
    void UpdateActions();
    MapRenderOptions Options() const;
    std::vector<const MapFile*> MapPointers() const;
    // Reads one map; the message of a map that cannot be read, or empty.
    static QString ReadMap(const QString& path, std::unique_ptr<MapFile>& map);
    void TakeMaps(std::vector<std::unique_ptr<MapFile>> maps, bool add);

    Prompts& Dialogs;
    const TypDocument* Document = nullptr;
    bool Night = false;
    std::vector<std::unique_ptr<MapFile>> OpenedMaps;
    std::map<MapTypeKey, uint64_t> TypeCounts;
    MapRenderer Renderer;
    QImage Drawn;
    bool RedrawPending = false;
    bool GapsStale = true;
    std::optional<StyleGaps> ShownGaps;
    bool FitPending = false;         // fitted while hidden: fitted again once shown
    double CentreX = 0, CentreY = 0; // degrees of longitude and Mercator y
    double Scale = 0;                // degrees per pixel; 0 before a map gives one
    QString LastPickedText;
    QString OpenMapFolder;

    MapCanvas* MapView = nullptr;
    QTabWidget* Tabs = nullptr;
    QLabel* Info = nullptr;
    QTreeWidget* Gaps = nullptr;
    QAction* OpenMap = nullptr;
    QAction* AddMap = nullptr;
    QAction* CloseMapsAction = nullptr;
    QAction* Fit = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* ShowUndefined = nullptr;
    QAction* NightAction = nullptr;
    QAction* OpenStyle = nullptr;
};

} // namespace velmora
