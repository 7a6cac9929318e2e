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

namespace {

// An item of FIGURE's moved BY pixels: its own pixels and its labels as
// they are, a connector drawn again to its moved ends and a connector's
// label placed again beside it, gathered but not painted.
PixelRecord movedPixels(Document& doc, const Chart::Item& item, int figure, QPoint by, Chart::Item& changed) {
    const QPointF twips = QPointF(by) * kTp;
    changed = item;
    const QRect picture = doc.canvas.Image().rect();
    if (item.kind == Kind::Figure) return item.pixels->translated(by).clipped(picture);
    const std::vector<Chart::Item>& items = doc.chart().items();
    const auto owner = std::find_if(items.begin(), items.end(), [&](const Chart::Item& i) { return i.id == item.owner; });
    if (item.kind == Kind::Label && owner != items.end() && owner->kind == Kind::Figure)
        return item.pixels->translated(by).clipped(picture);
    // A connector back where it was drawn takes its own pixels back, and so
    // does its label.
    const Chart::Item& line = item.kind == Kind::Connector ? item : *owner;
    const QPointF from = line.from + (line.ends[0].figure == figure ? twips : QPointF());
    const QPointF to = line.to + (line.ends[1].figure == figure ? twips : QPointF());
    if (item.laid && from == item.laidFrom && to == item.laidTo) return item.laid->clipped(picture);
    Recording recording(doc.canvas, true);
    Canvas& canvas = doc.canvas;
    if (item.kind == Kind::Connector) {
        changed.from = from;
        changed.to = to;
        canvas.DrawWidth = item.penWidth;
        drawConnector(canvas, float(changed.from.x()), float(changed.from.y()), float(changed.to.x()),
                      float(changed.to.y()), item.look, item.leg, item.colour);
        return recording.take();
    }
    // A connector's label: beside the connector where it now lies.
    Chart::Item moved = line;
    moved.from = from;
    moved.to = to;
    canvas.Font = item.font;
    canvas.ForeColor = item.colour;
    Label::print(canvas, Label::placeFor(doc, moved.line(), item.text, doc.labelSites));
    return recording.take();
}

}  // namespace

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
    const QPointF twips = QPointF(by) * kTp;
    for (std::size_t n : itemsOf(figure)) {
        const Chart::Item& item = chart().items()[n];
        if (item.kind == Kind::Figure || (item.kind == Kind::Label && item.owner == figure)) {
            for (const FigurePixels::Span& s : item.pixels->spans()) cover.addSpan(s.y + by.y(), s.x0 + by.x(), s.x1 + by.x());
        } else if (item.kind == Kind::Connector) {
            const QPointF from = item.from + (item.ends[0].figure == figure ? twips : QPointF());
            const QPointF to = item.to + (item.ends[1].figure == figure ? twips : QPointF());
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
    const std::vector<std::size_t> moving = itemsOf(figure);
    const auto self = std::find_if(chart().items().begin(), chart().items().end(),
                                   [&](const Chart::Item& i) { return i.kind == Kind::Figure && i.id == figure; });
    if (!canvas.Image().rect().contains(self->pixels->bounds().translated(by))) return false;
    DrawnFigure movedFigure = *f;
    movedFigure.rect.translate(QPointF(by) * kTp);
    // Gathered first, where everything still lies; then lifted from the top
    // down and put back in the order they were drawn.
    std::vector<std::pair<Chart::Item, PixelRecord>> moved;
    for (std::size_t n : moving) {
        Chart::Item changed;
        PixelRecord pixels = movedPixels(*this, chart().items()[n], figure, by, changed);
        moved.emplace_back(std::move(changed), std::move(pixels));
    }
    history.changeChart([&](Chart& c) {
        for (auto n = moving.rbegin(); n != moving.rend(); ++n) c.lift(*n, canvas);
        for (std::size_t k = 0; k < moving.size(); ++k) {
            Chart::Item& item = c.item(moving[k]);
            const auto keep = item.pixels;
            item = moved[k].first;
            item.pixels = keep;
            c.place(moving[k], std::move(moved[k].second), canvas);
            if (item.kind == Kind::Connector && c.figures().last() && c.figures().last()->id == item.id)
                c.memory().update(item.line());
        }
        c.memory().update(movedFigure);
    });
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
    });
    return true;
}

Label::Stamp Document::relabel(int figure, const QString& text) {
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
    return Label::stampOn(*this, target, text, labelSites);
}
