// The up block arrow: its tip lies on the start point's y, half-way across.
#include "shapes/arrows/BlockArrows.h"

namespace {

const ShapeRegistration registration("arrowup", [] { return arrows::makeBlockArrow(arrows::BlockArrow::Up); });

}  // namespace
