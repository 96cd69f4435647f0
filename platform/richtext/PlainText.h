// The plain text of rich text, as a Windows rich edit gives its window text.
#pragma once

#include <string>
#include <string_view>

#include "platform/richtext/Document.h"

namespace richtext {

// Paragraphs joined by "\r\n" (none after the last), a line break inside a
// paragraph as "\r\n", a tab as "\t"; pictures and objects give no text.
std::string PlainText(const Document& document);

// The plain text of RTF bytes (ReadRtf, then PlainText).
std::string PlainTextOfRtf(std::string_view rtf);

}  // namespace richtext
