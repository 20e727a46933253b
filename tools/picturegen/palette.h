#pragma once

#include <QColor>

// The program's one look: a dark surface, light text and one teal accent,
// the colours Config.ini's Option group gives the pages.
namespace Look {
const QColor background(0x1F, 0x23, 0x2B);
const QColor surface(0x2A, 0x2F, 0x39);
const QColor surfaceRaised(0x34, 0x3A, 0x46);
const QColor border(0x41, 0x49, 0x57);
const QColor text(0xD6, 0xDB, 0xE3);
const QColor muted(0x7D, 0x86, 0x94);
const QColor accent(0x2E, 0xC4, 0xB6);
// Filled buttons carry white text; a deeper teal keeps it readable.
const QColor accentDeep(0x1E, 0x8C, 0x82);
const QColor accentPressed(0x16, 0x6B, 0x63);
} // namespace Look
