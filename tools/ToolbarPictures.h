// The toolbar's pictures, drawn for palette_pictures: each name once at
// 24 x 24 pixels and once, as NAME@2x, at 48 x 48 for screens of twice the
// density. Dark lines on white, grey levels only.
#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

std::vector<std::pair<QString, QImage>> toolbarPictures();
