// The down block arrow: its tip lies on the end point's y, half-way across.
#include "shapes/arrows/BlockArrows.h"

namespace {

const ShapeRegistration registration({9}, [] { return arrows::makeBlockArrow(arrows::BlockArrow::Down); });

}  // namespace
