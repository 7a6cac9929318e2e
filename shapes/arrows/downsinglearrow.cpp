// The single down arrow: a shaft half-way across, its tip on the end point's y.
#include "shapes/arrows/SingleArrows.h"

namespace {

const ShapeRegistration registration("downsinglearrow", [] { return arrows::makeSingleArrow(arrows::SingleArrow::Down); });

}  // namespace
