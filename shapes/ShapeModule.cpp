#include "ShapeModule.h"

#include <utility>

namespace {

struct Entry {
    std::vector<int> codes;
    ShapeFactory factory;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

}  // namespace

ShapeRegistration::ShapeRegistration(std::vector<int> codes, ShapeFactory factory) {
    registry().push_back({std::move(codes), std::move(factory)});
}

ShapeSet::ShapeSet() {
    for (const Entry& e : registry()) {
        owned_.push_back(e.factory());
        for (int code : e.codes)
            if (code >= 0 && code < 64) byCode_[code] = owned_.back().get();
    }
}

ShapeSet::~ShapeSet() = default;

ShapeModule* ShapeSet::forTool(int code) const { return code >= 0 && code < 64 ? byCode_[code] : nullptr; }

void ShapeModule::Preview(Canvas& canvas, const Inialenum& s) {
    if (s.previewed()) ErasePreview(canvas, s);
    DrawShape(canvas, s, false);
}

void ShapeModule::ErasePreview(Canvas& canvas, const Inialenum& s) {
    if (!s.previewed()) return;
    const Corners c{s.startX, s.startY, s.prevX, s.prevY};
    if (!accepts(c)) return;
    figure(canvas, Pass::Erase, c, s.drawColor);
}

void ShapeModule::DrawShape(Canvas& canvas, const Inialenum& s, bool isFinal) {
    const Corners c{s.startX, s.startY, s.curX, s.curY};
    if (isFinal ? !acceptsFinal(c) : !accepts(c)) return;
    figure(canvas, isFinal ? Pass::Final : Pass::Preview, c, s.drawColor);
}

void ShapeModule::frame(Canvas& canvas, const Corners& c) {
    canvas.Box(c.x0 - 50, c.y0 - 50, c.x1 + 50, c.y1 + 50);
}
