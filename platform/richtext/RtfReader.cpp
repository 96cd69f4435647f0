#include "platform/richtext/RtfReader.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/richtext/CodePage.h"
#include "platform/richtext/RtfTokens.h"
#include "platform/text/Text.h"

namespace richtext {

namespace {

using namespace rtftokens;

constexpr std::size_t kMaxGroupDepth = 1000;  // deeper groups are skipped whole
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxTwips = 32767;  // lengths and offsets beyond are cut to it

// Text gathered between formatting changes: bytes in one code page and
// characters given by \uN, turned into UTF-8 in their order.
class TextCollector {
public:
    void AddByte(char byte, int codePage) {
        FlushSurrogate();
        if (codePage != codePage_) FlushBytes();
        codePage_ = codePage;
        bytes_.push_back(byte);
    }

    // A UTF-16 unit from \uN; a surrogate pair makes one character.
    void AddUnit(char32_t unit) {
        FlushBytes();
        if (unit >= 0xD800 && unit < 0xDC00) {
            FlushSurrogate();
            highSurrogate_ = unit;
            return;
        }
        if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_ != 0) {
            AppendUtf8(utf8_, 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
            return;
        }
        FlushSurrogate();
        AppendUtf8(utf8_, unit);
    }

    bool Empty() const { return bytes_.empty() && utf8_.empty() && highSurrogate_ == 0; }

    // The text so far. With keepLead, a last byte that begins a double-byte
    // character stays for the byte after it, which may come in another group.
    std::string Take(bool keepLead = false) {
        std::string lead;
        if (keepLead && EndsInLeadByte()) {
            lead = bytes_.substr(bytes_.size() - 1);
            bytes_.pop_back();
        }
        FlushBytes();
        FlushSurrogate();
        std::string out;
        out.swap(utf8_);
        bytes_ = std::move(lead);
        return out;
    }

    bool HoldsOnlyALeadByte() const {
        return utf8_.empty() && highSurrogate_ == 0 && bytes_.size() == 1 && EndsInLeadByte();
    }

private:
    bool EndsInLeadByte() const {
        if (codePage_ != 936 && codePage_ != 950 && codePage_ != 949 && codePage_ != 932) return false;
        bool lead = false;
        for (char c : bytes_) {
            const auto b = static_cast<unsigned char>(c);
            if (lead) lead = false;
            else if (codePage_ == 932 ? (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) : b >= 0x81 && b <= 0xFE)
                lead = true;
        }
        return lead;
    }

    void FlushBytes() {
        if (bytes_.empty()) return;
        utf8_ += text::DecodeCodePage(bytes_, codePage_);
        bytes_.clear();
    }
    void FlushSurrogate() {
        if (highSurrogate_ == 0) return;
        AppendUtf8(utf8_, 0xFFFD);  // a high surrogate without its partner
        highSurrogate_ = 0;
    }

    std::string bytes_;
    int codePage_ = 0;
    std::string utf8_;
    char32_t highSurrogate_ = 0;
};

enum class Destination { Body, FontTable, ColourTable, ListText };

struct GroupState {
    Destination destination = Destination::Body;
    std::size_t start = 0;  // where the group's '{' stands
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    CharFormat::Script script = CharFormat::Script::Normal;
    int raiseHalfPoints = 0;
    bool hidden = false;
    bool strike = false;
    bool doubleStrike = false;
    bool smallCaps = false;
    int background = 0;
    ParagraphFormat paragraph;
    int unicodeSkip = 1;
    bool nestedRowDefinition = false;  // in {\*\nesttableprops ...}

