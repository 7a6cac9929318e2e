#include "PressTools.h"

#include <algorithm>

void PressTools::setTolerance(int value) { tolerance_ = std::clamp(value, 0, kMaxTolerance); }

QString PressTools::key() const {
    switch (current_) {
    case Fill: return QStringLiteral("fill");
    case PickColor: return QStringLiteral("pickcolor");
    case None: break;
    }
    return {};
}

QString PressTools::name() const {
    switch (current_) {
    case Fill: return QStringLiteral("Fill");
    case PickColor: return QStringLiteral("Pick Colour");
    case None: break;
    }
    return {};
}
