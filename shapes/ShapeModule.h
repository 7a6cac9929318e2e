// The protocol every shape tool follows: Preview, ErasePreview and DrawShape,
// and where the finished figure's label goes.
// A module draws straight onto the canvas from the shared drawing state; the
// caller sets the raster mode, the pen width and the fill style around it.
#pragma once

#include "core/ShapeTool.h"

#include <functional>
#include <memory>
#include <vector>

// Which of the three kinds of figure a module is drawing.
enum class Pass {
    Erase,    // ErasePreview: corners (start, prev)
    Preview,  // DrawShape with False: corners (start, cur)
    Final,    // DrawShape with True: corners (start, cur), in drawColor
};

struct Corners {
    float x0, y0, x1, y1;
};

class ShapeModule : public ShapeTool {
public:
    // Erases the preview on the canvas, if any, and draws the one for cur.
    void Preview(Canvas& canvas, const DragState& s) final;
    void ErasePreview(Canvas& canvas, const DragState& s) override;
    void DrawShape(Canvas& canvas, const DragState& s, bool isFinal) override;
    LabelSite labelSite(float x0, float y0, float x1, float y1) const final { return label({x0, y0, x1, y1}); }
    QMarginsF outlineBeyond(float x0, float y0, float x1, float y1) const final { return beyond({x0, y0, x1, y1}); }

protected:
    // Where the label of the figure on these corners goes: the part of the
    // drag its outline leaves free, or the line it is drawn along. Every
    // module names its own, next to its figure.
    virtual LabelSite label(const Corners& c) const = 0;
    // How far the outline of the figure on these corners, the top left and
    // the bottom right, reaches past them on each side; most stay inside.
    virtual QMarginsF beyond(const Corners&) const { return {}; }
    // The same corners with (x0, y0) the top left and (x1, y1) the bottom right.
    static Corners ordered(const Corners& c);
    // Direction-restricted modules accept only some end points; a preview is
    // drawn, and so erased, only for an end point that passes.
    virtual bool accepts(const Corners&) const { return true; }
    // A few modules also test the end point of the finished outline.
    virtual bool acceptsFinal(const Corners&) const { return true; }
    // Issues the primitives of one figure, in the module's order.
    virtual void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) = 0;

    // "Not left of and not above the start": the usual direction rule.
    static bool rightAndBelow(const Corners& c) { return c.x0 <= c.x1 && c.y0 <= c.y1; }
    // The 50-twip frame around the two corners that most previews carry.
    static void frame(Canvas& canvas, const Corners& c);
    // The colour of a finished primitive; previews pass none.
    static std::optional<VbColor> finalColor(Pass pass, VbColor drawColor) {
        return pass == Pass::Final ? std::optional<VbColor>(drawColor) : std::nullopt;
    }
};

// Modules register themselves under their name; the tool table says which
// codes each one draws. Codes that share a module (Start and Terminate) share
// one instance and so its state.
using ShapeFactory = std::function<std::unique_ptr<ShapeModule>()>;

struct ShapeRegistration {
    ShapeRegistration(const char* module, ShapeFactory factory);
};

// One instance of every registered module, owned by the main window.
class ShapeSet : public ShapeTools {
public:
    ShapeSet();
    ~ShapeSet() override;
    ShapeModule* forTool(int code) const override;

private:
    std::vector<std::unique_ptr<ShapeModule>> owned_;
    ShapeModule* byCode_[64] = {};
};
