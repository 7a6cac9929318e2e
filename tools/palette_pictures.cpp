// Draws the palette's pictures and the window icon with the figures' own
// code, shrinks each as its button shows it, adds the toolbar's pictures
// (toolbar_pictures.cpp), and writes them all as a C++ source
// of grey bytes that registers them (app/palette/PaletteIcons.h). The build runs it:
// palette_pictures OUTPUT.
#include "app/palette/PaletteIcons.h"
#include "core/ToolCode.h"
#include "shapes/ShapeModule.h"
#include "tools/ToolbarPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr float kMargin = 4 * 15;  // twips of white around each figure

void drawBuiltin(Canvas& c, int code, const Corners& k) {
    switch (code) {
    case Tool::Line:
        c.Line(k.x0, k.y1, k.x1, k.y0, 0);
        break;
    case Tool::Circle:
        c.Circle((k.x0 + k.x1) / 2, (k.y0 + k.y1) / 2, std::fabs((k.y1 - k.y0) / 2 - 2), 0);
        break;
    case Tool::Process:
        c.Box(k.x0, k.y0, k.x1, k.y1, 0);
        break;
    default:
        break;
    }
}

// The finished figure of a tool, drawn into a white picture of that size.
QImage toolPicture(int code, QSize size) {
    static const ShapeSet shapes;
    Canvas c(size);
    DragState s;
    Corners k{kMargin, kMargin, float(size.width() * 15 - kMargin), float(size.height() * 15 - kMargin)};
    // The single right arrow runs along the start's row: start it half way
    // down, so that its head shows whole.
    if (code == Tool::RightSingleArrow) k.y0 = (k.y0 + k.y1) / 2;
    s.startX = k.x0;
    s.startY = k.y0;
    s.curX = k.x1;
    s.curY = k.y1;
    if (ShapeModule* shape = shapes.forTool(code))
        shape->DrawShape(c, s, true);
    else
        drawBuiltin(c, code, k);
    return c.Image();
}

// The picture as its button shows it: shrunk to the icon size, keeping its
// shape, as a pixmap icon shrinks its picture when painted.
QImage shownPicture(const PaletteEntry& e) {
    const QSize iconSize = paletteIconSize(e);
    QSize shown = e.picture;
    if (shown.width() > iconSize.width() || shown.height() > iconSize.height())
        shown.scale(iconSize, Qt::KeepAspectRatio);
    return toolPicture(e.code, e.picture).scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// One entry of the table; false when the picture is not all grey.
bool append(std::string& out, const char* name, QImage image) {
    if (!image.isGrayscale()) {
        std::fprintf(stderr, "palette_pictures: the picture %s is not grey\n", name);
        return false;
    }
    image.convertTo(QImage::Format_Grayscale8);
    char line[64];
    std::snprintf(line, sizeof line, "    {\"%s\", %d, %d,\n", name, image.width(), image.height());
    out += line;
    for (int y = 0; y < image.height(); ++y) {
        out += "     \"";
        for (int x = 0; x < image.width(); ++x) {
            std::snprintf(line, sizeof line, "\\x%02x", image.constScanLine(y)[x]);
            out += line;
        }
        out += y + 1 < image.height() ? "\"\n" : "\"},\n";
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: palette_pictures OUTPUT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string out =
        "// Written by tools/palette_pictures.cpp at build time.\n"
        "#include \"app/palette/PaletteIcons.h\"\n\n"
        "#include <iterator>\n\n"
        "namespace {\n\n"
        "const PalettePicture kPictures[] = {\n";
    bool grey = true;
    for (const PaletteEntry& e : paletteEntries())
        if (!e.picture.isEmpty()) grey = append(out, e.name, shownPicture(e)) && grey;
    grey = append(out, "window", toolPicture(Tool::Decision, QSize(32, 32))) && grey;
    for (const auto& [name, picture] : toolbarPictures()) grey = append(out, qPrintable(name), picture) && grey;
    out += "};\n\n"
           "const PalettePictureRegistration registration(std::begin(kPictures), std::end(kPictures));\n\n"
           "}  // namespace\n";
    if (!grey) return 1;
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "palette_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
