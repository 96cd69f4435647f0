// Writing the rich-text model as RTF.
#pragma once

#include <string>

#include "platform/richtext/Document.h"

namespace richtext {

// RTF in the form a Windows rich edit saves, read back alike by ReadRtf, the
// rich edit itself and office suites:
//   {\rtf1\ansi\ansicpg936\deff0\deflang1033\deflangfe2052{\fonttbl...}
//   {\colortbl ;...}\viewkind4\uc1\pard...\par ...}
// Every font is declared with \fcharset134, so text is written as GBK bytes
// (\'hh) where GBK holds the character and as \uN? otherwise. Every paragraph
// ends with \par; Object runs are written as they were read. Text without a
// face is written in DefaultFace(); sizes are rounded to half-points. A table
// inside a table's cell is written as Word writes one (\itapN, \nestcell,
// {\*\nesttableprops ...\nestrow}).
std::string WriteRtf(const Document& document);

}  // namespace richtext
