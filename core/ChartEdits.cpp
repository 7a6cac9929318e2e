// The document's chart edits: what is drawn joins the chart with the pixels
// it painted, and a figure moves, goes or is labelled again with its
// labels and connectors following.
#include "Document.h"

#include "core/ToolCode.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTp = Canvas::kTwipsPerPixel;
using Kind = Chart::Item::Kind;

}  // namespace

void Document::drawn(int tool, QPointF press, QPointF release, int penWidth, Bend bend, PixelRecord pixels,
                     const LineLook& look, FirstLeg leg, int colour) {
    history.changeChart([&](Chart& c) {
        const int id = c.memory().drawn(tool, press, release, canvas.Image().size(), penWidth, bend);
        if (id && FigureMemory::isFigure(tool)) return c.addFigure(id, std::move(pixels));
        if (!id || tool != Tool::Line) return c.addPlain(std::move(pixels));
        Chart::Item line;
        line.id = id;
        line.from = press;
        line.to = release;
        line.penWidth = penWidth;
        line.look = look;
        line.leg = leg;
        line.colour = colour;
        c.addConnector(line, std::move(pixels));
    });
}

void Document::printText(QPointF at, const QString& text) {
    canvas.CurrentX = float(at.x());
    canvas.CurrentY = float(at.y());
    const QFont font = canvas.Font;
    const VbColor colour = canvas.ForeColor;
    PixelRecord pixels;
    {
        Recording recording(canvas);
        canvas.Print(text);
        pixels = recording.take();
    }
    if (pixels.empty()) return;
    const DrawnFigure* under = figures().under(at);
    const int owner = under ? under->id : 0;
    history.changeChart([&](Chart& c) {
        if (owner)
            c.addLabel(owner, text, font, colour, std::move(pixels));
        else
            c.addPlain(std::move(pixels));
    });
}

std::vector<std::size_t> Document::itemsOf(int figure) const {
    const std::vector<Chart::Item>& items = chart().items();
    std::vector<int> owners{figure};
    for (const Chart::Item& i : items)
        if (i.kind == Kind::Connector && (i.ends[0].figure == figure || i.ends[1].figure == figure))
            owners.push_back(i.id);
    std::vector<std::size_t> found;
    for (std::size_t n = 0; n < items.size(); ++n) {
        const Chart::Item& i = items[n];
        const bool owned = i.kind == Kind::Label && std::count(owners.begin(), owners.end(), i.owner);
        if ((i.kind != Kind::Plain && i.kind != Kind::Label && std::count(owners.begin(), owners.end(), i.id)) || owned)
            found.push_back(n);
    }
    return found;
}

// Where FIGURE goes: moved BY pixels, or drawn again to a new drag.
struct Document::Reshape {
    int figure = 0;
    QPoint by;
    std::optional<DrawnFigure> grown;
    VbColor colour = 0;

    // Where a connector's end E lies once the figure is there.
    QPointF end(const Chart::Item& c, int e) const {
        const QPointF at = e == 0 ? c.from : c.to;
        if (c.ends[e].figure != figure) return at;
        if (!grown) return at + QPointF(by) * kTp;
        return FigureMemory::points(*grown)[std::size_t(c.ends[e].side)].at + c.ends[e].offset;
    }
};

// An item of the figure reshaped: its own pixels moved as they are or drawn
// again, its labels as they are, a connector drawn again to its new ends and
// a connector's label placed again beside it, gathered but not painted.
PixelRecord Document::reshaped(const Chart::Item& item, const Reshape& r, Chart::Item& changed) {
    changed = item;
    const QRect picture = canvas.Image().rect();
    const std::vector<Chart::Item>& items = chart().items();
    const auto owner = std::find_if(items.begin(), items.end(), [&](const Chart::Item& i) { return i.id == item.owner; });
    const bool own = item.kind == Kind::Label && owner != items.end() && owner->kind == Kind::Figure;
    if ((item.kind == Kind::Figure && !r.grown) || own) return item.pixels->translated(r.by).clipped(picture);
    Recording recording(canvas, true);
    if (item.kind == Kind::Figure) {
        const QLineF drag = r.grown->drag();
        canvas.DrawWidth = r.grown->penWidth;
        drawFigure(r.grown->tool, drag, r.colour);
        return recording.take();
    }
    // A connector back where it was drawn takes its own pixels back, and so
    // does its label.
    Chart::Item line = item.kind == Kind::Connector ? item : *owner;
    line.from = r.end(line, 0);
    line.to = r.end(line, 1);
    if (item.kind == Kind::Connector) {
        changed.from = line.from;
        changed.to = line.to;
    }
    if (item.laid && line.from == item.laidFrom && line.to == item.laidTo) return item.laid->clipped(picture);
    if (item.kind == Kind::Connector) {
        canvas.DrawWidth = item.penWidth;
        drawConnector(canvas, float(line.from.x()), float(line.from.y()), float(line.to.x()), float(line.to.y()),
                      item.look, item.leg, item.colour);
        return recording.take();
    }
    // A connector's label: beside the connector where it now lies.
    canvas.Font = item.font;
    canvas.ForeColor = item.colour;
    Label::print(canvas, Label::placeFor(*this, line.line(), item.text, labelSites));
    return recording.take();
}

