// A figure grown to hold a label that fits it at no readable size.
#include "Document.h"

#include "core/ToolCode.h"

#include <algorithm>

namespace {

constexpr double kTp = Canvas::kTwipsPerPixel;
using Side = FigureMemory::Side;

// The smallest K of 1..LAST for which HOLDS is true, where it is false and
// then true as K grows; LAST + 1 for none.
template <typename Holds>
int firstWhere(int last, Holds holds) {
    int lo = 1, k = 1;
    while (k <= last && !holds(k)) {
        lo = k + 1;
        k *= 2;
    }
    int hi = std::min(k, last + 1);
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

}  // namespace

std::optional<DrawnFigure> Document::grownToFit(const DrawnFigure& figure, const QString& text, int step) const {
    if (step < 1 || !FigureMemory::isFigure(figure.tool) || !(figure.orientation == Orientation()) || !labelSites)
        return std::nullopt;
    // The middle of the side the first connector coming in meets stays put.
    Side fixed = Side::Top;
    for (const Chart::Item& i : chart().items())
        if (i.kind == Chart::Item::Kind::Connector && i.ends[1].figure == figure.id) {
            fixed = i.ends[1].side;
            break;
        }
    const QLineF drag = figure.drag();
    const QRectF was = QRectF(drag.p1(), drag.p2()).normalized();
    const QRect picture = canvas.Image().rect();
    // A drag W by H pixels larger, about the fixed middle; a side that is
    // centred grows by whole steps either way.
    auto grown = [&](int w, int h) {
        const double dw = w * step * kTp, dh = h * step * kTp;
        QRectF r = was;
        switch (fixed) {
        case Side::Top: r.adjust(-dw, 0, dw, 2 * dh); break;
        case Side::Bottom: r.adjust(-dw, -2 * dh, dw, 0); break;
        case Side::Left: r.adjust(0, -dh, 2 * dw, dh); break;
        case Side::Right: r.adjust(-2 * dw, -dh, 0, dh); break;
        }
        const QPointF press(figure.leftward ? r.right() : r.left(), figure.upward ? r.bottom() : r.top());
        const QPointF release(figure.leftward ? r.left() : r.right(), figure.upward ? r.top() : r.bottom());
        DrawnFigure g = FigureMemory::remembered(figure.tool, press, release, figure.penWidth);
        g.id = figure.id;
        return g;
    };
    auto blocked = [&](const DrawnFigure& g) {
        if (!picture.contains(g.pixels())) return true;
        return std::any_of(figures().figures().begin(), figures().figures().end(), [&](const DrawnFigure& other) {
            return other.id != figure.id && other.pixels().intersects(g.pixels());
        });
    };
    auto fits = [&](const DrawnFigure& g) {
        return Label::placeFor(*this, g, text, labelSites, Label::kReadablePoints).fits;
    };
    // Each step adds STEP pixels to each side that moves: a circle grows as
    // a square, so its height grows with its width. Both fitting and being
    // blocked only come sooner in a larger figure.
    const bool square = figure.tool == Tool::Circle;
    auto firstFit = [&](int last, auto make) -> std::optional<std::optional<DrawnFigure>> {
        const int block = firstWhere(last, [&](int k) { return blocked(make(k)); });
        const int fit = firstWhere(block - 1, [&](int k) { return fits(make(k)); });
        if (fit < block) return std::optional<DrawnFigure>(make(fit));
        if (block <= last) return std::optional<DrawnFigure>();  // blocked before it fits
        return std::nullopt;                                      // go on
    };
    const int widest = std::max(1, int(was.width() / kTp / (2 * step)));
    if (auto found = firstFit(widest, [&](int w) { return grown(w, square ? w : 0); })) return *found;
    if (square) return std::nullopt;
    const int tallest = picture.height() / step + 1;
    if (auto found = firstFit(tallest, [&](int h) { return grown(widest, h); })) return *found;
    return std::nullopt;
}
