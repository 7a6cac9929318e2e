// Where a figure's label goes, in canvas twips. A symbol or a block arrow
// holds its label inside: in the part of the drag its outline leaves free,
// before any allowance for the pen. A connector (the line and the arrows that
// are a line with heads) has its label beside it instead, never across it.
#pragma once

#include <QLineF>
#include <QRectF>

struct LabelSite {
    enum class Kind { Inside, Beside };
    Kind kind = Kind::Inside;
    QRectF room;       // Inside: the free part, normalised
    QLineF connector;  // Beside: from its tail to its tip
    float reach = 0;   // Beside: how far the figure reaches either side of that line (its heads)

    // A room whose right edge lies left of its left edge (or bottom above
    // top) is an outline crossed over itself: it has no width (or height)
    // and keeps only its middle.
    static LabelSite inside(double left, double top, double right, double bottom) {
        if (right < left) left = right = (left + right) / 2;
        if (bottom < top) top = bottom = (top + bottom) / 2;
        return {Kind::Inside, QRectF(QPointF(left, top), QPointF(right, bottom)), {}, 0};
    }
    static LabelSite beside(float x0, float y0, float x1, float y1, float reach) {
        return {Kind::Beside, {}, QLineF(x0, y0, x1, y1), reach};
    }
};
