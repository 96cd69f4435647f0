#include "platform/richtext/Document.h"

namespace richtext {

const std::string& DefaultFace() {
    static const std::string face = "宋体";
    return face;
}

void Paragraph::AddText(const CharFormat& format, std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t stop = utf8.find_first_of("\t\r\n");
        const std::string_view piece = utf8.substr(0, stop);
        if (!piece.empty()) {
            if (!runs.empty() && runs.back().kind == Run::Kind::Text && runs.back().format == format)
                runs.back().text.append(piece);
            else
                runs.push_back(Run{Run::Kind::Text, format, std::string(piece)});
        }
        if (stop == std::string_view::npos) break;
        const char breakChar = utf8[stop];
        std::size_t next = stop + 1;
        if (breakChar == '\t') {
            AddTab(format);
        } else {
            if (breakChar == '\r' && next < utf8.size() && utf8[next] == '\n') ++next;
            AddLineBreak(format);
        }
        utf8.remove_prefix(next);
    }
}

void Paragraph::AddTab(const CharFormat& format) { runs.push_back(Run{Run::Kind::Tab, format, {}}); }

void Paragraph::AddLineBreak(const CharFormat& format) { runs.push_back(Run{Run::Kind::LineBreak, format, {}}); }

void Paragraph::AddObject(const CharFormat& format, std::string rawRtf) {
    runs.push_back(Run{Run::Kind::Object, format, std::move(rawRtf)});
}

Paragraph& Document::AddParagraph(const ParagraphFormat& format) {
    paragraphs.push_back(Paragraph{format, {}});
    return paragraphs.back();
}

}  // namespace richtext