    void ResetCharacter() {
        font = -1;
        halfPoints = 24;
        colour = 0;
        bold = italic = underline = hidden = strike = doubleStrike = smallCaps = false;
        background = 0;
        script = CharFormat::Script::Normal;
        raiseHalfPoints = 0;
    }
};

struct Font {
    std::string face;
    int codePage = 0;  // 0: the document's
};

// A font table entry while it is read.
struct FontEntry {
    int number = -1;
    int charset = -1;
    int codePage = 0;  // from \cpg
    TextCollector name;
};

struct PendingColour {
    Colour colour;
    bool given = false;
};

enum class Word {
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont,
    FontTable, ColourTable, SkippedDestination, HeaderDestination, BodyDestination, Transparent, Picture,
    ListText, ListDefinition, ListOverride, ListLevel,
    Font, FontSize, Bold, Italic, Underline, UnderlineNone, ColourIndex, Plain,
    Super, Sub, NoSuperSub, Up, Down, Hidden, Strike, DoubleStrike, SmallCaps, Background,
    Charset, FontCodePage, Red, Green, Blue,
    ParagraphDefault, AlignLeft, AlignCentre, AlignRight, AlignJustify, LeftIndent, FirstIndent,
    InTable, TableDepth, NestedRowDefinition, RowDefault, RowGap, RowLeft, CellRight, CellMergeFirst, CellMerged, CellVerticalFirst, CellVerticalMerged,
    Par, Page, Section, Line, Tab, Cell, Row, NestedCell, NestedRow, Unicode, UnicodeSkip, Binary, Character,
};

struct WordInfo {
    Word word;
    char32_t character = 0;  // for Word::Character
};

const std::unordered_map<std::string_view, WordInfo>& Words() {
    static const std::unordered_map<std::string_view, WordInfo> words = [] {
        std::unordered_map<std::string_view, WordInfo> w = {
            {"ansi", {Word::Ansi}}, {"mac", {Word::Mac}}, {"pc", {Word::Pc}}, {"pca", {Word::Pca}},
            {"ansicpg", {Word::AnsiCodePage}}, {"deff", {Word::DefaultFont}},
            {"fonttbl", {Word::FontTable}}, {"colortbl", {Word::ColourTable}},
            {"shppict", {Word::Transparent}}, {"pict", {Word::Picture}}, {"object", {Word::Picture}},
            {"f", {Word::Font}}, {"fs", {Word::FontSize}}, {"b", {Word::Bold}}, {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}}, {"cf", {Word::ColourIndex}}, {"plain", {Word::Plain}},
            {"fcharset", {Word::Charset}}, {"cpg", {Word::FontCodePage}},
            {"red", {Word::Red}}, {"green", {Word::Green}}, {"blue", {Word::Blue}},
            {"pard", {Word::ParagraphDefault}}, {"ql", {Word::AlignLeft}}, {"qc", {Word::AlignCentre}},
            {"qr", {Word::AlignRight}}, {"qj", {Word::AlignJustify}}, {"qd", {Word::AlignJustify}},
            {"li", {Word::LeftIndent}}, {"fi", {Word::FirstIndent}},
            {"par", {Word::Par}}, {"sect", {Word::Section}}, {"page", {Word::Page}}, {"line", {Word::Line}}, {"tab", {Word::Tab}},
            {"cell", {Word::Cell}}, {"nestcell", {Word::NestedCell}}, {"row", {Word::Row}},
            {"nestrow", {Word::NestedRow}}, {"intbl", {Word::InTable}}, {"itap", {Word::TableDepth}},
            {"nesttableprops", {Word::NestedRowDefinition}}, {"trowd", {Word::RowDefault}},
            {"trgaph", {Word::RowGap}}, {"trleft", {Word::RowLeft}}, {"cellx", {Word::CellRight}},
            {"clmgf", {Word::CellMergeFirst}}, {"clmrg", {Word::CellMerged}},
            {"clvmgf", {Word::CellVerticalFirst}}, {"clvmrg", {Word::CellVerticalMerged}},
            {"super", {Word::Super}}, {"sub", {Word::Sub}}, {"nosupersub", {Word::NoSuperSub}},
            {"up", {Word::Up}}, {"dn", {Word::Down}}, {"v", {Word::Hidden}},
            {"strike", {Word::Strike}}, {"striked", {Word::DoubleStrike}}, {"scaps", {Word::SmallCaps}},
            {"highlight", {Word::Background}}, {"cb", {Word::Background}}, {"chcbpat", {Word::Background}},
            {"pntext", {Word::ListText}}, {"listtext", {Word::ListText}}, {"pn", {Word::ListDefinition}},
            {"ls", {Word::ListOverride}}, {"ilvl", {Word::ListLevel}},
            {"u", {Word::Unicode}}, {"uc", {Word::UnicodeSkip}}, {"bin", {Word::Binary}},
            {"emdash", {Word::Character, 0x2014}}, {"endash", {Word::Character, 0x2013}},
            {"bullet", {Word::Character, 0x2022}}, {"lquote", {Word::Character, 0x2018}},
            {"rquote", {Word::Character, 0x2019}}, {"ldblquote", {Word::Character, 0x201C}},
            {"rdblquote", {Word::Character, 0x201D}}, {"emspace", {Word::Character, 0x2003}},
            {"enspace", {Word::Character, 0x2002}}, {"qmspace", {Word::Character, 0x2005}},
        };
        for (std::string_view underline : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                           "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                                           "ulthldash", "ululdbwave", "ulw", "ulwave"})
            w.emplace(underline, WordInfo{Word::Underline});
        // Groups whose text is not document text: skipped whole (a field's
        // instruction, the alternative of a picture, what this writer
        // replaces, what stands in for nested tables).
        for (std::string_view skipped : {"pntxta", "pntxtb", "fldinst", "nonshppict", "generator", "nonesttables"})
            w.emplace(skipped, WordInfo{Word::SkippedDestination});
        // Groups of the document's head kept byte for byte.
        for (std::string_view head : {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
                                      "footerl", "footerr", "footerf", "template", "filetbl", "listtable",
                                      "listoverridetable", "revtbl", "rsidtbl", "xmlnstbl", "themedata",
                                      "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "userprops",
                                      "docvar"})
            w.emplace(head, WordInfo{Word::HeaderDestination});
        // Groups in the text kept byte for byte where they stand.
        for (std::string_view body : {"footnote", "annotation", "xe", "tc", "txe"})
            w.emplace(body, WordInfo{Word::BodyDestination});
        return w;
    }();
    return words;
}

class RtfParser {
public:
    explicit RtfParser(std::string_view in) : in_(in) {}

