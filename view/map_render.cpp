#include "view/map_render.h"

#include "view/colour.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora {

namespace {

constexpr double MaxMercatorLatitude = 85.05112878;
constexpr uint32_t DayBackground = 0xFFFFFF;
constexpr uint32_t NightBackground = 0x000000;
// How far beyond the picture shapes are kept when clipped: more than half the widest line, so
// that a cut end never shows.
constexpr double ClipMargin = 300;
constexpr double DotRadius = 2;
constexpr double LabelGap = 2;

// A map type as one number, for hashing.
uint64_t PackedType(const MapTypeKey& key) {
    return uint64_t(key.Kind) << 48 | uint64_t(key.Type & 0xFFFFFF) << 24 | uint64_t(key.SubType & 0xFFFFFF);
}

// Map units to picture pixels.
struct Projection {
    double West = 0, North = 0; // degrees and Mercator y of the picture's top left corner
    double XScale = 0, YScale = 0;
    QRectF Clip;
    MapBox Reach; // the map units that may show, clip margin included

    QPointF operator()(MapCoord c) const {
        return {(c.X * MapUnitDegrees - West) * XScale, (North - MercatorY(c.Y * MapUnitDegrees)) * YScale};
    }
};

int32_t ToUnits(double degrees) {
    return int32_t(std::clamp(std::floor(degrees / MapUnitDegrees), -2147483648.0, 2147483647.0));
}

Projection MakeProjection(const GeoBox& box, QSize size) {
    Projection p;
    p.West = box.West;
    p.North = MercatorY(box.North);
    p.XScale = size.width() / (box.East - box.West);
    p.YScale = size.height() / (p.North - MercatorY(box.South));
    p.Clip = QRectF(-ClipMargin, -ClipMargin, size.width() + 2 * ClipMargin, size.height() + 2 * ClipMargin);
    const double marginWest = ClipMargin / p.XScale;
    const double latitudeMargin = (box.North - box.South) * ClipMargin / std::max(size.height(), 1);
    p.Reach = {ToUnits(box.West - marginWest), ToUnits(box.South - latitudeMargin),
               ToUnits(box.East + marginWest) + 1, ToUnits(box.North + latitudeMargin) + 1};
    return p;
}

// Sutherland-Hodgman against one edge of the clip rectangle, from in to out.
template <typename Inside, typename Cross>
void ClipEdge(const std::vector<QPointF>& in, std::vector<QPointF>& out, Inside inside, Cross cross) {
    out.clear();
    if (in.empty()) return;
    QPointF previous = in.back();
    bool previousInside = inside(previous);
    for (const QPointF& point : in) {
        const bool pointInside = inside(point);
        if (pointInside != previousInside) out.push_back(cross(previous, point));
        if (pointInside) out.push_back(point);
        previous = point;
        previousInside = pointInside;
    }
}

void ClipPolygon(std::vector<QPointF>& polygon, const QRectF& clip, std::vector<QPointF>& scratch) {
    const double left = clip.left(), right = clip.right(), top = clip.top(), bottom = clip.bottom();
    auto atX = [](double x) {
        return [x](QPointF a, QPointF b) {
            return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
        };
    };
    auto atY = [](double y) {
        return [y](QPointF a, QPointF b) {
            return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
        };
    };
    ClipEdge(
        polygon, scratch, [&](QPointF p) { return p.x() >= left; }, atX(left));
    ClipEdge(
        scratch, polygon, [&](QPointF p) { return p.x() <= right; }, atX(right));
    ClipEdge(
        polygon, scratch, [&](QPointF p) { return p.y() >= top; }, atY(top));
    ClipEdge(
        scratch, polygon, [&](QPointF p) { return p.y() <= bottom; }, atY(bottom));
}

// Liang-Barsky: the part of segment a-b inside clip, if any.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& clip) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const std::array<double, 4> p{-dx, dx, -dy, dy};
    const std::array<double, 4> q{a.x() - clip.left(), clip.right() - a.x(), a.y() - clip.top(),
                                  clip.bottom() - a.y()};
    for (size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    if (t1 < 1) b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    if (t0 > 0) a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    return true;
}

// The label of a map object as drawn: control characters (the highway shield marks and the
// separators of Garmin labels) are left out.
QString LabelText(const std::string& label) {
    QString text = QString::fromUtf8(label);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.category() == QChar::Other_Control; });
    return text.trimmed();
}

