// Form-level state of the main window. The picture's own state (its file,
// its change flags) is the Document's.
#pragma once

#include "core/Chain.h"
#include "core/ToolCode.h"

#include <QPointF>
#include <cstdint>
#include <optional>

#include <QString>

struct FormState {
    int currentTool = Tool::None;
    QString msgAnswer;  // answer code of the last question box
    bool cancelClose = false;
    bool closeConfirmed = false;
    // Pixels between a figure and the next one chained from it.
    int chainGap = Chain::kDefaultGap;
    // Where the pointer came to rest over the picture, in twips: unset
    // when it left the picture, and after each chain.
    std::optional<QPointF> pointer;
    // The figure Arrange Figures picked last (its id), 0 for the last figure drawn.
    int currentFigure = 0;
    std::uint64_t currentChart = 0;  // the chart's origin that id belongs to
};

inline const QString kCaptionPrefix = QStringLiteral("  Tavimbre -   ");
