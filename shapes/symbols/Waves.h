// The document and the paper tape: straight sides joined by waves of two
// half-ellipses, each a quarter of the width in radius. Both exist only for
// drags to the right of the start, and their previews only for drags that
// also go below it.
#pragma once

#include "Angles.h"
#include "shapes/ShapeModule.h"

class WaveSymbol : public ShapeModule {
protected:
    bool accepts(const Corners& c) const override { return c.x1 > c.x0 && c.y1 > c.y0; }
    bool acceptsFinal(const Corners& c) const override { return c.x1 > c.x0; }

    // A wave along y: dipping below it on the left half, rising above it on
    // the right half.
    static void wave(Canvas& canvas, const Corners& c, float y, float aspect, std::optional<VbColor> color) {
        const float w = c.x1 - c.x0;
        canvas.Circle(c.x0 + w / 4, y, w / 4, color, kPiSingle, 0, aspect);
        canvas.Circle(c.x0 + (w * 3) / 4, y, w / 4, color, 0, kPiSingle, aspect);
    }
    // How far a wave reaches above and below its line.
    static float amplitude(const Corners& c, float aspect) { return (c.x1 - c.x0) / 4 * aspect; }
    static void sides(Canvas& canvas, const Corners& c, std::optional<VbColor> color) {
        canvas.Line(c.x0, c.y0, c.x0, c.y1, color);
        canvas.Line(c.x1, c.y0, c.x1, c.y1, color);
    }
};
