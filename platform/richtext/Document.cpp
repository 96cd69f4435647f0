#include "platform/richtext/Document.h"

#include <algorithm>

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

void Paragraph::AddGroup(const CharFormat& format, std::string rawRtf, std::string note) {
    runs.push_back(Run{Run::Kind::Group, format, std::move(rawRtf), std::move(note)});
}

Paragraph& Document::AddParagraph(const ParagraphFormat& format) {
    paragraphs.push_back(Paragraph{format, {}});
    return paragraphs.back();
}

namespace {

// The depth of the table a paragraph stands in: 0 for a table of the text,
// -1 outside tables.
int LevelOf(const Paragraph& p) { return p.format.inTable ? std::clamp(p.format.nesting, 0, kMaxTableNesting) : -1; }

// The table at paragraphs[i], `level` deep, read while the paragraphs stand
// in it or in tables inside it; `i` moves past it.
std::shared_ptr<const TableRows> TableAt(const std::vector<Paragraph>& paragraphs, std::size_t& i, int level) {
    auto table = std::make_shared<TableRows>();
    TableRows::Row row;
    row.cells.emplace_back();
    auto endRow = [&](const TableRow& definition) {
        if (row.cells.back().empty()) row.cells.pop_back();
        row.definition = definition;
        table->columns = std::max({table->columns, int(row.cells.size()), int(definition.cells.size())});
        table->rows.push_back(std::move(row));
        row = TableRows::Row{};
        row.cells.emplace_back();
    };
    while (i < paragraphs.size() && LevelOf(paragraphs[i]) >= level) {
        if (LevelOf(paragraphs[i]) > level) {
            row.cells.back().push_back(Block{nullptr, TableAt(paragraphs, i, level + 1)});
            continue;
        }
        const Paragraph& p = paragraphs[i++];
        row.cells.back().push_back(Block{&p, nullptr});
        if (p.endsRow) endRow(*p.endsRow);
        else if (p.endsCell) row.cells.emplace_back();
    }
    if (row.cells.size() > 1 || !row.cells.back().empty()) endRow(TableRow{});
    return table;
}

}  // namespace

std::vector<Block> Blocks(const std::vector<Paragraph>& paragraphs) {
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < paragraphs.size();) {
        if (LevelOf(paragraphs[i]) >= 0) blocks.push_back(Block{nullptr, TableAt(paragraphs, i, 0)});
        else blocks.push_back(Block{&paragraphs[i++], nullptr});
    }
    return blocks;
}

}  // namespace richtext