    // The text of a footnote group of the document `context` reads: in its
    // fonts, colours and code page.
    RtfParser(std::string_view note, const RtfParser& context)
        : in_(note), inNote_(true), documentCodePage_(context.documentCodePage_),
          defaultFont_(context.defaultFont_), fonts_(context.fonts_), colours_(context.colours_) {}

    // True when groups nested deeper than kMaxGroupDepth were left out.
    bool LeftOutDeepGroups() const { return leftOutDeepGroups_; }

    Document Parse() {
        pos_ = in_.find('{');
        if (pos_ == std::string_view::npos) return {};
        while (pos_ < in_.size() && !finished_) {
            const char c = in_[pos_];
            if (c == '{') OpenGroup();
            else if (c == '}') CloseGroup();
            else if (c == '\\') ControlSequence();
            else Literal(c);
        }
        if (!finished_ && !stack_.empty()) FinishDocument(stack_.back());
        return std::move(document_);
    }

private:
    GroupState& State() { return stack_.back(); }

    // ---- groups

    void OpenGroup() {
        FlushText(true);
        skip_ = 0;
        ignorable_ = false;
        if (stack_.size() >= kMaxGroupDepth) {
            leftOutDeepGroups_ = true;
            pos_ = FindGroupEnd(in_, pos_ + 1, 1);
            if (pos_ < in_.size()) ++pos_;
            return;
        }
        if (!stack_.empty() && State().destination == Destination::Body) {
            // A picture, an object, a Word picture with the fallback after
            // it: kept byte for byte; a picture cut off by the end of the
            // text is dropped.
            const std::string_view opens = OpeningWord();
            const bool fallback = opens == "nonshppict" && !paragraph_.runs.empty() &&
                                  paragraph_.runs.back().kind == Run::Kind::Object &&
                                  paragraph_.runs.back().text.starts_with("{\\*\\shppict");
            if (opens == "pict" || opens == "object" || opens == "shppict" || fallback) {
                const std::size_t end = FindGroupEnd(in_, pos_ + 1, 1);
                if (end < in_.size()) {
                    std::string raw(in_.substr(pos_, end + 1 - pos_));
                    if (fallback) paragraph_.runs.back().text += raw;
                    else paragraph_.AddObject(CurrentFormat(), std::move(raw));
                }
                pos_ = end < in_.size() ? end + 1 : in_.size();
                return;
            }
        }
        stack_.push_back(stack_.empty() ? GroupState{} : State());
        State().start = pos_;
        ++pos_;
    }

    // The control word the group opening at pos_ starts with, after a \*.
    std::string_view OpeningWord() const {
        std::size_t pos = pos_ + 1;
        if (in_.substr(pos, 2) == "\\*") pos += 2;
        while (pos < in_.size() && (in_[pos] == '\r' || in_[pos] == '\n')) ++pos;
        if (pos >= in_.size() || in_[pos] != '\\') return {};
        ++pos;
        return ReadControlWord(in_, pos).name;
    }

