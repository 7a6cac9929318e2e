// Reading a chart's text: every word is checked as it is read, against the
// picture and what came before, and nothing is allocated but what the text
// itself describes, the pixels of all records together capped by the
// picture's size.
#include "ChartText.h"

#include "core/Canvas.h"
#include "core/ToolCode.h"

#include <QSet>
#include <cmath>

namespace {

using Kind = Chart::Item::Kind;

constexpr int kMaxPen = 100;
constexpr qint64 kMaxId = 1 << 30;

}  // namespace

class ChartText::Reader {
public:
    Reader(const QByteArray& text, QSize picture)
        : p_(text.constData()), end_(p_ + text.size()), size_(picture),
          // Places a little beyond the picture, as a drag may end.
          limit_(3.0 * Canvas::kTwipsPerPixel * std::max(picture.width(), picture.height())),
          pixelsLeft_(2 * qint64(picture.width()) * picture.height() + 65536) {}

    qsizetype left() const { return end_ - p_; }
    bool atEnd() {
        skipBlanks();
        return p_ == end_;
    }
    // Reads W again, as the next word.
    void rewind(QByteArrayView w) { p_ = w.data(); }
    QByteArrayView word() {
        skipBlanks();
        const char* start = p_;
        while (p_ != end_ && *p_ != ' ' && *p_ != '\n') ++p_;
        return QByteArrayView(start, p_ - start);
    }
    bool literal(const char* s) { return word() == QByteArrayView(s); }
    bool integer(qint64& v, qint64 lo, qint64 hi) {
        const QByteArrayView w = word();
        bool ok = false;
        v = w.size() <= 19 ? w.toLongLong(&ok) : 0;
        return ok && v >= lo && v <= hi;
    }
    template <typename T>
    bool small(T& v, qint64 lo, qint64 hi) {
        qint64 n = 0;
        if (!integer(n, lo, hi)) return false;
        v = T(n);
        return true;
    }
    bool flag(bool& b) { return small(b, 0, 1); }
    bool number(double& v) {
        bool ok = false;
        v = word().toDouble(&ok);
        return ok && std::isfinite(v) && std::fabs(v) <= limit_;
    }
    bool point(QPointF& p) {
        double x = 0, y = 0;
        if (!number(x) || !number(y)) return false;
        p = QPointF(x, y);
        return true;
    }
    bool text(QString& s) {
        const QByteArrayView w = word();
        if (w.isEmpty()) return false;
        s = w == QByteArrayView("%") ? QString() : QString::fromUtf8(QByteArray::fromPercentEncoding(w.toByteArray()));
        return true;
    }
    bool figure(DrawnFigure& f) {
        double x = 0, y = 0, w = 0, h = 0;
        if (!small(f.id, 1, kMaxId) || !small(f.tool, 0, Tool::Finished) || !Tool::traits(f.tool) || !number(x) ||
            !number(y) || !number(w) || !number(h) || w < 0 || h < 0 || !small(f.penWidth, 1, kMaxPen))
            return false;
        f.rect = QRectF(x, y, w, h);
        Orientation& o = f.orientation;
        return flag(o.transposed) && flag(o.mirrorX) && flag(o.mirrorY) && flag(f.leftward) && flag(f.upward) &&
               small(f.bend, 0, 2) && f.pixels().intersects(QRect(QPoint(0, 0), size_));
    }
    // A record's spans, each inside the picture, by row then x, apart; then
    // as many colours before and painted as they hold pixels.
    bool record(std::shared_ptr<const PixelRecord>& r) {
        qint64 count = 0;
        if (!integer(count, 0, pixelsLeft_)) return false;
        std::vector<PixelRecord::Span> spans;
        qint64 pixels = 0, y = 0, x1 = 0;
        for (qint64 k = 0; k < count; ++k) {
            qint64 dy = 0, x = 0, length = 0;
            if (!integer(dy, 0, size_.height() - 1) || !integer(x, 0, size_.width() - 1) ||
                !integer(length, 0, size_.width() - 1))
                return false;
            const bool sameRow = k > 0 && dy == 0;
            y += dy;
            const qint64 x0 = sameRow ? x1 + 2 + x : x;
            x1 = x0 + length;
            pixels += length + 1;
            if (y >= size_.height() || x1 >= size_.width() || pixels > pixelsLeft_) return false;
            spans.push_back({int(y), int(x0), int(x1)});
        }
        // Its index costs a number for each row it spans.
        const qint64 rows = spans.empty() ? 0 : spans.back().y - spans.front().y + 1;
        if (pixels + rows > pixelsLeft_) return false;
        pixelsLeft_ -= pixels + rows;
        std::vector<QRgb> before, painted;
        if (!runs(before, std::size_t(pixels)) || !runs(painted, std::size_t(pixels))) return false;
        r = std::make_shared<const PixelRecord>(
            PixelRecord::fromSpans(std::move(spans), std::move(before), std::move(painted)));
        return true;
    }

private:
    void skipBlanks() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\n')) ++p_;
    }
    // Colours as count*rrggbb until COUNT pixels are told, not one more.
    bool runs(std::vector<QRgb>& colours, std::size_t count) {
        while (colours.size() < count) {
            const QByteArrayView w = word();
            const qsizetype star = w.indexOf('*');
            if (star <= 0 || w.size() - star - 1 != 6) return false;
            bool ok = false, okColour = false;
            const qint64 n = w.first(star).toLongLong(&ok);
            const uint colour = w.sliced(star + 1).toUInt(&okColour, 16);
            if (!ok || !okColour || n < 1 || std::size_t(n) > count - colours.size()) return false;
            colours.insert(colours.end(), std::size_t(n), 0xFF000000u | colour);
        }
        return true;
    }

    const char* p_;
    const char* end_;
    QSize size_;
    double limit_;
    qint64 pixelsLeft_;
};

