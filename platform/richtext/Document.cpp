#include "platform/richtext/Document.h"

namespace richtext {

const std::string& DefaultFace() {
    static const std::string face = "宋体";
    return face;
}

namespace {

std::size_t FindControl(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) < 0x20) return i;
    return std::string_view::npos;
}

}  // namespace

void Paragraph::AddText(const CharFormat& format, std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t stop = FindControl(utf8);
        const std::string_view piece = utf8.substr(0, stop);
        if (!piece.empty()) {
            if (!runs.empty() && runs.back().kind == Run::Kind::Text && runs.back().format == format)
                runs.back().text.append(piece);
            else
                runs.push_back(Run{Run::Kind::Text, format, std::string(piece)});
        }
        if (stop == std::string_view::npos) break;
        const char control = utf8[stop];
        std::size_t next = stop + 1;
        if (control == '\t') {
            AddTab(format);
        } else if (control == '\r' || control == '\n') {
            if (control == '\r' && next < utf8.size() && utf8[next] == '\n') ++next;
            AddLineBreak(format);
        }  // other control characters are dropped
        utf8.remove_prefix(next);
    }
}

void Paragraph::AddTab(const CharFormat& format) { runs.push_back(Run{Run::Kind::Tab, format, {}}); }

void Paragraph::AddLineBreak(const CharFormat& format) { runs.push_back(Run{Run::Kind::LineBreak, format, {}}); }

void Paragraph::AddObject(const CharFormat& format, std::string rawRtf) {
    runs.push_back(Run{Run::Kind::Object, format, std::move(rawRtf)});
}

void Paragraph::AddGroup(const CharFormat& format, std::string rawRtf) {
    runs.push_back(Run{Run::Kind::Group, format, std::move(rawRtf)});
}

Paragraph& Document::AddParagraph(const ParagraphFormat& format) {
    paragraphs.push_back(Paragraph{format, {}});
    return paragraphs.back();
}

}  // namespace richtext
