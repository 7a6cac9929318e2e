// The 33 buttons of the tool palette, row by row: three columns 1320 twips
// apart, eleven rows 720 twips apart from Top 2400, each 1335 x 735 twips.
#pragma once

#include <QSize>
#include <QString>
#include <vector>

class frmmain;

struct PaletteEntry {
    const char* name;
    const char* caption;  // the English texts, translated in the context "Palette"
    const char* toolTip;
    int code;          // the tool code it selects; -1 for Clear
    double pointSize;  // "Courier New" bold
    QSize picture;     // pixel size of its picture; empty for none
    void (frmmain::*handler)();

    // The caption and the tool tip in the user's language.
    QString shownCaption() const;
    QString shownToolTip() const;
};

const std::vector<PaletteEntry>& paletteEntries();

constexpr int kPaletteLeft[3] = {0, 1320, 2640};
constexpr int kPaletteTop = 2400;
constexpr int kPaletteRowStep = 720;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 735;
