// The formatting tool bar of the rich-text fields: font, colour, bold,
// italic, underline and the three alignments, each a small picture drawn in
// code (a face's letters, a colour bar, lines of text set left, centred, right).
// The guide and application editors register it under their own resource id.
#pragma once

#include "platform/ui/ToolBar.h"

namespace formatbar {

constexpr int ID_FONTNAME = 165, ID_CHAR_COLOR = 32801, ID_CHAR_BOLD = 32799, ID_CHAR_ITALIC = 32800,
              ID_CHAR_UNDERLINE = 32802, ID_PARA_LEFT = 32803, ID_PARA_CENTER = 32804, ID_PARA_RIGHT = 32805;

ui::ToolBarResource Resource();

}  // namespace formatbar
