// The down block arrow: its tip lies on the end point's y, half-way across.
#include "shapes/arrows/BlockArrows.h"

namespace {

const ShapeRegistration registration("arrowdown", [] { return arrows::makeBlockArrow(arrows::BlockArrow::Down); });

}  // namespace
