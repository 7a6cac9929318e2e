// The chart as text, kept in the picture's file beside its pixels: every
// figure the memory holds, the last one drawn, and every item in order with
// the pixels it painted and what lay under them, colours as runs, as words
// between single blanks. It begins with its version, the picture's size and
// a digest of its pixels, so that a picture changed elsewhere is told from
// the one the chart was drawn on. Reading trusts nothing: a count, a place, an id or an owner that does
// not fit the picture or the rest of the text refuses the whole chart.
#pragma once

#include "core/Chart.h"

#include <QByteArray>
#include <QImage>

// What a file opened held of a chart.
enum class ChartInFile { No, Yes, Mismatch, Damaged };
QString nameOf(ChartInFile found);

struct ChartText {
    // The key the text is kept under in the file.
    static constexpr const char* kKey = "TavimbreChart";
    // The longest text written: readers drop, with only a warning, a text
    // that unpacks to more than 8 000 000 bytes.
    static constexpr qsizetype kMaxBytes = 7'500'000;

    // XXH3 (64 bits) over the picture's 32-bit pixels, row by row.
    static quint64 digest(const QImage& picture);
    // Whether there is anything to keep: a figure, a last one or an item.
    static bool holdsAnything(const Chart& chart);
    // CHART drawn on PICTURE, as text.
    static QByteArray write(const Chart& chart, const QImage& picture);

    struct Read {
        ChartInFile found = ChartInFile::No;
        Chart chart;  // when found is Yes
    };
    // The chart TEXT holds for PICTURE; empty text holds none.
    static Read read(const QByteArray& text, const QImage& picture);

private:
    static constexpr int kVersion = 1;
    class Reader;
    static void writeFigure(QByteArray& out, const DrawnFigure& f);
    static void writeRecord(QByteArray& out, const PixelRecord& r);
};
