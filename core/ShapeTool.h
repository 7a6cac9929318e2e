// What the drag needs of the modules that draw the shape tools: a preview
// that erases the one before it, the erase of the last preview, and the
// figure itself, and where the figure's label goes. The modules are found by
// tool code.
#pragma once

#include "core/Canvas.h"
#include "core/DragState.h"
#include "core/LabelSite.h"

#include <QMarginsF>

class ShapeTool {
public:
    virtual ~ShapeTool() = default;
    virtual void Preview(Canvas& canvas, const DragState& s) = 0;
    virtual void ErasePreview(Canvas& canvas, const DragState& s) = 0;
    virtual void DrawShape(Canvas& canvas, const DragState& s, bool isFinal) = 0;
    // Where the label of the figure dragged from (x0, y0) to (x1, y1) goes.
    virtual LabelSite labelSite(float x0, float y0, float x1, float y1) const = 0;
    // How far the outline of the figure dragged from the top left (x0, y0)
    // to the bottom right (x1, y1) reaches past the drag on each side, in
    // twips: a wave or a round end can.
    virtual QMarginsF outlineBeyond(float x0, float y0, float x1, float y1) const = 0;
};

class ShapeTools {
public:
    virtual ~ShapeTools() = default;
    // Null when no module draws the code.
    virtual ShapeTool* forTool(int code) const = 0;
};