    void CloseGroup() {
        FlushText(true);
        skip_ = 0;
        ignorable_ = false;
        ++pos_;
        if (State().destination == Destination::FontTable && !fontEntry_.name.Empty()) CommitFont();
        // The list text ends with the group that began it; groups inside it
        // (a bullet in a font of its own) add to it.
        if (State().destination == Destination::ListText && stack_.size() >= 2 &&
            stack_[stack_.size() - 2].destination != Destination::ListText) {
            paragraph_.listText = text::Trim(listText_.Take());
            paragraph_.listTextFormat = listTextFormat_ ? *listTextFormat_ : CurrentFormat();
            listTextFormat_.reset();
        }
        if (stack_.size() == 1) {
            FinishDocument(State());
            return;
        }
        stack_.pop_back();
    }

    // Skips the rest of the current group; its closing brace is read next.
    void SkipRestOfGroup() { pos_ = FindGroupEnd(in_, pos_, 1); }

    // The current group byte for byte, braces included, read to its end;
    // its closing brace is read next. Empty when the text ends first.
    std::string CaptureGroup() {
        const std::size_t end = FindGroupEnd(in_, pos_, 1);
        pos_ = end;
        if (end >= in_.size()) return {};
        return std::string(in_.substr(State().start, end + 1 - State().start));
    }

    // True while nothing of the document's text has been read.
    bool InHead() const {
        return !bodyStarted_ && document_.paragraphs.empty() && paragraph_.runs.empty() && body_.Empty();
    }

    // A group the model does not represent: kept in the head, or as a run
    // where it stands.
    void KeepGroup(bool head) {
        if (stack_.size() < 2 || stack_[stack_.size() - 2].destination != Destination::Body) return SkipRestOfGroup();
        std::string raw = CaptureGroup();
        if (raw.empty()) return;
        if (head) {
            document_.headerGroups.push_back(std::move(raw));
            return;
        }
        // A footnote comes with its text, which is shown and printed.
        std::string note;
        if (std::string_view(raw).substr(0, 10) == "{\\footnote")
            for (const Paragraph& p : RtfParser(raw, *this).Parse().paragraphs) {
                if (!note.empty()) note += '\n';
                for (const Run& r : p.runs)
                    if (r.kind == Run::Kind::Text) note += r.text;
                    else if (r.kind == Run::Kind::Tab || r.kind == Run::Kind::LineBreak) note += ' ';
            }
        paragraph_.AddGroup(CurrentFormat(), std::move(raw), text::Trim(note));
    }

    void FinishDocument(const GroupState& state) {
        FlushText();
        if (!paragraph_.runs.empty() || !paragraph_.listText.empty()) EndParagraph(state);
        // A table cut off before its last \row, and the tables around it.
        while (!document_.paragraphs.empty() && document_.paragraphs.back().format.inTable &&
               (!document_.paragraphs.back().endsRow || document_.paragraphs.back().format.nesting > 0)) {
            const Paragraph& last = document_.paragraphs.back();
            EndRow(last.endsRow ? last.format.nesting - 1 : last.format.nesting);
        }
        finished_ = true;
    }

    // ---- text

    int BodyCodePage() {
        const GroupState& state = State();
        auto found = fonts_.find(state.font < 0 ? defaultFont_ : state.font);
        if (found != fonts_.end() && found->second.codePage != 0) return found->second.codePage;
        return documentCodePage_;
    }

    int FontEntryCodePage() const {
        if (fontEntry_.codePage != 0) return fontEntry_.codePage;
        const int codePage = CodePageOfCharset(fontEntry_.charset);
        return codePage != 0 ? codePage : documentCodePage_;
    }

    void AddByte(char byte) {
        switch (State().destination) {
            case Destination::Body: body_.AddByte(byte, BodyCodePage()); break;
            case Destination::FontTable: fontEntry_.name.AddByte(byte, FontEntryCodePage()); break;
            case Destination::ListText: StartListText(); listText_.AddByte(byte, BodyCodePage()); break;
            case Destination::ColourTable: break;
        }
    }

    void AddUnit(char32_t unit) {
        switch (State().destination) {
            case Destination::Body: body_.AddUnit(unit); break;
            case Destination::FontTable: fontEntry_.name.AddUnit(unit); break;
            case Destination::ListText: StartListText(); listText_.AddUnit(unit); break;
            case Destination::ColourTable: break;
        }
    }

    // The list text takes the format of its first character.
    void StartListText() {
        if (!listTextFormat_) listTextFormat_ = CurrentFormat();
    }

