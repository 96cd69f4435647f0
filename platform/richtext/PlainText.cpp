#include "platform/richtext/PlainText.h"

#include "platform/richtext/RtfReader.h"

namespace richtext {

std::string PlainText(const Document& document) {
    std::string text;
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        // The cells of a table row make a line, each cell ended by a tab.
        if (i > 0) text += document.paragraphs[i - 1].endsCell ? (document.paragraphs[i - 1].endsRow ? "\t\r\n" : "\t") : "\r\n";
        for (const Run& run : document.paragraphs[i].runs) {
            switch (run.kind) {
                case Run::Kind::Text: text += run.text; break;
                case Run::Kind::Tab: text += '\t'; break;
                case Run::Kind::LineBreak: text += "\r\n"; break;
                case Run::Kind::Object: case Run::Kind::Group: break;
            }
        }
    }
    if (!document.paragraphs.empty() && document.paragraphs.back().endsCell) text += '\t';
    return text;
}

std::string PlainTextOfRtf(std::string_view rtf) { return PlainText(ReadRtf(rtf)); }

}  // namespace richtext
