// Simple line pictures for the toolbar's tools and switches, drawn on a grid
// of 24 units: lines lie on half units so that they stay sharp at 24 and at
// 48 pixels.
#include "ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

void marquee(QPainter& p) {
    QPen pen = p.pen();
    pen.setDashPattern({2, 2});
    p.setPen(pen);
    p.drawRect(QRectF(3.5, 4.5, 17, 15));
}

void bucket(QPainter& p) {
    p.drawPolygon(QPolygonF({{3.5, 12.5}, {10.5, 5.5}, {17.5, 12.5}, {10.5, 19.5}}));
    p.drawLine(QPointF(7, 12.5), QPointF(14, 12.5));
    QPainterPath handle;
    handle.moveTo(7, 9);
    handle.cubicTo(5, 1, 13, 1, 12.5, 7);
    p.drawPath(handle);
    QPainterPath drop;  // paint running off the bucket's lip
    drop.moveTo(19.5, 12.5);
    drop.cubicTo(21, 15, 22.5, 17, 22.5, 18.5);
    drop.cubicTo(22.5, 21, 16.5, 21, 16.5, 18.5);
    drop.cubicTo(16.5, 17, 18, 15, 19.5, 12.5);
    p.setBrush(Qt::black);
    p.drawPath(drop);
}

void dropper(QPainter& p) {
    p.drawPolygon(QPolygonF({{13, 8}, {16, 11}, {7, 20}, {4, 20}, {4, 17}}));  // the glass
    p.drawLine(QPointF(4, 20), QPointF(2.5, 21.5));                           // its tip
    p.drawLine(QPointF(11, 6), QPointF(18, 13));                              // the collar
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(17.5, 6.5), 3.5, 3.5);  // the bulb
}

// A box with its connector, and the four ways it moves.
void arrange(QPainter& p) {
    p.drawRect(QRectF(2.5, 2.5, 10, 7));
    p.drawLine(QPointF(7.5, 9.5), QPointF(7.5, 21.5));
    p.drawLine(QPointF(16.5, 10.5), QPointF(16.5, 22.5));
    p.drawLine(QPointF(10.5, 16.5), QPointF(22.5, 16.5));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({{16.5, 9}, {14.5, 12}, {18.5, 12}}));
    p.drawPolygon(QPolygonF({{16.5, 24}, {14.5, 21}, {18.5, 21}}));
    p.drawPolygon(QPolygonF({{9, 16.5}, {12, 14.5}, {12, 18.5}}));
    p.drawPolygon(QPolygonF({{24, 16.5}, {21, 14.5}, {21, 18.5}}));
}

void grid(QPainter& p) {
    p.drawRect(QRectF(2.5, 2.5, 19, 19));
    for (double at : {8.5, 15.5}) {
        p.drawLine(QPointF(at, 2.5), QPointF(at, 21.5));
        p.drawLine(QPointF(2.5, at), QPointF(21.5, at));
    }
}

void snap(QPainter& p) {
    p.setBrush(Qt::black);
    for (int y : {4, 11, 18})
        for (int x : {4, 11, 18}) p.drawRect(QRectF(x, y, 2, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 4, 4);  // a point caught on the middle one
    p.drawLine(QPointF(21.5, 21.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(15.5, 15.5), QPointF(19.5, 15.5));
    p.drawLine(QPointF(15.5, 15.5), QPointF(15.5, 19.5));
}

// A box and a line's end caught on the middle of its right side.
void snapFigures(QPainter& p) {
    p.drawRect(QRectF(2.5, 6.5, 10, 11));
    p.drawEllipse(QPointF(12.5, 12), 3, 3);
    p.drawLine(QPointF(15.5, 12), QPointF(21.5, 12));
    p.drawLine(QPointF(21.5, 12), QPointF(21.5, 20.5));
}

void magnifier(QPainter& p, bool plus) {
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    QPen handle = p.pen();
    handle.setWidthF(3);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(15.5, 15.5), QPointF(20.5, 20.5));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (plus) p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

// A head of the line pictures, its tip at TIP, pointing right or left.
void head(QPainter& p, double tip, int towards) {
    p.save();
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({{tip, 12}, {tip - towards * 8, 7}, {tip - towards * 8, 17}}));
    p.restore();
}

// Line Ends: a line with no head, one at its right end, or one at each end.
void lineEnds(QPainter& p, int heads) {
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(heads == 2 ? 8 : 2, 12), QPointF(heads > 0 ? 16 : 22, 12));
    if (heads > 0) head(p, 22, 1);
    if (heads > 1) head(p, 2, -1);
}

// Line Style: two lines, solid, dashed or dotted.
void lineStyle(QPainter& p, Qt::PenStyle style) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double on = style == Qt::SolidLine ? 20 : style == Qt::DashLine ? 4 : 2;
    const double period = style == Qt::SolidLine ? 20 : style == Qt::DashLine ? 7 : 4;
    for (double y : {6.0, 16.0})
        for (double x = 2; x + on <= 22; x += period) p.drawRect(QRectF(x, y, on, 2));
}

// Line Route: two boxes joined straight across, or round a corner.
void lineRoute(QPainter& p, bool elbow) {
    p.drawRect(QRectF(2.5, 2.5, 6, 6));
    p.drawRect(QRectF(15.5, 15.5, 6, 6));
    if (elbow)
        p.drawPolyline(QPolygonF({{8.5, 5.5}, {18.5, 5.5}, {18.5, 15.5}}));
    else
        p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
}

QImage drawn(const std::function<void(QPainter&)>& draw, int side) {
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 24.0, side / 24.0);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    draw(p);
    return img;
}

}  // namespace

std::vector<std::pair<QString, QImage>> toolbarPictures() {
    const std::pair<const char*, std::function<void(QPainter&)>> pictures[] = {
        {"toolbar-select", marquee},
        {"toolbar-fill", bucket},
        {"toolbar-pickcolor", dropper},
        {"toolbar-arrange", arrange},
        {"toolbar-grid", grid},
        {"toolbar-snap", snap},
        {"toolbar-zoomin", [](QPainter& p) { magnifier(p, true); }},
        {"toolbar-zoomout", [](QPainter& p) { magnifier(p, false); }},
        {"toolbar-lineend-none", [](QPainter& p) { lineEnds(p, 0); }},
        {"toolbar-lineend-arrow", [](QPainter& p) { lineEnds(p, 1); }},
        {"toolbar-lineend-both", [](QPainter& p) { lineEnds(p, 2); }},
        {"toolbar-line-solid", [](QPainter& p) { lineStyle(p, Qt::SolidLine); }},
        {"toolbar-line-dash", [](QPainter& p) { lineStyle(p, Qt::DashLine); }},
        {"toolbar-line-dot", [](QPainter& p) { lineStyle(p, Qt::DotLine); }},
        {"toolbar-route-straight", [](QPainter& p) { lineRoute(p, false); }},
        {"toolbar-route-elbow", [](QPainter& p) { lineRoute(p, true); }},
        {"toolbar-snapfigures", snapFigures},
    };
    std::vector<std::pair<QString, QImage>> out;
    for (const auto& [name, draw] : pictures) {
        out.emplace_back(QString::fromLatin1(name), drawn(draw, 24));
        out.emplace_back(QString::fromLatin1(name) + QStringLiteral("@2x"), drawn(draw, 48));
    }
    return out;
}
