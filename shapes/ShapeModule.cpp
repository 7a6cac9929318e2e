#include "ShapeModule.h"

#include "core/ToolCode.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

struct Entry {
    const char* module;
    ShapeFactory factory;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

}  // namespace

ShapeRegistration::ShapeRegistration(const char* module, ShapeFactory factory) {
    registry().push_back({module, std::move(factory)});
}

ShapeSet::ShapeSet() {
    for (const Entry& e : registry()) {
        owned_.push_back(e.factory());
        for (const Tool::Traits* t = Tool::begin(); t != Tool::end(); ++t)
            if (std::strcmp(t->module, e.module) == 0) byCode_[t->code] = owned_.back().get();
    }
}

ShapeSet::~ShapeSet() = default;

ShapeModule* ShapeSet::forTool(int code) const { return code >= 0 && code < 64 ? byCode_[code] : nullptr; }

void ShapeModule::Preview(Canvas& canvas, const DragState& s) {
    if (s.previewed()) ErasePreview(canvas, s);
    DrawShape(canvas, s, false);
}

void ShapeModule::ErasePreview(Canvas& canvas, const DragState& s) {
    if (!s.previewed()) return;
    const Corners c{s.startX, s.startY, s.prevX, s.prevY};
    if (!accepts(c)) return;
    figure(canvas, Pass::Erase, c, s.drawColor);
}

void ShapeModule::DrawShape(Canvas& canvas, const DragState& s, bool isFinal) {
    const Corners c{s.startX, s.startY, s.curX, s.curY};
    if (isFinal ? !acceptsFinal(c) : !accepts(c)) return;
    figure(canvas, isFinal ? Pass::Final : Pass::Preview, c, s.drawColor);
}

Corners ShapeModule::ordered(const Corners& c) {
    return {std::min(c.x0, c.x1), std::min(c.y0, c.y1), std::max(c.x0, c.x1), std::max(c.y0, c.y1)};
}

void ShapeModule::frame(Canvas& canvas, const Corners& c) {
    canvas.Box(c.x0 - 50, c.y0 - 50, c.x1 + 50, c.y1 + 50);
}
