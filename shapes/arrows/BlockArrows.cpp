#include "BlockArrows.h"

namespace arrows {

namespace {

// One row per line, in drawing order; one column per arrow, in the order of
// BlockArrow. Each entry is (x, y) -> (x, y). Edges named for the right arrow
// dragged from top-left to bottom-right.
constexpr Segment kLines[7][4] = {
    // upper side of the shaft
    {{{f0, f14}, {f34, f14}}, {{f1, f14}, {f14, f14}}, {{f14, f1}, {f14, f14}}, {{f14, f0}, {f14, f34}}},
    // lower side of the shaft
    {{{f0, f34}, {f34, f34}}, {{f1, f34}, {f14, f34}}, {{f34, f1}, {f34, f14}}, {{f34, f0}, {f34, f34}}},
    // head's base, upper part (the right arrow's runs inward, the others' outward)
    {{{f34, f0}, {f34, f14}}, {{f14, f14}, {f14, f0}}, {{f14, f14}, {f0, f14}}, {{f14, f34}, {f0, f34}}},
    // head's base, lower part
    {{{f34, f34}, {f34, f1}}, {{f14, f34}, {f14, f1}}, {{f34, f14}, {f1, f14}}, {{f34, f34}, {f1, f34}}},
    // upper slant to the tip
    {{{f34, f0}, {f1, f12}}, {{f14, f0}, {f0, f12}}, {{f0, f14}, {f12, f0}}, {{f0, f34}, {f12, f1}}},
    // lower slant to the tip
    {{{f34, f1}, {f1, f12}}, {{f14, f1}, {f0, f12}}, {{f1, f14}, {f12, f0}}, {{f1, f34}, {f12, f1}}},
    // tail end of the shaft
    {{{f0, f14}, {f0, f34}}, {{f1, f14}, {f1, f34}}, {{f14, f1}, {f34, f1}}, {{f14, f0}, {f34, f0}}},
};

// Each arrow's shaft, its body, from one corner to the other; by column.
constexpr LabelSpec kBodies[4] = {
    {LabelSpec::Kind::Body, {f0, f14}, {f34, f34}},
    {LabelSpec::Kind::Body, {f14, f14}, {f1, f34}},
    {LabelSpec::Kind::Body, {f14, f14}, {f34, f1}},
    {LabelSpec::Kind::Body, {f14, f0}, {f34, f34}},
};

}  // namespace

Outline blockArrow(BlockArrow which) { return column(kLines, int(which)); }

std::unique_ptr<ShapeModule> makeBlockArrow(BlockArrow which) {
    return std::make_unique<ArrowShape>(blockArrow(which), PreviewFrame::Margin, Direction::Any, kBodies[int(which)]);
}

}  // namespace arrows