    void Literal(char c) {
        ++pos_;
        if (c == '\r' || c == '\n') return;
        if (skip_ > 0) {
            --skip_;
            return;
        }
        const Destination destination = State().destination;
        if (destination == Destination::FontTable && c == ';') return CommitFont();
        if (destination == Destination::ColourTable && c == ';') return CommitColour();
        if (c == '\t') return AddTab();
        if (static_cast<unsigned char>(c) < 0x20) return;
        AddByte(c);
    }

    CharFormat CurrentFormat() {
        const GroupState& state = State();
        CharFormat format;
        auto font = fonts_.find(state.font < 0 ? defaultFont_ : state.font);
        if (font != fonts_.end()) format.face = font->second.face;
        format.sizeTwips = state.halfPoints * 10;
        if (state.colour > 0 && static_cast<std::size_t>(state.colour) < colours_.size())
            format.colour = colours_[state.colour];
        format.bold = state.bold;
        format.italic = state.italic;
        format.underline = state.underline;
        format.script = state.script;
        format.raiseTwips = state.raiseHalfPoints * 10;
        format.hidden = state.hidden;
        format.strike = state.strike;
        format.doubleStrike = state.doubleStrike;
        format.smallCaps = state.smallCaps;
        if (state.background > 0 && static_cast<std::size_t>(state.background) < colours_.size())
            format.background = colours_[state.background];
        return format;
    }

    // With keepLead (at group and format changes), a double-byte character
    // split by them is read whole.
    void FlushText(bool keepLead = false) {
        if (body_.Empty() || (keepLead && body_.HoldsOnlyALeadByte())) return;
        bodyStarted_ = true;
        inRowDefinition_ = false;
        const std::string text = body_.Take(keepLead);
        if (!text.empty()) paragraph_.AddText(CurrentFormat(), text);
    }

    void AddTab() {
        if (State().destination != Destination::Body) return;
        FlushText();
        paragraph_.AddTab(CurrentFormat());
    }

    void AddLineBreak() {
        if (State().destination != Destination::Body) return;
        FlushText();
        paragraph_.AddLineBreak(CurrentFormat());
    }

