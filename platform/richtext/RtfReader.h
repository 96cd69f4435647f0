// Reading RTF into the rich-text model.
#pragma once

#include <string_view>

#include "platform/richtext/Document.h"

namespace richtext {

// True when the bytes begin, after blanks, with "{\rtf".
bool IsRtf(std::string_view bytes);

// Reads RTF as a Windows rich edit does and never fails: bytes that are not
// RTF are read as plain text (UTF-8 when they are valid UTF-8, else GBK), one
// paragraph per line; malformed or truncated RTF gives what could be read.
//
// Text bytes (\'hh and literal) are decoded in the code page of the current
// font's \fcharset, else of the document's \ansicpg; \uN is taken with its
// \ucN skip count. Pictures (\pict) and objects (\object) become Object runs
// holding their group byte for byte. A final \par ends the last paragraph
// and adds no empty one after it. A table inside a cell (\itapN, \nestcell,
// \nestrow and {\*\nesttableprops ...}) is read as such.
//
// Groups nested more than 1,000 deep are left out whole; leftOutDeepText,
// when given, says whether any were.
Document ReadRtf(std::string_view bytes, bool* leftOutDeepText = nullptr);

}  // namespace richtext
