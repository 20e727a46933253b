#pragma once

#include <QString>

// The style of a frame drawn from a page background picture: a picture that
// changes only from top to bottom, stored three pixels wide (its outline on
// either side of one column). Its one-pixel border slices keep the outline
// at the frame's edges and stretch the column between them, so the picture
// looks as if it were drawn at the frame's size while a window's background
// decodes some 2,000 pixels, not 700,000, as the program starts.
QString pageBackgroundStyle(const QString &selector, const QString &picturePath);
