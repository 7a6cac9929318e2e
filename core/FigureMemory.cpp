#include "FigureMemory.h"

#include "core/Canvas.h"
#include "core/ImageOps.h"
#include "core/ToolCode.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kTp = Canvas::kTwipsPerPixel;

struct Name {
    int tool;
    const char* noun;
};

// Every figure tool, by what the status bar calls it.
const Name kFigures[] = {
    {Tool::Circle, QT_TRANSLATE_NOOP("FigureMemory", "circle")},
    {Tool::Process, QT_TRANSLATE_NOOP("FigureMemory", "process box")},
    {Tool::Start, QT_TRANSLATE_NOOP("FigureMemory", "start symbol")},
    {Tool::Decision, QT_TRANSLATE_NOOP("FigureMemory", "decision")},
    {Tool::Terminate, QT_TRANSLATE_NOOP("FigureMemory", "terminal symbol")},
    {Tool::Data, QT_TRANSLATE_NOOP("FigureMemory", "data symbol")},
    {Tool::StoredData, QT_TRANSLATE_NOOP("FigureMemory", "stored data symbol")},
    {Tool::PredefinedProcess, QT_TRANSLATE_NOOP("FigureMemory", "predefined process")},
    {Tool::InternalStorage, QT_TRANSLATE_NOOP("FigureMemory", "internal storage symbol")},
    {Tool::SequentialData, QT_TRANSLATE_NOOP("FigureMemory", "sequential data symbol")},
    {Tool::DirectData, QT_TRANSLATE_NOOP("FigureMemory", "direct data symbol")},
    {Tool::ManualInput, QT_TRANSLATE_NOOP("FigureMemory", "manual input symbol")},
    {Tool::ManualOperation, QT_TRANSLATE_NOOP("FigureMemory", "manual operation")},
    {Tool::Preparation, QT_TRANSLATE_NOOP("FigureMemory", "preparation symbol")},
    {Tool::LoopLimit, QT_TRANSLATE_NOOP("FigureMemory", "loop limit")},
    {Tool::OffPageReference, QT_TRANSLATE_NOOP("FigureMemory", "off-page reference")},
    {Tool::ParallelMode, QT_TRANSLATE_NOOP("FigureMemory", "parallel mode symbol")},
    {Tool::InternalProcess, QT_TRANSLATE_NOOP("FigureMemory", "internal process")},
    {Tool::PaperTape, QT_TRANSLATE_NOOP("FigureMemory", "paper tape")},
    {Tool::DocumentSymbol, QT_TRANSLATE_NOOP("FigureMemory", "document")},
};

const char* nounOf(int tool) {
    for (const Name& n : kFigures)
        if (n.tool == tool) return n.noun;
    return nullptr;
}

// What of a figure shows on a picture of SIZE pixels.
QRect shown(const DrawnFigure& f, QSize size) { return f.pixels().intersected(QRect(QPoint(0, 0), size)); }

DrawnFigure translated(DrawnFigure f, QPoint byPixels) {
    f.rect.translate(byPixels.x() * kTp, byPixels.y() * kTp);
    return f;
}

}  // namespace

QPointF FigureMemory::turnedPoint(QPointF p, Turn turn, QSize size) {
    const double right = (size.width() - 1) * kTp, bottom = (size.height() - 1) * kTp;
    switch (turn) {
    case Turn::FlipHorizontal: return {right - p.x(), p.y()};
    case Turn::FlipVertical: return {p.x(), bottom - p.y()};
    case Turn::Rotate180: return {right - p.x(), bottom - p.y()};
    case Turn::RotateRight: return {bottom - p.y(), p.x()};
    case Turn::RotateLeft: return {p.y(), right - p.x()};
    }
    return p;
}

