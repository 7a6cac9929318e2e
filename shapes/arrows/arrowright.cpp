// The right block arrow: its tip lies on the end point's x, half-way down.
#include "shapes/arrows/BlockArrows.h"

namespace {

const ShapeRegistration registration("arrowright", [] { return arrows::makeBlockArrow(arrows::BlockArrow::Right); });

}  // namespace