// Placed labels do not overlap; one that would is left out.
class LabelPlacer {
  public:
    explicit LabelPlacer(QSize size) : Bounds(QPointF(0, 0), QSizeF(size)) {}
    bool Take(const QRectF& rect) {
        if (!Bounds.contains(rect)) return false;
        for (const QRectF& placed : Placed)
            if (placed.intersects(rect)) return false;
        Placed.push_back(rect);
        return true;
    }

  private:
    QRectF Bounds;
    std::vector<QRectF> Placed;
};

// The outline colour that keeps a label legible on any ground: white under dark text, black under light.
QColor HaloOf(const QColor& text) {
    return text.lightness() < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

void DrawHaloText(QPainter& painter, QPointF at, const QString& text, const QColor& colour) {
    painter.setPen(HaloOf(colour));
    for (const QPointF offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        painter.drawText(at + offset, text);
    painter.setPen(colour);
    painter.drawText(at, text);
}

class Fonts {
  public:
    const QFont& Font(int pixels) {
        auto found = ByPixels.find(pixels);
        if (found == ByPixels.end()) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(pixels);
            found = ByPixels.emplace(pixels, std::pair{font, QFontMetricsF(font)}).first;
        }
        return found->second.first;
    }
    const QFontMetricsF& Metrics(int pixels) {
        Font(pixels);
        return ByPixels.find(pixels)->second.second;
    }

  private:
    std::unordered_map<int, std::pair<QFont, QFontMetricsF>> ByPixels;
};

// A line's bitmap laid along each segment pixel for pixel, as painted, its columns running on
// from segment to segment. Oriented, it turns with the line, its first row left of the direction
// of travel; otherwise it keeps its first row on top, whichever way the line was drawn. Written
// straight into the picture: a painter's transformed texture for every segment costs many times
// more.
void DrawPatternAlong(QImage& picture, const QPointF* points, uint32_t count, const QImage& pattern,
                      bool oriented) {
    constexpr double Step = 0.5; // half a pixel, so that no pixel of a slanting line is missed
    const int width = pattern.width(), height = pattern.height();
    const int columns = picture.width(), rows = picture.height();
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    double offset = 0;
    for (uint32_t i = 1; i < count; ++i) {
        QPointF from = points[i - 1], to = points[i];
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        if (!(length > 0)) continue;
        if (!oriented && to.x() < from.x()) std::swap(from, to);
        const QPointF along = (to - from) / length;
        const QPointF left(along.y(), -along.x());
        for (int row = 0; row < height; ++row) {
            const QRgb* source = reinterpret_cast<const QRgb*>(pattern.constScanLine(row));
            const QPointF start = from + left * ((height - 1) / 2.0 - row);
            int column = int(offset);
            double sinceColumn = offset - column;
            for (double s = 0; s < length; s += Step) {
                const QRgb colour = source[column % width];
                const double x = start.x() + along.x() * s, y = start.y() + along.y() * s;
                if (qAlpha(colour) != 0 && x >= 0 && y >= 0 && x < columns && y < rows)
                    reinterpret_cast<QRgb*>(bits + qsizetype(y) * stride)[int(x)] = colour;
                sinceColumn += Step;
                if (sinceColumn >= 1) {
                    sinceColumn -= 1;
                    ++column;
                }
            }
        }
        offset = std::fmod(offset + length, width);
    }
}

// The span of row centre y (x from left to right) that lies within radius of segment a-b, as a
// capsule: the segment widened by radius on both sides, rounded at both ends. Empty when left > right.
std::pair<double, double> CapsuleSpan(QPointF a, QPointF b, double radius, double y) {
    double left = std::numeric_limits<double>::infinity(), right = -left;
    auto disc = [&](QPointF centre) {
        const double dy = y - centre.y();
        if (std::abs(dy) >= radius) return;
        const double half = std::sqrt(radius * radius - dy * dy);
        left = std::min(left, centre.x() - half);
        right = std::max(right, centre.x() + half);
    };
    disc(a);
    disc(b);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length > 0) {
        // The band: 0 <= (p - a).u <= length and |(p - a).n| < radius, each linear in x.
        const QPointF u = d / length, n(-u.y(), u.x());
        double low = -std::numeric_limits<double>::infinity(), high = -low;
        auto within = [&](double slope, double atZero, double from, double to) {
            // from <= atZero + slope * (x - a.x) <= to
            if (slope == 0) {
                if (atZero < from || atZero > to) low = high + 1;
                return;
            }
            double x1 = a.x() + (from - atZero) / slope, x2 = a.x() + (to - atZero) / slope;
            if (x1 > x2) std::swap(x1, x2);
            low = std::max(low, x1);
            high = std::min(high, x2);
        };
        within(u.x(), (y - a.y()) * u.y(), 0, length);
        within(n.x(), (y - a.y()) * n.y(), -radius, radius);
        if (low <= high) {
            left = std::min(left, low);
            right = std::max(right, high);
        }
    }
    return {left, right};
}

