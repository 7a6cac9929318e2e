// How a figure lies on the picture against the way it was drawn: one of the
// eight ways a rectangle can be turned or flipped onto its place. A point of
// the figure as drawn, taken from its centre, is first transposed (a quarter
// turn's swap of across and down) when `transposed`, then mirrored across
// the upright and the level through the centre as the flags say.
#pragma once

#include <QPointF>
#include <QSizeF>

enum class Turn;

struct Orientation {
    bool transposed = false;
    bool mirrorX = false;
    bool mirrorY = false;

    // This orientation, then the picture's TURN.
    Orientation then(Turn turn) const;
    // Where an offset from the centre of the figure as drawn lies now.
    QPointF map(QPointF fromCentre) const {
        QPointF p = transposed ? QPointF(fromCentre.y(), fromCentre.x()) : fromCentre;
        if (mirrorX) p.rx() = -p.x();
        if (mirrorY) p.ry() = -p.y();
        return p;
    }
    // The size of the figure as drawn, from its size now.
    QSizeF drawnSize(QSizeF now) const { return transposed ? now.transposed() : now; }
    bool operator==(const Orientation& o) const {
        return transposed == o.transposed && mirrorX == o.mirrorX && mirrorY == o.mirrorY;
    }
};
