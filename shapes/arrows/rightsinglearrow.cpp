// The single right arrow: a shaft along the start point's y, its tip on the end
// point's x. The end point's y only decides whether the arrow exists.
#include "shapes/arrows/SingleArrows.h"

namespace {

const ShapeRegistration registration("rightsinglearrow", [] { return arrows::makeSingleArrow(arrows::SingleArrow::Right); });

}  // namespace