// A solid line of the width, round at its joins and ends, written straight into the picture:
// every pixel whose centre lies nearer the line than half the width. The painter's stroker costs
// many times more, and a receiver draws its lines pixel for pixel too.
void FillLine(QImage& picture, const QPointF* points, uint32_t count, double width, QRgb colour) {
    const double radius = std::max(width, 1.0) / 2;
    const int lastRow = picture.height() - 1, lastColumn = picture.width() - 1;
    for (uint32_t i = 1; i < count; ++i) {
        const QPointF a = points[i - 1], b = points[i];
        const int top = std::max(0, int(std::floor(std::min(a.y(), b.y()) - radius)));
        const int bottom = std::min(lastRow, int(std::ceil(std::max(a.y(), b.y()) + radius)));
        for (int row = top; row <= bottom; ++row) {
            const auto [left, right] = CapsuleSpan(a, b, radius, row + 0.5);
            if (!(left <= right)) continue;
            const int first = std::max(0, int(std::ceil(left - 0.5)));
            const int last = std::min(lastColumn, int(std::ceil(right - 0.5)) - 1);
            QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
            for (int x = first; x <= last; ++x)
                line[x] = colour;
        }
    }
}

} // namespace

GeoBox ToGeoBox(const MapBox& box) {
    return {box.West * MapUnitDegrees, box.South * MapUnitDegrees, box.East * MapUnitDegrees,
            box.North * MapUnitDegrees};
}

double MercatorY(double latitude) {
    const double limited = std::clamp(latitude, -MaxMercatorLatitude, MaxMercatorLatitude);
    return std::log(std::tan(std::numbers::pi / 4 + limited * std::numbers::pi / 360)) * 180 /
           std::numbers::pi;
}

double LatitudeOfMercator(double mercatorY) {
    return std::atan(std::sinh(mercatorY * std::numbers::pi / 180)) * 180 / std::numbers::pi;
}

const MapLevel* LevelForScale(const MapTile& tile, double unitsPerPixel) {
    if (tile.Levels.empty()) return nullptr;
    for (auto level = tile.Levels.rbegin(); level != tile.Levels.rend(); ++level) {
        const int shift = std::clamp(24 - level->Bits, 0, 24);
        if (double(1 << shift) <= unitsPerPixel) return &*level;
    }
    return &tile.Levels.front();
}

const MapLevel* LevelForView(const MapTile& tile, int level, double unitsPerPixel) {
    if (level == AutomaticLevel) return LevelForScale(tile, unitsPerPixel);
    const MapLevel* found = nullptr;
    for (const MapLevel& candidate : tile.Levels)
        if (candidate.Level == level) found = &candidate;
    return found;
}

void MapRenderer::SetMaps(std::vector<const MapFile*> maps) {
    Maps = std::move(maps);
    ++MapsGeneration;
    Projected = false;
}

void MapRenderer::ForgetLooks() {
    Looks.clear();
}

uint32_t MapRenderer::TypeIndex(const MapTypeKey& key) {
    auto [at, added] = TypeIndexes.emplace(PackedType(key), uint32_t(Types.size()));
    if (added) Types.push_back(key);
    return at->second;
}

