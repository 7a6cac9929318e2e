// The double block arrow: a horizontal shaft over the middle half of the drag
// rectangle, with a head over each outer quarter whose base spans the whole
// height. Its preview frame is the drag rectangle; it draws in any direction.
#include "shapes/arrows/ArrowShape.h"

namespace {

using namespace arrows;

// Each entry is (x, y) -> (x, y), named for a drag from top-left to bottom-right.
const Outline kLines = {
    {{f14, f14}, {f34, f14}},  // upper side of the shaft
    {{f14, f34}, {f34, f34}},  // lower side of the shaft
    {{f14, f14}, {f14, f0}},   // left head's base, upper part
    {{f14, f34}, {f14, f1}},   // left head's base, lower part
    {{f14, f0}, {f0, f12}},    // left head, upper slant to its tip
    {{f14, f1}, {f0, f12}},    // left head, lower slant to its tip
    {{f34, f0}, {f34, f14}},   // right head's base, upper part
    {{f34, f34}, {f34, f1}},   // right head's base, lower part
    {{f34, f0}, {f1, f12}},    // right head, upper slant to its tip
    {{f34, f1}, {f1, f12}},    // right head, lower slant to its tip
};

// The label goes inside the shaft.
constexpr LabelSpec kBody{LabelSpec::Kind::Body, {f14, f14}, {f34, f34}};

const ShapeRegistration registration("doublearrow", [] {
    return std::make_unique<ArrowShape>(kLines, PreviewFrame::DragRect, Direction::Any, kBody);
});

}  // namespace
