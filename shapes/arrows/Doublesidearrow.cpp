// The double-side arrow: one horizontal shaft half-way down the drag and a
// head 100 twips long and 200 twips wide at each end, pointing outward. It
// exists only for drags to the right and downward (or level); its preview
// frame is the drag rectangle.
#include "shapes/arrows/ArrowShape.h"

namespace {

using namespace arrows;

// Each entry is (x, y) -> (x, y); lower means toward larger y.
const Outline kLines = {
    {{f0 + 100, mid}, {f1 - 100, mid}},        // shaft, from base to base
    {{f0 + 100, mid}, {f0 + 100, mid + 100}},  // left head's base, lower half
    {{f0 + 100, mid}, {f0 + 100, mid - 100}},  // left head's base, upper half
    {{f1 - 100, mid}, {f1 - 100, mid + 100}},  // right head's base, lower half
    {{f1 - 100, mid}, {f1 - 100, mid - 100}},  // right head's base, upper half
    {{f0 + 100, mid + 100}, {f0, mid}},        // left head, lower slant to its tip
    {{f0 + 100, mid - 100}, {f0, mid}},        // left head, upper slant to its tip
    {{f1 - 100, mid + 100}, {f1, mid}},        // right head, lower slant to its tip
    {{f1 - 100, mid - 100}, {f1, mid}},        // right head, upper slant to its tip
};

// A line with heads: its label goes beside the shaft.
constexpr LabelSpec kAlong{LabelSpec::Kind::Connector, {f0, mid}, {f1, mid}};

const ShapeRegistration registration("Doublesidearrow", [] {
    return std::make_unique<ArrowShape>(kLines, PreviewFrame::DragRect, Direction::RightAndBelow, kAlong);
});

}  // namespace