void MapRenderer::Project(const MapRenderOptions& options) {
    const ViewKey key{options.Box, options.Size, options.Level, MapsGeneration};
    if (Projected && key == ProjectedView) return;
    ProjectedView = key;
    Projected = true;
    Points.clear();
    Polygons.clear();
    Lines.clear();
    PointShapes.clear();
    Types.clear();
    TypeIndexes.clear();
    LabelTexts.clear();
    PolygonLevels.clear();

    const auto projection = MakeProjection(options.Box, options.Size);
    // A box wholly beyond the reach of Mercator (nearer a pole than 85.05 degrees) has no height.
    if (!std::isfinite(projection.XScale) || !std::isfinite(projection.YScale) || !(projection.YScale > 0)) {
        GroupLines();
        return;
    }
    const double unitsPerPixel =
        (options.Box.East - options.Box.West) / MapUnitDegrees / options.Size.width();
    std::vector<QPointF> shape, scratch;
    auto labelOf = [this](const MapObject& object) {
        if (object.Label.empty()) return NoLabel;
        LabelTexts.push_back(LabelText(object.Label));
        return uint32_t(LabelTexts.size() - 1);
    };
    auto addShape = [&](std::vector<Shape>& shapes, const MapObject& object,
                        const std::vector<QPointF>& points, uint32_t label) {
        shapes.push_back(
            {&object, uint32_t(Points.size()), uint32_t(points.size()), TypeIndex(MapTypeOf(object)), label});
        Points.insert(Points.end(), points.begin(), points.end());
    };

    for (const MapFile* map : Maps) {
        for (const MapTile& tile : map->Tiles) {
            if (!tile.Bounds.Intersects(projection.Reach)) continue;
            const MapLevel* level = LevelForView(tile, options.Level, unitsPerPixel);
            if (!level) continue;
            ForEachObjectIn(*level, projection.Reach, [&](const MapObject& object) {
                if (object.Coords.empty()) return;
                shape.clear();
                for (const MapCoord& c : object.Coords)
                    shape.push_back(projection(c));
                if (object.Kind == MapKind::Point) {
                    addShape(PointShapes, object, {shape.front()}, labelOf(object));
                } else if (object.Kind == MapKind::Polygon) {
                    ClipPolygon(shape, projection.Clip, scratch);
                    if (shape.size() >= 3) addShape(Polygons, object, shape, labelOf(object));
                } else {
                    // Each visible run of the line becomes a shape of its own; they share one label.
                    const uint32_t label = labelOf(object);
                    std::vector<QPointF> run;
                    for (size_t i = 1; i < shape.size(); ++i) {
                        QPointF a = shape[i - 1], b = shape[i];
                        if (!ClipSegment(a, b, projection.Clip)) continue;
                        if (run.empty() || run.back() != a) {
                            if (run.size() >= 2) addShape(Lines, object, run, label);
                            run.assign({a});
                        }
                        run.push_back(b);
                    }
                    if (run.size() >= 2) addShape(Lines, object, run, label);
                }
            });
        }
    }
    GroupLines();
}

void MapRenderer::GroupLines() {
    LineGroups.clear();
    std::vector<uint32_t> groupOfType(Types.size(), UINT32_MAX);
    for (uint32_t i = 0; i < Lines.size(); ++i) {
        const Shape& shape = Lines[i];
        uint32_t& group = groupOfType[shape.Type];
        if (group == UINT32_MAX) {
            group = uint32_t(LineGroups.size());
            LineGroups.push_back({shape.Type, {}});
        }
        LineGroups[group].Shapes.push_back(i);
    }
    std::sort(LineGroups.begin(), LineGroups.end(),
              [this](const LineGroup& a, const LineGroup& b) { return Types[a.Type] > Types[b.Type]; });
}

void MapRenderer::UpdateLooks(const TypDocument& style, int view) {
    TypeLooks.assign(Types.size(), nullptr);
    for (size_t i = 0; i < Types.size(); ++i) {
        CachedLook& cached = Looks[PackedType(Types[i])];
        const TGarminObject* object = FindStyleObject(style, Types[i]);
        const uint64_t fingerprint = object ? LookFingerprint(*object) : 0;
        const bool current = cached.Built && cached.View == view && cached.Fingerprint == fingerprint &&
                             cached.Look.Defined == (object != nullptr);
        if (!current) {
            cached.Look = object ? LookOf(*object, view) : PlainLook(Types[i].Kind, view);
            cached.Fingerprint = fingerprint;
            cached.View = view;
            cached.Built = true;
        }
        TypeLooks[i] = &cached;
    }
}

