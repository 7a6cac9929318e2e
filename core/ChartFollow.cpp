// The chart follows its picture through crops, new sizes, turns and moved
// parts: every record goes where its pixels went, the items cut are
// forgotten, and connectors meet the figures found at their ends again.
#include "Chart.h"

#include "core/Canvas.h"
#include "core/ImageOps.h"
#include "core/ToolCode.h"

#include <algorithm>
#include <unordered_set>

namespace {

constexpr double kTp = Canvas::kTwipsPerPixel;
using Kind = Chart::Item::Kind;

QPoint turnedPixel(int x, int y, Turn turn, QSize size) {
    const int right = size.width() - 1, bottom = size.height() - 1;
    switch (turn) {
    case Turn::FlipHorizontal: return {right - x, y};
    case Turn::FlipVertical: return {x, bottom - y};
    case Turn::Rotate180: return {right - x, bottom - y};
    case Turn::RotateRight: return {bottom - y, x};
    case Turn::RotateLeft: return {y, right - x};
    }
    return {x, y};
}

}  // namespace

DrawnFigure Chart::Item::line() const {
    DrawnFigure f = FigureMemory::remembered(Tool::Line, from, to, penWidth);
    f.id = id;
    if (look.route == LineRoute::Elbow) f.bend = acrossFirst(from, to, leg) ? Bend::AcrossFirst : Bend::DownFirst;
    return f;
}

void Chart::follow(const std::function<PixelRecord(const PixelRecord&)>& map,
                   const std::function<QPointF(QPointF)>& mapPoint, bool swapsAxes,
                   const std::function<bool(const Item&)>& keep) {
    for (Item& item : items_) {
        const bool kept = item.kind == Kind::Plain || keep(item);
        item.pixels = std::make_shared<const PixelRecord>(map(*item.pixels));
        if (item.laid) {
            item.laid = std::make_shared<const PixelRecord>(map(*item.laid));
            item.laidFrom = mapPoint(item.laidFrom);
            item.laidTo = mapPoint(item.laidTo);
        }
        if (!kept || (item.kind == Kind::Figure && !figure(item.id))) forgetItem(item);
        if (item.kind != Kind::Connector) continue;
        // An elbow keeps the way its first leg went, turned as it was.
        const bool across = acrossFirst(item.from, item.to, item.leg) != swapsAxes;
        if (item.look.route == LineRoute::Elbow) item.leg = across ? FirstLeg::Horizontal : FirstLeg::Vertical;
        item.from = mapPoint(item.from);
        item.to = mapPoint(item.to);
    }
    // Connectors meet the figures at their ends again; labels go with what
    // they belong to.
    for (Item& item : items_)
        if (item.kind == Kind::Connector)
            for (int e = 0; e < 2; ++e) item.ends[e] = endAt(e == 0 ? item.from : item.to, 3 * kTp);
    for (Item& item : items_) {
        const bool orphan = item.kind == Kind::Label && std::none_of(items_.begin(), items_.end(), [&](const Item& o) {
                                return o.id == item.owner && (o.kind == Kind::Figure || o.kind == Kind::Connector);
                            });
        if (orphan) forgetItem(item);
    }
    // An item cut away whole goes, and a figure with it.
    for (const Item& item : items_)
        if (item.kind == Kind::Figure && item.pixels->empty()) memory_.remove(item.id);
    items_.erase(std::remove_if(items_.begin(), items_.end(), [](const Item& i) { return i.pixels->empty(); }),
                 items_.end());
}

void Chart::cropped(const QRect& part, bool toContent, QSize size) {
    memory_.cropped(part, toContent, size);
    const QRect now(QPoint(0, 0), part.size());
    const QPoint by = -part.topLeft();
    follow([&](const PixelRecord& r) { return r.translated(by).clipped(now); },
           [&](QPointF p) { return p + QPointF(by) * kTp; }, false,
           [&](const Item& i) {
               const QRect was = i.pixels->bounds();
               return toContent ? was.intersects(part) : part.contains(was);
           });
}

void Chart::resized(QSize from, QSize to) {
    memory_.resized(from, to);
    const QRect now(QPoint(0, 0), to);
    follow([&](const PixelRecord& r) { return r.clipped(now); }, [](QPointF p) { return p; }, false,
           [&](const Item& i) { return now.contains(i.pixels->bounds()); });
}

void Chart::turned(Turn turn, QSize size) {
    memory_.turned(turn, size);
    const bool quarter = turn == Turn::RotateRight || turn == Turn::RotateLeft;
    const QRect now(QPoint(0, 0), quarter ? size.transposed() : size);
    follow([&](const PixelRecord& r) {
               return r.mapped([&](int x, int y) { return turnedPixel(x, y, turn, size); }, now);
           },
           [&](QPointF p) { return FigureMemory::turnedPoint(p, turn, size); }, quarter,
           [](const Item&) { return true; });
}

// The items wholly inside the part lifted go with it and lie above every
// other item afterwards, as its pixels do; the ones it cut, or covered
// where it landed, are forgotten.
void Chart::moved(const QRect& from, const QRect& to, bool turnedPart, bool covers, QSize size) {
    if (!turnedPart && from == to) return;
    memory_.moved(from, to, turnedPart, covers, size);
    const QRect picture(QPoint(0, 0), size);
    const QPoint by = to.topLeft() - from.topLeft();
    auto inside = [&](const Item& i) { return !from.isEmpty() && from.contains(i.pixels->bounds()); };
    std::stable_partition(items_.begin(), items_.end(), [&](const Item& i) { return !inside(i); });
    std::unordered_set<const Item*> carried;
    for (Item& i : items_) {
        if (!inside(i)) continue;
        carried.insert(&i);
        i.pixels = std::make_shared<const PixelRecord>(i.pixels->translated(by));
        i.from += QPointF(by) * kTp;
        i.to += QPointF(by) * kTp;
        if (i.laid) {
            i.laid = std::make_shared<const PixelRecord>(i.laid->translated(by));
            i.laidFrom += QPointF(by) * kTp;
            i.laidTo += QPointF(by) * kTp;
        }
    }
    follow([&](const PixelRecord& r) { return r.clipped(picture); }, [](QPointF p) { return p; }, false,
           [&](const Item& i) {
               const QRect was = i.pixels->bounds();
               if (carried.count(&i)) return !turnedPart && picture.contains(was);
               return !was.intersects(from) && !(covers && was.intersects(to));
           });
}

void Chart::whitened(const QRect& part) {
    memory_.whitened(part);
    follow([](const PixelRecord& r) { return r; }, [](QPointF p) { return p; }, false,
           [&](const Item& i) { return !i.pixels->bounds().intersects(part); });
}