namespace {

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// How far P lies from the segment A-B.
double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length2 = d.x() * d.x() + d.y() * d.y();
    double t = length2 > 0 ? ((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return distance(p, a + t * d);
}

}  // namespace

QRect DrawnFigure::pixels() const {
    const QRectF r = rect.normalized();
    return QRect(QPoint(Canvas::toPixels(float(r.left())), Canvas::toPixels(float(r.top()))),
                 QPoint(Canvas::toPixels(float(r.right())), Canvas::toPixels(float(r.bottom()))));
}

QLineF DrawnFigure::drag() const {
    QRectF drawn = rect;
    if (orientation.transposed) {
        const QSizeF size = orientation.drawnSize(rect.size());
        drawn = QRectF(rect.center() - QPointF(size.width(), size.height()) / 2, size);
    }
    return QLineF(leftward ? drawn.right() : drawn.left(), upward ? drawn.bottom() : drawn.top(),
                  leftward ? drawn.left() : drawn.right(), upward ? drawn.top() : drawn.bottom());
}

bool FigureMemory::isFigure(int tool) { return nounOf(tool) != nullptr; }

bool FigureMemory::isLine(int tool) {
    switch (tool) {
    case Tool::Line:
    case Tool::LeftSingleArrow:
    case Tool::RightSingleArrow:
    case Tool::UpSingleArrow:
    case Tool::DownSingleArrow:
    case Tool::DoubleSideArrow:
        return true;
    default:
        return false;
    }
}

// The middles of a figure's sides where its outline passes: those of its
// rectangle, but where a symbol's side is slanted, curved, inset or absent.
// They are found on the figure as drawn, then put where it lies now, each
// named by the side it has come to face.
std::array<FigureMemory::Point, 4> FigureMemory::points(const DrawnFigure& figure) {
    const QLineF drag = figure.drag();
    const double x0 = drag.x1(), y0 = drag.y1(), x1 = drag.x2(), y1 = drag.y2();
    const double w = x1 - x0, h = y1 - y0;
    const QPointF c = QRectF(drag.p1(), drag.p2()).center();
    double xa = x0, xb = x1, ya = y0, yb = y1, sideY = c.y();
    switch (figure.tool) {
    case Tool::Data:  // slanted sides, a third of the width each
        xa = x0 + w / 6, xb = x1 - w / 6;
        break;
    case Tool::ManualOperation:  // sides slanted by a quarter of the width
        xa = x0 + w / 8, xb = x1 - w / 8;
        break;
    case Tool::StoredData:  // the far side is the inside of its cap
        xb = x1 - std::fabs(h) / 2 / 1.8;
        break;
    case Tool::SequentialData:  // a circle as high as the drag
        xa = c.x() - std::fabs(h) / 2, xb = c.x() + std::fabs(h) / 2;
        break;
    case Tool::ManualInput:  // inset by 50 twips, its top slanted down to the left
        xa = x0 + 50, xb = x1 - 50, ya = y0 + 50 + h / 8, yb = y1 - 50;
        sideY = std::clamp(c.y(), y0 + 50 + h / 4, std::max(y1 - 50, y0 + 50 + h / 4));
        break;
    case Tool::ParallelMode:  // two lines across, no sides: their ends
        ya = y0 + h / 3, yb = y0 + 2 * h / 3, sideY = ya;
        break;
    default:
        break;
    }
    const QPointF drawn[] = {{c.x(), std::min(ya, yb)}, {c.x(), std::max(ya, yb)}, {std::min(xa, xb), sideY},
                             {std::max(xa, xb), sideY}};
    const QPointF facing[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};  // the way each side faces, in the order of Side
    std::array<Point, 4> now;
    for (int i = 0; i < 4; ++i) {
        const QPointF f = figure.orientation.map(facing[i]);
        const int side = f.y() < 0 ? 0 : f.y() > 0 ? 1 : f.x() < 0 ? 2 : 3;
        now[side] = {figure.place(drawn[i]), Side(side), figure.tool};
    }
    return now;
}

QString FigureMemory::describe(const Point& point) {
    // Whole sentences, so that each language words them its own way.
    static const char* const sides[] = {QT_TRANSLATE_NOOP("FigureMemory", "Top"),
                                        QT_TRANSLATE_NOOP("FigureMemory", "Bottom"),
                                        QT_TRANSLATE_NOOP("FigureMemory", "Left"),
                                        QT_TRANSLATE_NOOP("FigureMemory", "Right")};
    static const char* const ofFigure[] = {QT_TRANSLATE_NOOP("FigureMemory", "Top of the %1"),
                                           QT_TRANSLATE_NOOP("FigureMemory", "Bottom of the %1"),
                                           QT_TRANSLATE_NOOP("FigureMemory", "Left of the %1"),
                                           QT_TRANSLATE_NOOP("FigureMemory", "Right of the %1")};
    // A decision's sides meet the middles of its rectangle at its corners.
    static const char* const corners[] = {QT_TRANSLATE_NOOP("FigureMemory", "Top corner of the %1"),
                                          QT_TRANSLATE_NOOP("FigureMemory", "Bottom corner of the %1"),
                                          QT_TRANSLATE_NOOP("FigureMemory", "Left corner of the %1"),
                                          QT_TRANSLATE_NOOP("FigureMemory", "Right corner of the %1")};
    const int side = int(point.side);
    const char* noun = nounOf(point.tool);
    if (!noun) return QCoreApplication::translate("FigureMemory", sides[side]);
    const char* sentence = point.tool == Tool::Decision ? corners[side] : ofFigure[side];
    return QCoreApplication::translate("FigureMemory", sentence)
        .arg(QCoreApplication::translate("FigureMemory", noun));
}

const DrawnFigure* FigureMemory::under(QPointF at) const {
    for (auto it = figures_.rbegin(); it != figures_.rend(); ++it) {
        const QRectF& r = it->rect;
        if (at.x() >= r.left() && at.x() <= r.right() && at.y() >= r.top() && at.y() <= r.bottom()) return &*it;
    }
    return nullptr;
}

std::optional<FigureMemory::Point> FigureMemory::nearestPoint(QPointF at, double reach) const {
    std::optional<Point> best;
    double bestDistance = reach;
    for (auto it = figures_.rbegin(); it != figures_.rend(); ++it)
        for (const Point& p : points(*it))
            if (const double d = distance(at, p.at); d <= bestDistance && (!best || d < bestDistance)) {
                best = p;
                bestDistance = d;
            }
    return best;
}

// A connection point itself names its side first: where two sides meet (a
// decision's corners, the ends of the parallel mode's lines) it tells which.
std::optional<FigureMemory::Point> FigureMemory::sideAt(QPointF at, double reach) const {
    for (auto it = figures_.rbegin(); it != figures_.rend(); ++it) {
        const std::array<Point, 4> middles = points(*it);
        for (const Point& p : middles)
            if (distance(at, p.at) <= reach) return p;
        if (it->tool == Tool::Decision) continue;  // its sides are slanted: only its corners
        const QRectF& r = it->rect;
        for (const Point& p : middles) {
            // The side through its connection point, as long as the figure.
            const bool across = p.side == Side::Top || p.side == Side::Bottom;
            const QPointF a = across ? QPointF(r.left(), p.at.y()) : QPointF(p.at.x(), r.top());
            const QPointF b = across ? QPointF(r.right(), p.at.y()) : QPointF(p.at.x(), r.bottom());
            if (distanceToSegment(at, a, b) <= reach) return p;
        }
    }
    return std::nullopt;
}

DrawnFigure FigureMemory::remembered(int tool, QPointF press, QPointF release, int penWidth) {
    DrawnFigure f{tool, QRectF(press, release).normalized(), penWidth, {}, release.x() < press.x(),
                  release.y() < press.y()};
    if (tool == Tool::Circle) {
        // The circle the drag draws: centred in it, its radius from its height.
        const QPointF c = f.rect.center();
        const double r = std::fabs((release.y() - press.y()) / 2 - 2);
        f.rect = QRectF(c - QPointF(r, r), c + QPointF(r, r));
        f.leftward = f.upward = false;
    }
    return f;
}

int FigureMemory::drawn(int tool, QPointF press, QPointF release, QSize size, int penWidth, Bend bend) {
    DrawnFigure f = remembered(tool, press, release, penWidth);
    f.bend = bend;
    if (shown(f, size).isEmpty()) return 0;
    f.id = ++nextId_;
    last_ = f;
    if (isFigure(tool)) figures_.push_back(f);
    if (isLine(tool)) lastLine_ = f;
    return f.id;
}

void FigureMemory::update(const DrawnFigure& f) {
    for (DrawnFigure& kept : figures_)
        if (kept.id == f.id) kept = f;
    if (last_ && last_->id == f.id) last_ = f;
    if (lastLine_ && lastLine_->id == f.id) lastLine_ = f;
}

void FigureMemory::remove(int id) {
    figures_.erase(std::remove_if(figures_.begin(), figures_.end(), [&](const DrawnFigure& f) { return f.id == id; }),
                   figures_.end());
    if (last_ && last_->id == id) last_ = figures_.empty() ? std::nullopt : std::optional(figures_.back());
    if (lastLine_ && lastLine_->id == id) lastLine_.reset();
}

void FigureMemory::forget() {
    figures_.clear();
    last_.reset();
    lastLine_.reset();
}

template <typename Map>
void FigureMemory::remap(Map map) {
    std::vector<DrawnFigure> kept;
    for (const DrawnFigure& f : figures_)
        if (std::optional<DrawnFigure> m = map(f)) kept.push_back(*m);
    figures_ = std::move(kept);
    if (last_) last_ = map(*last_);
    if (lastLine_) lastLine_ = map(*lastLine_);
}

void FigureMemory::cropped(const QRect& part, bool toContent, QSize size) {
    remap([&](const DrawnFigure& f) -> std::optional<DrawnFigure> {
        const QRect was = shown(f, size);
        if (toContent ? !was.intersects(part) : !part.contains(was)) return std::nullopt;
        return translated(f, -part.topLeft());
    });
}

void FigureMemory::resized(QSize from, QSize to) {
    const QRect now(QPoint(0, 0), to);
    remap([&](const DrawnFigure& f) -> std::optional<DrawnFigure> {
        if (!now.contains(shown(f, from))) return std::nullopt;
        return f;
    });
}

void FigureMemory::turned(Turn turn, QSize size) {
    remap([&](const DrawnFigure& f) -> std::optional<DrawnFigure> {
        DrawnFigure t = f;
        t.rect = QRectF(turnedPoint(f.rect.topLeft(), turn, size), turnedPoint(f.rect.bottomRight(), turn, size))
                     .normalized();
        t.orientation = f.orientation.then(turn);
        return t;
    });
}

void FigureMemory::moved(const QRect& from, const QRect& to, bool turnedPart, bool covers, QSize size) {
    if (!turnedPart && from == to) return;  // put back where it was lifted
    const QRect picture(QPoint(0, 0), size);
    remap([&](const DrawnFigure& f) -> std::optional<DrawnFigure> {
        const QRect was = shown(f, size);
        if (!from.isEmpty() && from.contains(was)) {
            if (turnedPart) return std::nullopt;
            const DrawnFigure m = translated(f, to.topLeft() - from.topLeft());
            if (!picture.contains(was.translated(to.topLeft() - from.topLeft()))) return std::nullopt;
            return m;
        }
        if (was.intersects(from) || (covers && was.intersects(to))) return std::nullopt;
        return f;
    });
}

void FigureMemory::whitened(const QRect& part) {
    remap([&](const DrawnFigure& f) -> std::optional<DrawnFigure> {
        if (f.pixels().intersects(part)) return std::nullopt;
        return f;
    });
}