void MapRenderer::UpdatePolygonOrder(const TypDocument& style) {
    const auto levels = PolygonDrawOrder(style.HeaderLines);
    std::vector<int> typeLevels(Types.size(), UnlistedDrawLevel);
    for (size_t i = 0; i < Types.size(); ++i)
        if (const auto found = levels.find(Types[i]); found != levels.end()) typeLevels[i] = found->second;
    if (typeLevels == PolygonLevels && PolygonOrder.size() == Polygons.size()) return;
    PolygonLevels = std::move(typeLevels);
    PolygonOrder.resize(Polygons.size());
    for (uint32_t i = 0; i < PolygonOrder.size(); ++i)
        PolygonOrder[i] = i;
    // Higher levels are drawn later, over lower ones; within a level the map's order holds.
    std::stable_sort(PolygonOrder.begin(), PolygonOrder.end(), [this](uint32_t a, uint32_t b) {
        return PolygonLevels[Polygons[a].Type] < PolygonLevels[Polygons[b].Type];
    });
}

QImage MapRenderer::Draw(const TypDocument& style, const MapRenderOptions& options) {
    const QSize& size = options.Size;
    if (options.Box.IsEmpty() || size.width() <= 0 || size.height() <= 0 || size.width() > MaxPictureEdge ||
        size.height() > MaxPictureEdge)
        return {};
    Project(options);
    const int view = options.View == Night ? Night : Day;
    UpdateLooks(style, view);
    UpdatePolygonOrder(style);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(ToQColor(view == Night ? NightBackground : DayBackground));
    Paint(picture, options);
    return picture;
}

void MapRenderer::DrawLines(QImage& picture, const LineGroup& group, int width, const QColor& colour) const {
    for (uint32_t index : group.Shapes)
        FillLine(picture, &Points[Lines[index].First], Lines[index].Count, width, colour.rgb());
}

