// The left block arrow: its tip lies on the start point's x, half-way down.
#include "shapes/arrows/BlockArrows.h"

namespace {

const ShapeRegistration registration("arrowleft", [] { return arrows::makeBlockArrow(arrows::BlockArrow::Left); });

}  // namespace
