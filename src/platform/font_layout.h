// Inside the platform layer only: the glyphs of a text placed on whole pixels,
// as the Qt canvas draws them and as every extent measures them.
#pragma once

#include "canvas.h"

#include <QList>
#include <QPointF>
#include <QRawFont>

#include <string_view>
#include <vector>

struct GlyphRunPiece {
    QRawFont font;
    QList<quint32> glyphs;
    QList<QPointF> positions;   // baseline positions relative to the text origin
};

struct TextLayout {
    std::vector<GlyphRunPiece> runs;
    int width = 0;
    int ascent = 0;
    int descent = 0;
    int cell = 0;
    int nul_advance = 0;
};

TextLayout layout_text(const FontRecord& font, std::string_view text);

// Lets go of every cached font (before the Qt application goes away).
void release_font_caches();