    void EndParagraph(const GroupState& state, bool endsCell = false, Paragraph::End end = Paragraph::End::Paragraph) {
        FlushText();
        bodyStarted_ = true;
        paragraph_.format = state.paragraph;
        paragraph_.end = end;
        if (endsCell) paragraph_.format.inTable = paragraph_.endsCell = true;
        document_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    // \cell and \nestcell: the paragraph ends a cell of the table `level` deep.
    void EndCell(int level) {
        EndParagraph(State(), true);
        document_.paragraphs.back().format.nesting = level;
    }

    // \row and \nestrow: the paragraph that ended the row's last cell, of
    // the table `level` deep, carries its definition. A cell ended by a table
    // inside it gets an empty paragraph after the table.
    void EndRow(int level) {
        if (!paragraph_.runs.empty()) EndCell(level);
        if (document_.paragraphs.empty() || !document_.paragraphs.back().format.inTable ||
            document_.paragraphs.back().format.nesting < level)
            return;
        if (document_.paragraphs.back().format.nesting > level) {
            Paragraph& after = document_.paragraphs.emplace_back();
            after.format.inTable = true;
            after.format.nesting = level;
        }
        DropUndefinedEmptyCells(level);
        Paragraph& last = document_.paragraphs.back();
        last.endsCell = true;
        last.endsRow = rows_[level];
    }

    // Empty cells at the end of a row beyond those its definition gives are
    // none (LibreOffice writes one more after a row with a table inside it).
    void DropUndefinedEmptyCells(int level) {
        std::vector<Paragraph>& ps = document_.paragraphs;
        const std::size_t defined = rows_[level].cells.size();
        if (defined == 0) return;
        std::size_t cells = 1;  // the last paragraph ends the row's last cell
        for (std::size_t i = ps.size() - 1; i > 0; --i) {
            const ParagraphFormat& format = ps[i - 1].format;
            if (!format.inTable || format.nesting < level || (format.nesting == level && ps[i - 1].endsRow)) break;
            if (format.nesting == level && ps[i - 1].endsCell) ++cells;
        }
        for (; cells > defined && ps.size() >= 2; --cells) {
            const Paragraph& last = ps.back();
            const Paragraph& before = ps[ps.size() - 2];
            if (!last.runs.empty() || !last.listText.empty() || before.format.nesting != level || !before.endsCell ||
                before.endsRow || !before.format.inTable)
                break;
            ps.pop_back();
        }
    }

    // The depth of the table a word of a row definition is for: that of the
    // paragraph in {\*\nesttableprops ...}, else the outermost.
    int DefinedLevel() {
        return State().nestedRowDefinition ? std::clamp(State().paragraph.nesting, 1, kMaxTableNesting) : 0;
    }

    // ---- tables

    void CommitFont() {
        std::string face = fontEntry_.name.Take();
        std::erase_if(face, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
        face = text::Trim(face);
        if (fontEntry_.number >= 0) {
            int codePage = fontEntry_.codePage != 0 ? fontEntry_.codePage : CodePageOfCharset(fontEntry_.charset);
            if (fontEntry_.number < 1000) {
                if (document_.fonts.size() <= static_cast<std::size_t>(fontEntry_.number))
                    document_.fonts.resize(fontEntry_.number + 1);
                document_.fonts[fontEntry_.number] = face;
                if (fontEntry_.charset == 2) document_.symbolFonts.push_back(fontEntry_.number);
            }
            fonts_[fontEntry_.number] = Font{std::move(face), codePage};
        }
    }

    void CommitColour() {
        colours_.push_back(colour_.given ? std::optional<Colour>(colour_.colour) : std::nullopt);
        colour_ = PendingColour{};
    }

    // ---- control words and symbols

    void ControlSequence() {
        ++pos_;
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (IsLetter(c)) {
            const ControlWord word = ReadControlWord(in_, pos_);
            const bool ignorable = ignorable_;
            ignorable_ = false;
            if (skip_ > 0) {
                --skip_;
                if (word.name == "bin") SkipBinary(in_, pos_, word.param);
                return;
            }
            ApplyWord(word, ignorable);
            return;
        }
        ++pos_;
        if (c == '\'') return HexByte();
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (c) {
            case '\\': case '{': case '}': AddByte(c); break;
            case '~': AddUnit(0x00A0); break;
            case '_': AddUnit(0x2011); break;
            case '*': ignorable_ = true; break;
            case '\r': case '\n': ApplyWord(ControlWord{"par"}, false); break;
            default: break;  // \- optional hyphen, \| \: and unknown symbols
        }
    }

    void HexByte() {
        int high = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        int low = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) return;
        pos_ += 2;
        if (skip_ > 0) {
            --skip_;
            return;
        }
        AddByte(static_cast<char>(high << 4 | low));
    }

    void ApplyWord(const ControlWord& word, bool ignorable) {
        const auto& words = Words();
        auto found = words.find(word.name);
        if (found == words.end()) {
            if (ignorable) KeepGroup(InHead());
            else if (inRowDefinition_ && rowWords_.size() < 4096) {
                rowWords_ += '\\';
                rowWords_ += word.name;
                if (word.hasParam) rowWords_ += std::to_string(word.param);
            }
            return;
        }
        const Word kind = found->second.word;
        if (kind == Word::ListDefinition) {
            // Belongs to the paragraph format of the group around it.
            if (stack_.size() < 2 || stack_[stack_.size() - 2].destination != Destination::Body) return SkipRestOfGroup();
            std::string raw = CaptureGroup();
            stack_[stack_.size() - 2].paragraph.listDefinition = std::move(raw);
            return;
        }
        if (kind == Word::HeaderDestination) return KeepGroup(true);
        if (kind == Word::BodyDestination) {
            if (inNote_ && stack_.size() == 1) return;  // the footnote read for its text
            return KeepGroup(false);
        }
        if (ignorable && kind != Word::Transparent && kind != Word::ListText && kind != Word::NestedRowDefinition)
            return SkipRestOfGroup();
        if (kind != Word::Unicode && kind != Word::Character) FlushText(true);
        GroupState& state = State();
        const bool inFontTable = state.destination == Destination::FontTable;
        const int param = word.param;
        const bool on = !word.hasParam || param != 0;
        switch (kind) {
            case Word::Ansi: documentCodePage_ = kCodePageWestern; break;
            case Word::Mac: documentCodePage_ = 10000; break;
            case Word::Pc: documentCodePage_ = 437; break;
            case Word::Pca: documentCodePage_ = 850; break;
            case Word::AnsiCodePage: if (param > 0) documentCodePage_ = param; break;
            case Word::DefaultFont: defaultFont_ = param; break;
            case Word::FontTable: state.destination = Destination::FontTable; fontEntry_ = FontEntry{}; break;
            case Word::ColourTable:
                state.destination = Destination::ColourTable;
                colours_.clear();
                colour_ = PendingColour{};
                break;
            case Word::SkippedDestination: SkipRestOfGroup(); break;
            case Word::HeaderDestination: case Word::BodyDestination: case Word::ListDefinition: break;
            case Word::ListText:
                if (state.destination == Destination::Body) {
                    state.destination = Destination::ListText;
                    listText_ = TextCollector{};
                    listTextFormat_.reset();
                } else {
                    SkipRestOfGroup();
                }
                break;
            case Word::ListOverride: state.paragraph.listOverride = param; break;
            case Word::ListLevel: state.paragraph.listLevel = param; break;
            case Word::Super: state.script = CharFormat::Script::Super; break;
            case Word::Sub: state.script = CharFormat::Script::Sub; break;
            case Word::NoSuperSub: state.script = CharFormat::Script::Normal; break;
            case Word::Up: state.raiseHalfPoints = word.hasParam ? std::clamp(param, -kMaxTwips, kMaxTwips) : 6; break;
            case Word::Down: state.raiseHalfPoints = -(word.hasParam ? std::clamp(param, -kMaxTwips, kMaxTwips) : 6); break;
            case Word::Hidden: state.hidden = on; break;
            case Word::Strike: state.strike = on; break;
            case Word::DoubleStrike: state.doubleStrike = on; break;
            case Word::SmallCaps: state.smallCaps = on; break;
            case Word::Background: state.background = std::max(param, 0); break;
            case Word::InTable: state.paragraph.inTable = true; break;
            case Word::TableDepth:
                state.paragraph.inTable = param > 0;
                state.paragraph.nesting = std::clamp(param - 1, 0, kMaxTableNesting);
                break;
            case Word::NestedRowDefinition:
                if (state.destination == Destination::Body) state.nestedRowDefinition = true;
                else SkipRestOfGroup();
                break;
            case Word::RowDefault:
                rowLevel_ = DefinedLevel();
                rows_[rowLevel_] = TableRow{};
                rows_[rowLevel_].gapTwips = rows_[rowLevel_].leftTwips = 0;
                merge_ = verticalMerge_ = TableCell::Merge::None;
                inRowDefinition_ = true;
                rowWords_.clear();
                break;
            case Word::RowGap: rows_[rowLevel_].gapTwips = std::clamp(param, -kMaxTwips, kMaxTwips); break;
            case Word::RowLeft: rows_[rowLevel_].leftTwips = std::clamp(param, -kMaxTwips, kMaxTwips); break;
            case Word::CellMergeFirst: merge_ = TableCell::Merge::First; break;
            case Word::CellMerged: merge_ = TableCell::Merge::Continued; break;
            case Word::CellVerticalFirst: verticalMerge_ = TableCell::Merge::First; break;
            case Word::CellVerticalMerged: verticalMerge_ = TableCell::Merge::Continued; break;
            case Word::CellRight: {
                TableRow& row = rows_[rowLevel_];
                std::string words = std::move(rowWords_);
                rowWords_.clear();
                if (row.cells.empty()) {  // the row's own words come before the first cell's
                    const std::size_t cellWords = std::min(words.find("\\cl"), words.size());
                    row.otherWords = words.substr(0, cellWords);
                    words.erase(0, cellWords);
                }
                if (row.cells.size() < 1000)
                    row.cells.push_back(
                        TableCell{std::clamp(param, -kMaxTwips, kMaxTwips), merge_, verticalMerge_, std::move(words)});
                merge_ = verticalMerge_ = TableCell::Merge::None;
                break;
            }
            case Word::Picture: SkipRestOfGroup(); break;  // not at a group's start: nothing to keep
            case Word::Transparent: break;
            case Word::Font:
                if (inFontTable) {
                    if (!fontEntry_.name.Empty()) CommitFont();  // the previous entry lacked its ';'
                    fontEntry_ = FontEntry{};
                    fontEntry_.number = param;
                } else {
                    state.font = param;
                }
                break;
            case Word::FontSize: state.halfPoints = word.hasParam && param > 0 ? std::min(param, 32767) : 24; break;
            case Word::Bold: state.bold = on; break;
            case Word::Italic: state.italic = on; break;
            case Word::Underline: state.underline = on; break;
            case Word::UnderlineNone: state.underline = false; break;
            case Word::ColourIndex: state.colour = param; break;
            case Word::Plain: state.ResetCharacter(); break;
            case Word::Charset: if (inFontTable) fontEntry_.charset = param; break;
            case Word::FontCodePage: if (inFontTable) fontEntry_.codePage = param; break;
            case Word::Red: colour_.colour.red = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); colour_.given = true; break;
            case Word::Green: colour_.colour.green = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); colour_.given = true; break;
            case Word::Blue: colour_.colour.blue = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); colour_.given = true; break;
            case Word::ParagraphDefault:
                state.paragraph = ParagraphFormat{};
                bodyStarted_ = true;
                inRowDefinition_ = false;
                break;
            case Word::AlignLeft: state.paragraph.alignment = Alignment::Left; break;
            case Word::AlignCentre: state.paragraph.alignment = Alignment::Centre; break;
            case Word::AlignRight: state.paragraph.alignment = Alignment::Right; break;
            case Word::AlignJustify: state.paragraph.alignment = Alignment::Justify; break;
            case Word::LeftIndent: state.paragraph.leftIndentTwips = param; break;
            case Word::FirstIndent: state.paragraph.firstIndentTwips = param; break;
            case Word::Par: if (state.destination == Destination::Body) EndParagraph(state); break;
            case Word::Page: case Word::Section:
                if (state.destination == Destination::Body)
                    EndParagraph(state, false, kind == Word::Page ? Paragraph::End::Page : Paragraph::End::Section);
                break;
            case Word::Cell: if (state.destination == Destination::Body) EndCell(0); break;
            case Word::NestedCell:
                if (state.destination == Destination::Body) EndCell(std::clamp(state.paragraph.nesting, 1, kMaxTableNesting));
                break;
            case Word::Row: if (state.destination == Destination::Body) EndRow(0); break;
            case Word::NestedRow:
                if (state.destination == Destination::Body) EndRow(std::clamp(state.paragraph.nesting, 1, kMaxTableNesting));
                break;
            case Word::Line: AddLineBreak(); break;
            case Word::Tab: AddTab(); break;
            case Word::Unicode:
                AddUnit(static_cast<char32_t>(param < 0 ? (param < -32768 ? 0xFFFD : 65536 + param)
                                                        : (param > 0xFFFF ? 0xFFFD : param)));
                skip_ = state.unicodeSkip;
                break;
            case Word::UnicodeSkip: state.unicodeSkip = std::max(param, 0); break;
            case Word::Binary: SkipBinary(in_, pos_, param); break;
            case Word::Character: AddUnit(found->second.character); break;
        }
    }

