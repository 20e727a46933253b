#pragma once

#include "manifestentry.h"

#include <QImage>

// Draws one manifest entry. Drawings:
//   panel                      a dialog background
//   page                       a full window background
//   strip                      a bar behind a row of controls
//   button STATE               a neutral button (normal, hover, pressed, checked)
//   primary STATE              a filled accent button (normal, pressed)
//   field                      the field of a combo box or a list behind it
//   icon GLYPH STATE           a glyph on a transparent ground (states as
//                              buttons, or accent for a plain status mark)
//   checkbox on|off            a check box indicator
//   chip on|off                a light pill for black text, accent when on
//   switch on|off              an on/off toggle, its knob right when on
//   frame on|off               a rounded outline on a transparent ground,
//                              around a colour the widget paints itself
//   badge TEXT                 a small outlined label such as "4K"
//   number STATE               a round number badge (normal, hover, pressed)
//   tile online|offline|unknown a device tile with a mouse
//   mouse                      the mouse seen from above, buttons outlined
//   logo                       the program's mark
//   swatch RED GREEN BLUE      a preset colour
//   spectrum                   a colour board of every hue and shade
//   handle                     a slider handle
//   dash                       a minus sign as wide as the picture
class PicturePainter
{
public:
    // A null image and `error` set when the drawing or its arguments are unknown.
    static QImage draw(const ManifestEntry &entry, QString *error);
};
