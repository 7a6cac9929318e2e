// Form-level state of the main window. The picture's own state (its file,
// its change flags) is the Document's.
#pragma once

#include "core/ToolCode.h"

#include <QString>

struct FormState {
    int currentTool = Tool::None;
    QString msgAnswer;  // answer code of the last question box
    bool cancelClose = false;
    bool closeConfirmed = false;
};

inline const QString kCaptionPrefix = QStringLiteral("  Tavimbre -   ");