    std::string_view in_;
    bool inNote_ = false;
    std::size_t pos_ = 0;
    bool finished_ = false;
    std::vector<GroupState> stack_;
    int skip_ = 0;            // characters still to skip after \uN
    bool ignorable_ = false;  // \* seen: an unknown destination is skipped
    int documentCodePage_ = kCodePageWestern;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    FontEntry fontEntry_;
    std::vector<std::optional<Colour>> colours_;
    PendingColour colour_;
    TextCollector body_;
    TextCollector listText_;
    std::optional<CharFormat> listTextFormat_;
    bool bodyStarted_ = false;
    std::vector<TableRow> rows_ = std::vector<TableRow>(kMaxTableNesting + 1);  // the last definition of each depth
    int rowLevel_ = 0;  // the depth the definition being read is for
    bool leftOutDeepGroups_ = false;
    TableCell::Merge merge_ = TableCell::Merge::None;
    TableCell::Merge verticalMerge_ = TableCell::Merge::None;
    bool inRowDefinition_ = false;  // after \trowd, before the row's text
    std::string rowWords_;          // definition words not otherwise read
    Paragraph paragraph_;
    Document document_;
};

Document ReadPlainText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string utf8 = text::IsValidUtf8(bytes) ? std::string(bytes) : text::GbkToUtf8(bytes);
    Document document;
    if (utf8.empty()) return document;
    std::string_view rest = utf8;
    while (true) {
        const std::size_t end = rest.find_first_of("\r\n");
        document.AddParagraph().AddText(CharFormat{}, rest.substr(0, end));
        if (end == std::string_view::npos) break;
        std::size_t next = end + 1;
        if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
        rest.remove_prefix(next);
    }
    return document;
}

}  // namespace

bool IsRtf(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

Document ReadRtf(std::string_view bytes, bool* leftOutDeepText) {
    if (leftOutDeepText) *leftOutDeepText = false;
    if (!IsRtf(bytes)) return ReadPlainText(bytes);
    RtfParser parser(bytes);
    Document document = parser.Parse();
    if (leftOutDeepText) *leftOutDeepText = parser.LeftOutDeepGroups();
    return document;
}

}  // namespace richtext
