#include "SingleArrows.h"

namespace arrows {

namespace {

// One row per line, in drawing order; one column per arrow, in the order of
// SingleArrow. Each entry is (x, y) -> (x, y).
constexpr Segment kLines[5][4] = {
    // shaft, ending at the head's base
    {{{f1, mid}, {f0 + 200, mid}}, {{f0, f0}, {f1 - 200, f0}},
     {{mid, f1}, {mid, f0 + 200}}, {{mid, f0}, {mid, f1 - 200}}},
    // head's base, first half
    {{{f0 + 200, mid}, {f0 + 200, mid + 100}}, {{f1 - 200, f0}, {f1 - 200, f0 + 100}},
     {{mid, f0 + 200}, {mid + 100, f0 + 200}}, {{mid, f1 - 200}, {mid + 100, f1 - 200}}},
    // head's base, second half
    {{{f0 + 200, mid}, {f0 + 200, mid - 100}}, {{f1 - 200, f0}, {f1 - 200, f0 - 100}},
     {{mid, f0 + 200}, {mid - 100, f0 + 200}}, {{mid, f1 - 200}, {mid - 100, f1 - 200}}},
    // slant from the base's first end to the tip
    {{{f0 + 200, mid + 100}, {f0, mid}}, {{f1 - 200, f0 + 100}, {f1, f0}},
     {{mid + 100, f0 + 200}, {mid, f0}}, {{mid + 100, f1 - 200}, {mid, f1}}},
    // slant from the base's second end to the tip
    {{{f0 + 200, mid - 100}, {f0, mid}}, {{f1 - 200, f0 - 100}, {f1, f0}},
     {{mid - 100, f0 + 200}, {mid, f0}}, {{mid - 100, f1 - 200}, {mid, f1}}},
};

// Each arrow's line from its tail to its tip; by column.
constexpr LabelSpec kLinesAlong[4] = {
    {LabelSpec::Kind::Connector, {f1, mid}, {f0, mid}},
    {LabelSpec::Kind::Connector, {f0, f0}, {f1, f0}},
    {LabelSpec::Kind::Connector, {mid, f1}, {mid, f0}},
    {LabelSpec::Kind::Connector, {mid, f0}, {mid, f1}},
};

}  // namespace

Outline singleArrow(SingleArrow which) { return column(kLines, int(which)); }

std::unique_ptr<ShapeModule> makeSingleArrow(SingleArrow which) {
    const PreviewFrame frame = which == SingleArrow::Right ? PreviewFrame::None : PreviewFrame::DragRect;
    return std::make_unique<ArrowShape>(singleArrow(which), frame, Direction::RightAndBelow, kLinesAlong[int(which)]);
}

}  // namespace arrows
