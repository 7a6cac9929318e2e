#include "Chart.h"

#include "core/Canvas.h"
#include "core/ImageOps.h"
#include "core/ToolCode.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace {

using Kind = Chart::Item::Kind;
using Side = FigureMemory::Side;

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
    const QPointF q = a + t * d - p;
    return std::hypot(q.x(), q.y());
}

// A record another item shares is copied before it changes.
PixelRecord& own(std::shared_ptr<const PixelRecord>& pixels) {
    if (pixels.use_count() != 1) pixels = std::make_shared<const PixelRecord>(*pixels);
    return const_cast<PixelRecord&>(*pixels);  // held by this item alone
}

const char* sideName(Side side) {
    static const char* const names[] = {"top", "bottom", "left", "right"};
    return names[int(side)];
}

}  // namespace

const DrawnFigure* Chart::figure(int id) const {
    for (const DrawnFigure& f : memory_.figures())
        if (f.id == id) return &f;
    return nullptr;
}

QString Chart::labelOf(int id) const {
    QStringList texts;
    for (const Item& i : items_)
        if (i.kind == Kind::Label && i.owner == id) texts << i.text.simplified();
    return texts.join(QLatin1Char(' '));
}

int Chart::connectorCount() const {
    return int(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.kind == Kind::Connector; }));
}

int Chart::labelCount() const {
    return int(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.kind == Kind::Label; }));
}

QStringList Chart::listing(const std::function<QString(int tool)>& buttonName) const {
    auto corners = [](const QRectF& r) {
        return QStringLiteral("%1,%2,%3,%4")
            .arg(Canvas::number(float(r.left())), Canvas::number(float(r.top())), Canvas::number(float(r.right())),
                 Canvas::number(float(r.bottom())));
    };
    auto quoted = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
    const std::vector<DrawnFigure>& figures = memory_.figures();
    auto number = [&](int id) {
        for (std::size_t n = 0; n < figures.size(); ++n)
            if (figures[n].id == id) return int(n) + 1;
        return 0;
    };
    QStringList lines;
    for (std::size_t n = 0; n < figures.size(); ++n)
        lines << QStringLiteral("figure %1 %2 %3 %4")
                     .arg(n + 1)
                     .arg(buttonName(figures[n].tool), corners(figures[n].rect), quoted(labelOf(figures[n].id)));
    int c = 0;
    for (const Item& i : items_) {
        if (i.kind != Kind::Connector) continue;
        auto end = [&](const End& e) {
            const int n = e.figure ? number(e.figure) : 0;
            return n ? QStringLiteral("%1:%2").arg(n).arg(QLatin1String(sideName(e.side))) : QStringLiteral("-");
        };
        lines << QStringLiteral("connector %1 %2 %3 %4 %5 %6 %7")
                     .arg(++c)
                     .arg(end(i.ends[0]), end(i.ends[1]), nameOf(i.look.ends), nameOf(i.look.style),
                          nameOf(i.look.route), quoted(labelOf(i.id)));
    }
    return lines;
}

Chart::End Chart::endAt(QPointF at, double reach) const {
    const std::vector<DrawnFigure>& figures = memory_.figures();
    for (auto f = figures.rbegin(); f != figures.rend(); ++f) {
        const std::array<FigureMemory::Point, 4> points = FigureMemory::points(*f);
        std::optional<Side> side;
        for (const FigureMemory::Point& p : points)
            if (std::hypot(at.x() - p.at.x(), at.y() - p.at.y()) <= reach) side = p.side;
        if (!side && f->tool == Tool::Decision) {
            // Its sides are the diamond's edges, each taken by its nearer corner.
            const std::pair<int, int> edges[] = {{0, 2}, {0, 3}, {1, 2}, {1, 3}};
            for (const auto& [a, b] : edges)
                if (distanceToSegment(at, points[a].at, points[b].at) <= reach) {
                    const bool nearerA = QLineF(at, points[a].at).length() <= QLineF(at, points[b].at).length();
                    side = points[nearerA ? a : b].side;
                }
        } else if (!side) {
            const QRectF& r = f->rect;
            const std::pair<Side, QLineF> sides[] = {{Side::Top, QLineF(r.topLeft(), r.topRight())},
                                                     {Side::Bottom, QLineF(r.bottomLeft(), r.bottomRight())},
                                                     {Side::Left, QLineF(r.topLeft(), r.bottomLeft())},
                                                     {Side::Right, QLineF(r.topRight(), r.bottomRight())}};
            for (const auto& [s, line] : sides)
                if (!side && distanceToSegment(at, line.p1(), line.p2()) <= reach) side = s;
        }
        if (side) return {f->id, *side, at - points[int(*side)].at};
    }
    return {};
}

void Chart::addFigure(int id, PixelRecord pixels) {
    if (pixels.empty() || !figure(id)) return addPlain(std::move(pixels));
    Item item;
    item.kind = Kind::Figure;
    item.id = id;
    item.pixels = std::make_shared<const PixelRecord>(std::move(pixels));
    items_.push_back(std::move(item));
    // A connector drawn first (a chain's arrow) meets it now.
    const DrawnFigure& f = *figure(id);
    for (Item& c : items_)
        if (c.kind == Kind::Connector)
            for (int e = 0; e < 2; ++e)
                if (!c.ends[e].figure) {
                    const End end = endAt(e == 0 ? c.from : c.to, 3 * Canvas::kTwipsPerPixel);
                    if (end.figure == f.id) c.ends[e] = end;
                }
}