ChartText::Read ChartText::read(const QByteArray& text, const QImage& picture) {
    if (text.isEmpty()) return {};
    const Read damaged{ChartInFile::Damaged, {}};
    Reader in(text, picture.size());
    qint64 version = 0, width = 0, height = 0;
    if (!in.literal("tavimbre-chart") || !in.integer(version, 0, kMaxId) || version != ChartText::kVersion ||
        !in.integer(width, 0, kMaxId) || !in.integer(height, 0, kMaxId))
        return damaged;
    bool ok = false;
    const quint64 digest = in.word().toULongLong(&ok, 16);
    if (!ok) return damaged;
    // This program writes opaque pixels of 32 bits: any other kind was
    // written elsewhere.
    if (QSize(int(width), int(height)) != picture.size() || picture.format() != QImage::Format_RGB32 ||
        digest != ChartText::digest(picture))
        return {ChartInFile::Mismatch, {}};

    Read read{ChartInFile::Yes, {}};
    Chart& chart = read.chart;
    FigureMemory& memory = chart.memory_;
    qint64 figures = 0;
    if (!in.small(memory.nextId_, 0, kMaxId) || !in.small(chart.nextLabel_, -kMaxId, -1) ||
        !in.integer(figures, 0, in.left()))
        return damaged;
    QSet<int> figureIds;
    for (qint64 n = 0; n < figures; ++n) {
        DrawnFigure f;
        if (!in.figure(f) || !FigureMemory::isFigure(f.tool) || f.id > memory.nextId_ || figureIds.contains(f.id))
            return damaged;
        figureIds.insert(f.id);
        memory.figures_.push_back(f);
    }
    const QByteArrayView last = in.word();
    if (last == QByteArrayView("last")) {
        DrawnFigure f;
        if (!in.figure(f) || f.id > memory.nextId_) return damaged;
        for (const DrawnFigure& same : memory.figures_)
            if (same.id == f.id && !(same == f)) return damaged;
        memory.last_ = f;
    } else if (last != QByteArrayView("none")) {
        return damaged;
    }

    qint64 items = 0;
    if (!in.integer(items, 0, in.left())) return damaged;
    QSet<int> itemIds;  // of the figures, connectors and labels
    for (qint64 n = 0; n < items; ++n) {
        Chart::Item i;
        QString font;
        bool fine = in.small(i.kind, 0, 3) && in.small(i.id, -kMaxId, kMaxId) && in.small(i.owner, -kMaxId, kMaxId) &&
                    in.small(i.colour, 0, 0xFFFFFF) && in.small(i.penWidth, 1, kMaxPen) &&
                    in.small(i.look.ends, 0, 2) && in.small(i.look.style, 0, 2) && in.small(i.look.route, 0, 1) &&
                    in.small(i.leg, 0, 2) && in.point(i.from) && in.point(i.to) && in.point(i.laidFrom) &&
                    in.point(i.laidTo);
        for (Chart::End& e : i.ends)
            fine = fine && in.small(e.figure, 0, kMaxId) && (!e.figure || figureIds.contains(e.figure)) &&
                   in.small(e.side, 0, 3) && in.point(e.offset);
        if (!fine || !in.text(i.text) || !in.text(font) || !in.record(i.pixels)) return damaged;
        const QByteArrayView laid = in.word();
        if (laid == QByteArrayView("="))
            i.laid = i.pixels;
        else if (laid != QByteArrayView("-") && !(in.rewind(laid), in.record(i.laid)))
            return damaged;
        // Each id once: a figure's is the memory's, a connector's one the
        // memory gave, a label's one of the chart's own.
        if (i.kind != Kind::Plain && itemIds.contains(i.id)) return damaged;
        switch (i.kind) {
        case Kind::Figure:
            if (!figureIds.contains(i.id)) return damaged;
            break;
        case Kind::Connector:
            if (i.id < 1 || i.id > memory.nextId_ || figureIds.contains(i.id)) return damaged;
            break;
        case Kind::Label:
            if (i.id >= 0 || i.id <= chart.nextLabel_ || !i.font.fromString(font)) return damaged;
            break;
        case Kind::Plain: break;
        }
        if (i.kind != Kind::Plain) itemIds.insert(i.id);
        chart.items_.push_back(std::move(i));
    }
    if (!in.atEnd()) return damaged;
    // Every figure is an item, and every label belongs to a figure or a
    // connector of the chart.
    qsizetype figureItems = 0;
    for (const Chart::Item& i : chart.items_) {
        if (i.kind == Kind::Figure) ++figureItems;
        if (i.kind == Kind::Label && (i.owner <= 0 || !itemIds.contains(i.owner))) return damaged;
    }
    if (figureItems != figureIds.size()) return damaged;
    return read;
}