void MapRenderer::Paint(QImage& picture, const MapRenderOptions& options) const {
    auto lookOf = [this](const Shape& shape) -> const MapTypeLook& { return TypeLooks[shape.Type]->Look; };
    auto shown = [&](const Shape& shape) { return options.ShowUndefined || lookOf(shape).Defined; };

    {
        QPainter painter(&picture);
        painter.setPen(Qt::NoPen);
        for (uint32_t index : PolygonOrder) {
            const Shape& shape = Polygons[index];
            const MapTypeLook& look = lookOf(shape);
            if (!shown(shape) || look.Area.style() == Qt::NoBrush) continue;
            painter.setBrush(look.Area);
            painter.drawPolygon(&Points[shape.First], int(shape.Count));
        }
    }

    // Lines are written into the picture's pixels, with no painter on it. Borders first, under every line, so
    // that crossing roads join.
    for (const LineGroup& group : LineGroups) {
        const MapTypeLook& look = TypeLooks[group.Type]->Look;
        if ((!options.ShowUndefined && !look.Defined) || !look.Pattern.isNull() || look.BorderWidth == 0 ||
            !look.BorderColour.isValid())
            continue;
        DrawLines(picture, group, look.Width + 2 * look.BorderWidth, look.BorderColour);
    }
    for (const LineGroup& group : LineGroups) {
        const MapTypeLook& look = TypeLooks[group.Type]->Look;
        if (!options.ShowUndefined && !look.Defined) continue;
        if (!look.Pattern.isNull()) {
            for (uint32_t index : group.Shapes)
                DrawPatternAlong(picture, &Points[Lines[index].First], Lines[index].Count, look.Pattern,
                                 look.Oriented);
        } else if (look.LineColour.isValid()) {
            DrawLines(picture, group, look.Width, look.LineColour);
        }
    }

    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : PointShapes) {
        const MapTypeLook& look = lookOf(shape);
        if (!shown(shape)) continue;
        const QPointF at = Points[shape.First];
        if (!look.Icon.isNull()) {
            // Whole pixels: an icon is drawn pixel for pixel, never resampled.
            painter.drawImage(QPoint(int(std::lround(at.x() - look.Icon.width() / 2.0)),
                                     int(std::lround(at.y() - look.Icon.height() / 2.0))),
                              look.Icon);
        } else if (look.Dot.isValid()) {
            painter.setBrush(look.Dot);
            painter.drawEllipse(at, DotRadius, DotRadius);
        }
    }

    if (!options.Labels) return;
    // Labels of points first, then of roads, then of areas: where they would overlap, the first wins.
    Fonts fonts;
    LabelPlacer placer(picture.size());
    auto labelled = [&](const Shape& shape) {
        return shape.Label != NoLabel && shown(shape) && lookOf(shape).LabelPixels > 0 &&
               !LabelTexts[shape.Label].isEmpty();
    };
    for (const Shape& shape : PointShapes) {
        if (!labelled(shape)) continue;
        const MapTypeLook& look = lookOf(shape);
        const QString& text = LabelTexts[shape.Label];
        const QFontMetricsF& metrics = fonts.Metrics(look.LabelPixels);
        const double halfIcon = look.Icon.isNull() ? DotRadius : look.Icon.width() / 2.0;
        const QPointF at = Points[shape.First];
        const QRectF rect(at.x() + halfIcon + LabelGap, at.y() - metrics.height() / 2,
                          metrics.horizontalAdvance(text) + 2, metrics.height());
        if (!placer.Take(rect)) continue;
        painter.setFont(fonts.Font(look.LabelPixels));
        DrawHaloText(painter, QPointF(rect.left() + 1, rect.top() + metrics.ascent()), text,
                     look.LabelColour);
    }
    const MapObject* lastLine = nullptr;
    for (const Shape& shape : Lines) {
        if (!labelled(shape) || shape.Object == lastLine) continue;
        const MapTypeLook& look = lookOf(shape);
        const QString& text = LabelTexts[shape.Label];
        const QFontMetricsF& metrics = fonts.Metrics(look.LabelPixels);
        const double width = metrics.horizontalAdvance(text);
        // Along the longest segment that holds the whole name, never upside down.
        const QPointF* points = &Points[shape.First];
        uint32_t longest = 0;
        double longestLength = 0;
        for (uint32_t i = 1; i < shape.Count; ++i) {
            const double length = QLineF(points[i - 1], points[i]).length();
            if (length > longestLength) {
                longestLength = length;
                longest = i;
            }
        }
        if (longestLength < width + 8) continue;
        QPointF from = points[longest - 1], to = points[longest];
        if (to.x() < from.x()) std::swap(from, to);
        const QPointF middle = (from + to) / 2;
        QTransform frame;
        frame.translate(middle.x(), middle.y());
        frame.rotate(qRadiansToDegrees(std::atan2(to.y() - from.y(), to.x() - from.x())));
        const QRectF local(-width / 2 - 1, -metrics.height() / 2, width + 2, metrics.height());
        if (!placer.Take(frame.mapRect(local))) continue;
        lastLine = shape.Object;
        painter.setTransform(frame);
        painter.setFont(fonts.Font(look.LabelPixels));
        DrawHaloText(painter, QPointF(-width / 2, metrics.ascent() - metrics.height() / 2), text,
                     look.LabelColour);
        painter.resetTransform();
    }
    for (const Shape& shape : Polygons) {
        if (!labelled(shape)) continue;
        const MapTypeLook& look = lookOf(shape);
        const QString& text = LabelTexts[shape.Label];
        const QFontMetricsF& metrics = fonts.Metrics(look.LabelPixels);
        QRectF bounds;
        {
            double left = Points[shape.First].x(), right = left, top = Points[shape.First].y(), bottom = top;
            for (uint32_t i = shape.First; i < shape.First + shape.Count; ++i) {
                left = std::min(left, Points[i].x());
                right = std::max(right, Points[i].x());
                top = std::min(top, Points[i].y());
                bottom = std::max(bottom, Points[i].y());
            }
            bounds = QRectF(QPointF(left, top), QPointF(right, bottom)).intersected(QRectF(picture.rect()));
        }
        const double width = metrics.horizontalAdvance(text);
        if (bounds.width() < width || bounds.height() < metrics.height()) continue;
        const QRectF rect(bounds.center().x() - width / 2 - 1, bounds.center().y() - metrics.height() / 2,
                          width + 2, metrics.height());
        if (!placer.Take(rect)) continue;
        painter.setFont(fonts.Font(look.LabelPixels));
        DrawHaloText(painter, QPointF(rect.left() + 1, rect.top() + metrics.ascent()), text,
                     look.LabelColour);
    }
}

} // namespace velmora