void Chart::addConnector(const Item& connector, PixelRecord pixels) {
    if (pixels.empty()) return;
    Item item = connector;
    item.kind = Kind::Connector;
    item.pixels = item.laid = std::make_shared<const PixelRecord>(std::move(pixels));
    item.laidFrom = item.from;
    item.laidTo = item.to;
    for (int e = 0; e < 2; ++e) item.ends[e] = endAt(e == 0 ? item.from : item.to, 3 * Canvas::kTwipsPerPixel);
    items_.push_back(std::move(item));
}

void Chart::addLabel(int owner, const QString& text, const QFont& font, int colour, PixelRecord pixels) {
    const auto of = std::find_if(items_.begin(), items_.end(), [&](const Item& i) {
        return i.id == owner && (i.kind == Kind::Figure || i.kind == Kind::Connector);
    });
    if (of == items_.end() || pixels.empty()) return addPlain(std::move(pixels));
    Item item;
    item.kind = Kind::Label;
    item.id = nextLabel_--;
    item.owner = owner;
    item.text = text;
    item.font = font;
    item.colour = colour;
    item.pixels = item.laid = std::make_shared<const PixelRecord>(std::move(pixels));
    item.laidFrom = of->from;
    item.laidTo = of->to;
    items_.push_back(std::move(item));
}

void Chart::addPlain(PixelRecord pixels) {
    if (pixels.empty()) return;
    Item item;
    item.pixels = std::make_shared<const PixelRecord>(std::move(pixels));
    items_.push_back(std::move(item));
}

void Chart::lift(std::size_t i, Canvas& canvas) {
    const PixelRecord& record = *items_[i].pixels;
    std::vector<PixelRecord::Dab> uncovered;
    record.forEach([&](int x, int y, int k) {
        for (std::size_t j = i + 1; j < items_.size(); ++j) {
            const int at = items_[j].pixels->indexOf(x, y);
            if (at < 0) continue;
            own(items_[j].pixels).setBefore(at, record.before(k));
            return;
        }
        uncovered.push_back({x, y, 0, record.before(k)});
    });
    canvas.SetPixels(uncovered);
    // It covers nothing until it is put back.
    items_[i].pixels = std::make_shared<const PixelRecord>();
}

void Chart::place(std::size_t i, PixelRecord pixels, Canvas& canvas) {
    const QImage& picture = canvas.Image();
    std::vector<PixelRecord::Dab> shown;
    pixels.forEach([&](int x, int y, int k) {
        for (std::size_t j = i + 1; j < items_.size(); ++j) {
            const int at = items_[j].pixels->indexOf(x, y);
            if (at < 0) continue;
            PixelRecord& above = own(items_[j].pixels);
            pixels.setBefore(k, above.before(at));
            above.setBefore(at, pixels.painted(k));
            return;
        }
        pixels.setBefore(k, picture.pixel(x, y));
        shown.push_back({x, y, 0, pixels.painted(k)});
    });
    canvas.SetPixels(shown);
    items_[i].pixels = std::make_shared<const PixelRecord>(std::move(pixels));
}

bool Chart::checkPixels(const QImage& picture, const QRect& area,
                        const std::function<bool(int x, int y)>& touched) {
    std::unordered_set<long long> seen;  // pixels a later item shows
    bool changed = false;
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        const PixelRecord& record = *it->pixels;
        if (!record.bounds().intersects(area)) continue;
        bool differs = false;
        record.forEach([&](int x, int y, int k) {
            if (!touched(x, y) || !seen.insert((static_cast<long long>(y) << 32) | unsigned(x)).second) return;
            if (it->kind != Kind::Plain && picture.pixel(x, y) != record.painted(k)) differs = true;
        });
        if (differs) {
            forgetItem(*it);
            changed = true;
        }
    }
    return changed;
}

// A forgotten item's pixels stay on the picture and keep covering what lies
// below them; its figure, if it was one, is no longer remembered.
void Chart::forgetItem(Item& item) {
    if (item.kind == Kind::Figure) memory_.remove(item.id);
    item.kind = Kind::Plain;
}

void Chart::forget() {
    memory_.forget();
    items_.clear();
    origin_ = nextOrigin();
}

std::size_t Chart::bytes(const Chart* beside) const {
    std::unordered_set<const PixelRecord*> shared;
    if (beside)
        for (const Item& i : beside->items_) shared.insert(i.pixels.get()), shared.insert(i.laid.get());
    auto held = [&](const std::shared_ptr<const PixelRecord>& r) { return r && !shared.count(r.get()) ? r->bytes() : 0; };
    std::size_t n = sizeof(*this) + memory_.bytes();
    for (const Item& i : items_)
        n += sizeof(Item) + held(i.pixels) + (i.laid != i.pixels ? held(i.laid) : 0) + std::size_t(i.text.size()) * 2;
    return n;
}

// Records are shared until they change, so the same record is the same pixels.
bool Chart::operator==(const Chart& o) const {
    auto same = [](const Item& a, const Item& b) {
        auto sameEnd = [](const End& x, const End& y) {
            return x.figure == y.figure && x.side == y.side && x.offset == y.offset;
        };
        return a.kind == b.kind && a.id == b.id && a.pixels == b.pixels && a.owner == b.owner && a.from == b.from &&
               a.to == b.to && a.leg == b.leg && sameEnd(a.ends[0], b.ends[0]) && sameEnd(a.ends[1], b.ends[1]);
    };
    return memory_ == o.memory_ && std::equal(items_.begin(), items_.end(), o.items_.begin(), o.items_.end(), same);
}
