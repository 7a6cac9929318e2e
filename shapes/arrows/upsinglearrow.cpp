// The single up arrow: a shaft half-way across, its tip on the start point's y.
#include "shapes/arrows/SingleArrows.h"

namespace {

const ShapeRegistration registration("upsinglearrow", [] { return arrows::makeSingleArrow(arrows::SingleArrow::Up); });

}  // namespace
