// The flowchart symbols that are one closed run of straight lines: each
// names its corners in drawing order, and the last corner joins the first.
#pragma once

#include "shapes/ShapeModule.h"

#include <vector>

struct Point {
    float x, y;
};

// Where a polygon's preview puts its frame.
enum class PreviewFrame {
    Margin,  // 50 twips outside the two corners
    Drag,    // the dragged rectangle itself
};

class PolygonSymbol : public ShapeModule {
protected:
    explicit PolygonSymbol(PreviewFrame frameKind) : frameKind_(frameKind) {}
    virtual std::vector<Point> corners(const Corners& c) const = 0;

private:
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override;

    PreviewFrame frameKind_;
};
