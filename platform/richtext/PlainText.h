// The plain text of rich text, as a Windows rich edit gives its window text.
#pragma once

#include <string>
#include <string_view>

#include "platform/richtext/Document.h"

namespace richtext {

// Paragraphs joined by "\r\n" (none after the last), a line break inside a
// paragraph as "\r\n", a tab as "\t"; the cells of a table row are joined
// by "\t"; pictures, objects and kept groups give no text, the numbers and
// bullets of lists neither.
std::string PlainText(const Document& document);

// The plain text of RTF bytes (ReadRtf, then PlainText).
std::string PlainTextOfRtf(std::string_view rtf);

}  // namespace richtext
