#include "PressTools.h"

#include <QCoreApplication>
#include <algorithm>

void PressTools::setTolerance(int value) { tolerance_ = std::clamp(value, 0, kMaxTolerance); }

QString PressTools::key() const {
    switch (current_) {
    case Fill: return QStringLiteral("fill");
    case PickColor: return QStringLiteral("pickcolor");
    case Arrange: return QStringLiteral("arrange");
    case None: break;
    }
    return {};
}

QString PressTools::name() const {
    switch (current_) {
    case Fill: return QCoreApplication::translate("PressTools", "Fill");
    case PickColor: return QCoreApplication::translate("PressTools", "Pick Colour");
    case Arrange: return QCoreApplication::translate("PressTools", "Arrange Figures");
    case None: break;
    }
    return {};
}
