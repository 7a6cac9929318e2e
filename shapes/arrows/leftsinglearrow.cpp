// The single left arrow: a shaft half-way down, its tip on the start point's x.
#include "shapes/arrows/SingleArrows.h"

namespace {

const ShapeRegistration registration("leftsinglearrow", [] { return arrows::makeSingleArrow(arrows::SingleArrow::Left); });

}  // namespace