// The figure and its own labels where they would lie, and its connectors
// drawn to it there; the connectors' labels are placed on the release.
FigurePixels Document::movePreview(int figure, QPoint by) const {
    FigurePixels preview;
    if (!chart().figure(figure)) return preview;
    Coverage cover;
    cover.reset(canvas.Image().rect());
    std::vector<FigurePixels::Span> spans;
    auto& gatherer = const_cast<Canvas&>(canvas);  // gathers spans, painting nothing
    const int width = gatherer.DrawWidth, mode = gatherer.DrawMode;
    gatherer.setOutline(&spans);
    Reshape moved;
    moved.figure = figure;
    moved.by = by;
    for (std::size_t n : itemsOf(figure)) {
        const Chart::Item& item = chart().items()[n];
        if (item.kind == Kind::Figure || (item.kind == Kind::Label && item.owner == figure)) {
            for (const FigurePixels::Span& s : item.pixels->spans()) cover.addSpan(s.y + by.y(), s.x0 + by.x(), s.x1 + by.x());
        } else if (item.kind == Kind::Connector) {
            const QPointF from = moved.end(item, 0), to = moved.end(item, 1);
            gatherer.DrawWidth = item.penWidth;
            drawConnector(gatherer, float(from.x()), float(from.y()), float(to.x()), float(to.y()), item.look, item.leg,
                          item.colour);
        }
    }
    gatherer.setOutline(nullptr);
    gatherer.DrawWidth = width;
    gatherer.DrawMode = mode;
    for (const FigurePixels::Span& s : spans) cover.addSpan(s.y, s.x0, s.x1);
    cover.finish(preview);
    return preview;
}

bool Document::moveFigure(int figure, QPoint by) {
    const DrawnFigure* f = chart().figure(figure);
    if (!f || by.isNull()) return false;
    const auto self = std::find_if(chart().items().begin(), chart().items().end(),
                                   [&](const Chart::Item& i) { return i.kind == Kind::Figure && i.id == figure; });
    if (self == chart().items().end() || !canvas.Image().rect().contains(self->pixels->bounds().translated(by)))
        return false;
    DrawnFigure moved = *f;
    moved.rect.translate(QPointF(by) * kTp);
    Reshape r;
    r.figure = figure;
    r.by = by;
    reshape(r, moved);
    return true;
}

// Gathered first, where everything still lies; then lifted from the top
// down and put back in the order they were drawn.
void Document::reshape(const Reshape& r, const DrawnFigure& now) {
    const std::vector<std::size_t> items = itemsOf(r.figure);
    std::vector<std::pair<Chart::Item, PixelRecord>> changed;
    for (std::size_t n : items) {
        Chart::Item item;
        PixelRecord pixels = reshaped(chart().items()[n], r, item);
        changed.emplace_back(std::move(item), std::move(pixels));
    }
    history.changeChart([&](Chart& c) {
        for (auto n = items.rbegin(); n != items.rend(); ++n) c.lift(*n, canvas);
        for (std::size_t k = 0; k < items.size(); ++k) {
            Chart::Item& item = c.item(items[k]);
            const auto keep = item.pixels;
            item = changed[k].first;
            item.pixels = keep;
            c.place(items[k], std::move(changed[k].second), canvas);
            if (item.kind == Kind::Connector && c.figures().last() && c.figures().last()->id == item.id)
                c.memory().update(item.line());
        }
        c.memory().update(now);
    });
}

bool Document::growFigure(const DrawnFigure& grown) {
    const std::vector<Chart::Item>& items = chart().items();
    const auto self = std::find_if(items.begin(), items.end(),
                                   [&](const Chart::Item& i) { return i.kind == Kind::Figure && i.id == grown.id; });
    if (self == items.end() || !drawFigure || self->pixels->empty()) return false;
    Reshape r;
    r.figure = grown.id;
    r.grown = grown;
    r.colour = Canvas::toVbColor(self->pixels->painted(0));
    reshape(r, grown);
    return true;
}

bool Document::removeFigure(int figure) {
    if (!chart().figure(figure)) return false;
    const std::vector<std::size_t> going = itemsOf(figure);
    history.changeChart([&](Chart& c) {
        for (auto n = going.rbegin(); n != going.rend(); ++n) {
            const int id = c.items()[*n].id;
            c.lift(*n, canvas);
            c.erase(*n);
            c.memory().remove(id);
        }
        c.memory().remove(figure);  // one that painted nothing has no item
    });
    return true;
}

Label::Stamp Document::relabel(int figure, const QString& text, int growStep) {
    const DrawnFigure* f = chart().figure(figure);
    if (!f) return Label::Stamp::NoFigure;
    if (text.simplified().isEmpty()) return Label::Stamp::NoText;
    const DrawnFigure target = *f;
    UndoHistory::Scope step(history);
    history.changeChart([&](Chart& c) {
        for (std::size_t n = c.items().size(); n-- > 0;)
            if (c.items()[n].kind == Kind::Label && c.items()[n].owner == figure) {
                c.lift(n, canvas);
                c.erase(n);
            }
    });
    return Label::stampOn(*this, target, text, labelSites, growStep);
}
