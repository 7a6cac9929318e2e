#include "Label.h"

#include "core/Document.h"
#include "core/ToolCode.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace Label {
namespace {

constexpr double tp = Canvas::kTwipsPerPixel;

// The measures of the canvas's font at POINTS (its own size for none), as
// Print draws it.
QFontMetricsF metricsAt(const Canvas& canvas, double points) {
    QFont f = canvas.Font;
    if (points > 0) f.setPointSizeF(points);
    f.setStyleStrategy(QFont::NoAntialias);
    return QFontMetricsF(f, &canvas.Image());
}

// The width a line needs when it is centred on its advance: its ink may
// reach past the advance on either side (italics, large glyphs).
double needWidth(const QFontMetricsF& fm, const QString& line) {
    const double advance = fm.horizontalAdvance(line);
    const QRectF ink = fm.tightBoundingRect(line);
    return advance + 2 * std::max({0.0, -ink.left(), ink.right() - advance});
}

// The height LINES need, ink reaching past a line's own height included.
double needHeight(const QFontMetricsF& fm, const QStringList& lines) {
    double over = 0;
    for (const QString& l : lines) {
        const QRectF ink = fm.tightBoundingRect(l);
        over = std::max({over, -fm.ascent() - ink.top(), ink.bottom() - fm.descent()});
    }
    return double(lines.size()) * fm.height() + 2 * over;
}

// The ends of WORD's letters, as many as there are letters.
std::vector<qsizetype> letterEnds(const QString& word) {
    std::vector<qsizetype> ends;
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
    while (letters.toNextBoundary() > 0) ends.push_back(letters.position());
    return ends;
}

// WORDS in lines no wider than ROOM when they can be: a line is filled with
// whole words, and with BREAKWORDS a word wider than the room alone is
// broken with a hyphen after the longest start that fits (its first letter
// at least); without, it stands whole on a line of its own.
QStringList wrap(const QFontMetricsF& fm, const QStringList& words, double room, bool breakWords) {
    QStringList lines;
    for (QString word : words) {
        if (!lines.isEmpty() && needWidth(fm, lines.last() + QLatin1Char(' ') + word) <= room) {
            lines.last() += QLatin1Char(' ') + word;
            continue;
        }
        while (breakWords && needWidth(fm, word) > room) {
            const std::vector<qsizetype> ends = letterEnds(word);
            if (ends.size() < 2) break;
            qsizetype start = ends.front();
            for (size_t i = 1; i + 1 < ends.size() && needWidth(fm, word.left(ends[i]) + QLatin1Char('-')) <= room; ++i)
                start = ends[i];
            lines << word.left(start) + QLatin1Char('-');
            word = word.mid(start);
        }
        lines << word;
    }
    return lines;
}

// What of LINES fits ROOMW x ROOMH: the first lines as tall as the room
// holds, each cut after its last letter that fits; lines cut to nothing go.
QStringList cut(const QFontMetricsF& fm, QStringList lines, double roomW, double roomH) {
    while (!lines.isEmpty() && needHeight(fm, lines) > roomH) lines.removeLast();
    QStringList kept;
    for (QString line : lines) {
        while (!line.isEmpty() && needWidth(fm, line) > roomW) {
            const std::vector<qsizetype> ends = letterEnds(line);
            line.truncate(ends.size() < 2 ? 0 : ends[ends.size() - 2]);
        }
        if (!line.trimmed().isEmpty()) kept << line.trimmed();
    }
    return kept;
}

// Whether WORDS could fit the room at all: a line's height, and their whole
// advance spread over as many lines as the room is tall (a pixel a line
// spare for kerning). Spares wrapping a long text at every size of a large
// font.
bool couldFit(const QFontMetricsF& fm, const QString& words, double roomW, double roomH) {
    if (fm.height() > roomH) return false;
    const double lines = std::floor(roomH / fm.height());
    return fm.horizontalAdvance(words) <= lines * (roomW + fm.horizontalAdvance(QLatin1Char(' ')) + 1);
}

// The chosen size, then one point less each time down to the smallest.
std::vector<double> sizesFrom(double chosen) {
    std::vector<double> sizes{chosen};
    for (double p = chosen - 1; p > kSmallestPoints; p -= 1) sizes.push_back(p);
    if (chosen > kSmallestPoints) sizes.push_back(kSmallestPoints);
    return sizes;
}

// LINES centred on CENTRE, in pixels; whole pixels, as Print places text,
// so that a label lands the same on the screen as in the trace.
std::vector<Line> centred(const QFontMetricsF& fm, const QStringList& lines, QPointF centre) {
    const double top = std::floor(centre.y() - double(lines.size()) * fm.height() / 2 + 0.5);
    std::vector<Line> out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double left = std::floor(centre.x() - fm.horizontalAdvance(lines[i]) / 2 + 0.5);
        out.push_back({lines[i], float(left * tp), float((top + double(i) * fm.height()) * tp)});
    }
    return out;
}

