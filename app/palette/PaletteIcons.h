// The palette's pictures, the window icon and the toolbar's pictures. They are drawn at build time by
// the code that draws the figures on the canvas (tools/palette_pictures.cpp),
// shrunk as their buttons show them, and compiled in as grey bytes that
// register themselves here: the window draws no figure at start.
#pragma once

#include "app/palette/Palette.h"

#include <QIcon>
#include <QMap>

class QToolButton;

// One picture: the palette button's name, or "window" for the window icon.
struct PalettePicture {
    const char* name;
    int width, height;
    const char* grey;  // a byte a pixel, row by row
};

struct PalettePictureRegistration {
    PalettePictureRegistration(const PalettePicture* begin, const PalettePicture* end);
};

// The size a button shows its picture at: the button is 49 pixels tall, and
// the picture shrinks to leave the caption room.
inline QSize paletteIconSize(const PaletteEntry& e) { return e.picture.boundedTo(QSize(85, 30)); }

void setPaletteIcons(const QMap<QString, QToolButton*>& buttons, const std::vector<PaletteEntry>& entries);
QIcon windowIcon();
// A toolbar picture by name ("toolbar-select", "toolbar-fill",
// "toolbar-pickcolor", "toolbar-grid", "toolbar-snap", "toolbar-zoomin",
// "toolbar-zoomout", the line's "toolbar-lineend-none", "-arrow", "-both",
// "toolbar-line-solid", "-dash", "-dot", "toolbar-route-straight",
// "-elbow", "toolbar-snapfigures"), 24 pixels and 48 for twice the density, its lines
// dark and the rest clear; a null icon for another name.
QIcon toolbarIcon(const char* name);
