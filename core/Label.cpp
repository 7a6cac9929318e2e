#include "Label.h"

#include "core/Document.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace Label {

std::vector<Line> layout(const Canvas& canvas, const QString& text, const QRectF& figure) {
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    const QFontMetricsF fm = canvas.TextMetrics();
    const double tp = Canvas::kTwipsPerPixel;
    const double x0 = figure.left(), x1 = figure.right(), y0 = figure.top(), y1 = figure.bottom();
    const double room = (std::fabs(x1 - x0) - 2 * kMargin) / tp;  // pixels

    QStringList lines{words.first()};
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString longer = lines.last() + QLatin1Char(' ') + words[i];
        if (fm.horizontalAdvance(longer) <= room)
            lines.last() = longer;
        else
            lines << words[i];
    }

    // Whole pixels, as Print places text, so that a label lands the same on
    // the screen as in the trace.
    const double centreX = (x0 + x1) / 2 / tp, centreY = (y0 + y1) / 2 / tp;
    const double top = std::floor(centreY - lines.size() * fm.height() / 2 + 0.5);
    std::vector<Line> out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double left = std::floor(centreX - fm.horizontalAdvance(lines[i]) / 2 + 0.5);
        out.push_back({lines[i], float(left * tp), float((top + double(i) * fm.height()) * tp)});
    }
    return out;
}

Stamp stamp(Document& doc, const QString& text) {
    if (text.simplified().isEmpty()) return Stamp::NoText;
    const std::optional<DrawnFigure>& figure = doc.figures().last();
    if (!figure) return Stamp::NoFigure;
    const std::vector<Line> lines = layout(doc.canvas, text, figure->drag);
    doc.beginStep();
    for (const Line& l : lines) {
        doc.canvas.CurrentX = l.x;
        doc.canvas.CurrentY = l.y;
        doc.canvas.Print(l.text);
    }
    doc.endStep();
    doc.markChanged();
    return Stamp::Done;
}

}  // namespace Label