// The centre of a label of SIZE beside a connector through P running along
// D, on SIDE 1 (the usual side) or -1 (the other), CLEAR pixels off it.
QPointF besideCentre(QPointF p, QPointF d, QSizeF size, double clear, int side) {
    const double adx = std::fabs(d.x()), ady = std::fabs(d.y());
    const double w = size.width(), h = size.height();
    QPointF off;
    if (ady * 4 <= adx) {  // near level: above, lifted over the slope under it
        const double k = adx > 0 ? ady / adx : 0;
        off = QPointF(0, -(clear * std::sqrt(1 + k * k) + k * w / 2 + h / 2));
    } else if (adx * 4 <= ady) {  // near upright: right, pushed past the slope beside it
        const double k = adx / ady;
        off = QPointF(clear * std::sqrt(1 + k * k) + k * h / 2 + w / 2, 0);
    } else {
        const bool falling = (d.x() > 0) == (d.y() > 0);  // y grows downwards
        const double sx = falling || ady > adx ? 1 : -1, sy = falling || ady < adx ? -1 : 1;
        off = QPointF(sx * (clear + w / 2), sy * (clear + h / 2));
    }
    return p + off * side;
}

}  // namespace

Placed inside(const Canvas& canvas, const QString& text, const QRectF& room, int penWidth, double smallest) {
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    const double inset = std::max(0, penWidth) + kAirPixels;
    const double roomW = std::max(0.0, room.width() / tp - 2 * inset);
    const double roomH = std::max(0.0, room.height() / tp - 2 * inset);
    const QPointF centre = room.center() / tp;
    std::vector<double> sizes = sizesFrom(canvas.Font.pointSizeF());
    if (sizes.front() >= smallest) sizes.erase(std::remove_if(sizes.begin(), sizes.end(), [&](double p) { return p < smallest; }), sizes.end());
    // Whole words at the largest size they fit; else, breaking the words too
    // wide for a line, the largest size that fits; else what fits at the smallest.
    for (const bool breakWords : {false, true})
        for (size_t i = 0; i < sizes.size(); ++i) {
            const QFontMetricsF fm = metricsAt(canvas, sizes[i]);
            if (i + 1 < sizes.size() && !couldFit(fm, words.join(QLatin1Char(' ')), roomW, roomH)) continue;
            const QStringList lines = wrap(fm, words, roomW, breakWords);
            double widest = 0;
            for (const QString& l : lines) widest = std::max(widest, needWidth(fm, l));
            if (widest <= roomW && needHeight(fm, lines) <= roomH) return {centred(fm, lines, centre), sizes[i], true};
        }
    const QFontMetricsF fm = metricsAt(canvas, sizes.back());
    return {centred(fm, cut(fm, wrap(fm, words, roomW, true), roomW, roomH), centre), sizes.back(), false};
}

QPointF anchor(const QLineF& connector) { return connector.center(); }

namespace {

// A connector leaving a decision's corner has its label beside its start,
// where "Yes" and "No" go: beside the middle of its first stretch.
bool atDecisionCorner(const FigureMemory& figures, QPointF p) {
    const auto corner = figures.nearestPoint(p, 1.5 * Canvas::kTwipsPerPixel);
    return corner && corner->tool == Tool::Decision;
}

QLineF fromDecision(const FigureMemory& figures, const QLineF& connector) {
    const double length = connector.length();
    if (!atDecisionCorner(figures, connector.p1()) || length == 0) return connector;
    return QLineF(connector.p1(), connector.pointAt(std::min(length, kLeadPixels * Canvas::kTwipsPerPixel) / length));
}

}  // namespace

namespace {

// Whether a label of SIZE centred on CENTRE comes within CLEAR of the
// level or upright segment LEG.
bool touches(QPointF centre, QSizeF size, double clear, const QLineF& leg) {
    const QRectF around = QRectF(centre - QPointF(size.width(), size.height()) / 2, size)
                              .adjusted(-clear, -clear, clear, clear);
    const QRectF span = QRectF(leg.p1(), leg.p2()).normalized();
    return span.left() <= around.right() && span.right() >= around.left() && span.top() <= around.bottom() &&
           span.bottom() >= around.top();
}

}  // namespace

