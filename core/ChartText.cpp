#include "ChartText.h"

#include "core/Canvas.h"

#include <QLocale>

#include <functional>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {

using Kind = Chart::Item::Kind;

void add(QByteArray& out, qint64 n) {
    out += QByteArray::number(n);
    out += ' ';
}

void add(QByteArray& out, double v) {
    out += QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
    out += ' ';
}

void add(QByteArray& out, QPointF p) {
    add(out, p.x());
    add(out, p.y());
}

// Free text as one word: its UTF-8 bytes, percent-encoded; "%" for none.
void addText(QByteArray& out, const QString& text) {
    out += text.isEmpty() ? QByteArray("%") : text.toUtf8().toPercentEncoding();
    out += ' ';
}

// Runs of equal colours: count*rrggbb.
void addRuns(QByteArray& out, int size, const std::function<QRgb(int)>& colour) {
    for (int i = 0; i < size;) {
        int j = i + 1;
        while (j < size && colour(j) == colour(i)) ++j;
        out += QByteArray::number(j - i);
        out += '*';
        out += QByteArray::number(colour(i) & 0xFFFFFF, 16).rightJustified(6, '0');
        out += ' ';
        i = j;
    }
}

}  // namespace

QString nameOf(ChartInFile found) {
    static const char* const names[] = {"no", "yes", "mismatch", "damaged"};
    return QLatin1String(names[int(found)]);
}

quint64 ChartText::digest(const QImage& picture) {
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    XXH3_state_t* state = XXH3_createState();
    XXH3_64bits_reset(state);
    for (int y = 0; y < rgb.height(); ++y) XXH3_64bits_update(state, rgb.constScanLine(y), size_t(rgb.width()) * 4);
    const quint64 d = XXH3_64bits_digest(state);
    XXH3_freeState(state);
    return d;
}

bool ChartText::holdsAnything(const Chart& chart) {
    return !chart.items().empty() || !chart.figures().figures().empty() || chart.figures().last();
}

void ChartText::writeFigure(QByteArray& out, const DrawnFigure& f) {
    add(out, qint64(f.id));
    add(out, qint64(f.tool));
    add(out, f.rect.x());
    add(out, f.rect.y());
    add(out, f.rect.width());
    add(out, f.rect.height());
    add(out, qint64(f.penWidth));
    const Orientation& o = f.orientation;
    for (bool b : {o.transposed, o.mirrorX, o.mirrorY, f.leftward, f.upward}) add(out, qint64(b));
    add(out, qint64(f.bend));
}

// The spans as (rows on, x, length): x from the end of the span before in
// the same row; then the colours before and painted, as runs.
void ChartText::writeRecord(QByteArray& out, const PixelRecord& r) {
    add(out, qint64(r.spans().size()));
    int y = 0, x = 0;
    for (const PixelRecord::Span& s : r.spans()) {
        const bool sameRow = s.y == y && &s != &r.spans().front();
        add(out, qint64(s.y - y));
        add(out, qint64(sameRow ? s.x0 - x - 2 : s.x0));
        add(out, qint64(s.x1 - s.x0));
        y = s.y;
        x = s.x1;
    }
    addRuns(out, int(r.size()), [&](int i) { return r.before(i); });
    addRuns(out, int(r.size()), [&](int i) { return r.painted(i); });
}

QByteArray ChartText::write(const Chart& chart, const QImage& picture) {
    QByteArray out = "tavimbre-chart ";
    add(out, qint64(kVersion));
    add(out, qint64(picture.width()));
    add(out, qint64(picture.height()));
    out += QByteArray::number(digest(picture), 16);
    out += ' ';
    const FigureMemory& memory = chart.memory_;
    add(out, qint64(memory.nextId_));
    add(out, qint64(chart.nextLabel_));
    add(out, qint64(memory.figures().size()));
    for (const DrawnFigure& f : memory.figures()) writeFigure(out, f);
    if (memory.last()) {
        out += "last ";
        writeFigure(out, *memory.last());
    } else {
        out += "none ";
    }
    add(out, qint64(chart.items().size()));
    for (const Chart::Item& i : chart.items()) {
        for (qint64 n : {qint64(i.kind), qint64(i.id), qint64(i.owner), qint64(i.colour), qint64(i.penWidth),
                         qint64(i.look.ends), qint64(i.look.style), qint64(i.look.route), qint64(i.leg)})
            add(out, n);
        for (QPointF p : {i.from, i.to, i.laidFrom, i.laidTo}) add(out, p);
        for (const Chart::End& e : i.ends) {
            add(out, qint64(e.figure));
            add(out, qint64(e.side));
            add(out, e.offset);
        }
        addText(out, i.text);
        addText(out, i.kind == Kind::Label ? i.font.toString() : QString());
        writeRecord(out, *i.pixels);
        if (!i.laid)
            out += "- ";
        else if (i.laid == i.pixels)
            out += "= ";
        else
            writeRecord(out, *i.laid);
    }
    return out;
}