Placed beside(const Canvas& canvas, const QString& text, const QLineF& connector, float reach, int penWidth,
              const std::optional<QLineF>& avoid) {
    const QString line = text.simplified();
    if (line.isEmpty()) return {};
    const double points = canvas.Font.pointSizeF();
    const QFontMetricsF fm = metricsAt(canvas, points);
    const QSizeF size(needWidth(fm, line), needHeight(fm, {line}));
    const double clear = reach / tp + std::max(0, penWidth) + kAirPixels;
    const QPointF p = anchor(connector) / tp, d = (connector.p2() - connector.p1()) / tp;
    const QRectF picture(QPointF(0, 0), QSizeF(canvas.Image().size()));
    auto fits = [&](QPointF c) {
        return picture.contains(QRectF(c - QPointF(size.width(), size.height()) / 2, size));
    };
    auto clearOf = [&](QPointF c) {
        return !avoid || !touches(c, size, clear, QLineF(avoid->p1() / tp, avoid->p2() / tp));
    };
    QPointF centre = besideCentre(p, d, size, clear, 1);
    const QPointF other = besideCentre(p, d, size, clear, -1);
    if (!(fits(centre) && clearOf(centre)) && fits(other) && (clearOf(other) || !fits(centre))) centre = other;
    return {centred(fm, {line}, centre), points, true};
}

namespace {

// The site of FIGURE: the one its module gives the figure as drawn, turned
// and flipped as the figure has been since.
LabelSite siteNow(const DrawnFigure& figure, const SiteOf& siteOf) {
    const QLineF drag = figure.drag();
    LabelSite site = siteOf(figure.tool, float(drag.x1()), float(drag.y1()), float(drag.x2()), float(drag.y2()));
    if (site.kind == LabelSite::Kind::Beside)
        site.connector = QLineF(figure.place(site.connector.p1()), figure.place(site.connector.p2()));
    else
        site.room = QRectF(figure.place(site.room.topLeft()), figure.place(site.room.bottomRight())).normalized();
    return site;
}

}  // namespace

Placed placeFor(const Document& doc, const DrawnFigure& figure, const QString& text, const SiteOf& siteOf,
                double smallest) {
    const DrawnFigure* f = &figure;
    LabelSite site = siteNow(*f, siteOf);
    std::optional<QLineF> otherLeg;
    if (site.kind == LabelSite::Kind::Beside && f->bend != Bend::None) {
        // An elbow: beside its longer leg, or its first from a decision's corner.
        const QLineF drag = f->drag();
        const QPointF corner =
            f->bend == Bend::AcrossFirst ? QPointF(drag.x2(), drag.y1()) : QPointF(drag.x1(), drag.y2());
        const QLineF first(site.connector.p1(), f->place(corner)), last(first.p2(), site.connector.p2());
        const bool firstChosen = first.length() >= last.length() || atDecisionCorner(doc.figures(), first.p1());
        site.connector = firstChosen ? first : last;
        otherLeg = firstChosen ? last : first;
    }
    if (site.kind == LabelSite::Kind::Beside) site.connector = fromDecision(doc.figures(), site.connector);
    return site.kind == LabelSite::Kind::Beside
               ? beside(doc.canvas, text, site.connector, site.reach, f->penWidth, otherLeg)
               : inside(doc.canvas, text, site.room, f->penWidth, smallest);
}

void print(Canvas& canvas, const Placed& placed) {
    const QFont chosen = canvas.Font;
    if (placed.points > 0) canvas.Font.setPointSizeF(placed.points);
    for (const Line& l : placed.lines) {
        canvas.CurrentX = l.x;
        canvas.CurrentY = l.y;
        canvas.Print(l.text);
    }
    canvas.Font = chosen;
}

Stamp stampOn(Document& doc, const DrawnFigure& figure, const QString& text, const SiteOf& siteOf, int growStep) {
    if (text.simplified().isEmpty()) return Stamp::NoText;
    Canvas& canvas = doc.canvas;
    DrawnFigure target = figure;
    Placed placed = placeFor(doc, target, text, siteOf, kReadablePoints);
    Stamp result = Stamp::Done;
    if (!placed.fits) {
        const std::optional<DrawnFigure> grown = growStep > 0 ? doc.grownToFit(target, text, growStep) : std::nullopt;
        if (grown && doc.growFigure(*grown)) {
            target = *grown;
            placed = placeFor(doc, target, text, siteOf, kReadablePoints);
            result = Stamp::Grown;
        } else {
            // A block arrow never grows; a figure that cannot says so.
            placed = placeFor(doc, target, text, siteOf);
            result = FigureMemory::isFigure(target.tool) && growStep > 0 ? Stamp::Smaller
                     : placed.fits                                       ? Stamp::Done
                                                                         : Stamp::TooLarge;
        }
    }
    const QFont font = canvas.Font;
    const VbColor colour = canvas.ForeColor;
    PixelRecord pixels;
    {
        Recording recording(canvas);
        print(canvas, placed);
        pixels = recording.take();
    }
    doc.history.changeChart([&](Chart& c) { c.addLabel(target.id, text, font, colour, std::move(pixels)); });
    return result;
}

Stamp stamp(Document& doc, const QString& text, const SiteOf& siteOf, int growStep) {
    if (text.simplified().isEmpty()) return Stamp::NoText;
    const std::optional<DrawnFigure>& f = doc.figures().last();
    if (!f) return Stamp::NoFigure;
    return stampOn(doc, DrawnFigure(*f), text, siteOf, growStep);
}

}  // namespace Label
