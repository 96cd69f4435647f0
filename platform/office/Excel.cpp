#include "platform/office/Excel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "platform/office/ExcelData.h"
#include "platform/office/Office.h"
#include "platform/office/TextFit.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace office::excel {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
// Formatting a range larger than this (a whole sheet) changes only the cells
// that exist, instead of creating millions of empty ones.
constexpr long long kMaxCreatedCells = 1000000;
// Integers with more digits than this lose precision as numbers and stay text.
constexpr int kMaxSignificantDigits = 15;
// A whole part this long is a code (a telephone, account, project or
// identity number), not an amount: it stays text, as it was written.
constexpr std::size_t kMinCodeDigits = 11;
// The built-in number format "@": what is written stays text.
constexpr int kTextFormat = 49;

// A canonical decimal: optional minus, no leading zeros, optional fraction,
// a whole part shorter than a code. `decimals` receives the written digits
// after the point.
bool IsCanonicalNumber(std::string_view s, int& decimals) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    std::size_t intStart = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    std::size_t intDigits = i - intStart;
    if (intDigits == 0) return false;
    if (intDigits > 1 && s[intStart] == '0') return false;
    if (intDigits >= kMinCodeDigits) return false;
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::size_t fracStart = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        fracDigits = i - fracStart;
        if (fracDigits == 0) return false;
    }
    if (i != s.size()) return false;
    std::size_t significant = intDigits + fracDigits;
    if (s[intStart] == '0') significant -= 1;
    decimals = static_cast<int>(fracDigits);
    return significant <= kMaxSignificantDigits;
}

struct AlignmentName {
    int code;
    const char* name;
};
constexpr AlignmentName kHorizontal[] = {
    {xlCenter, "center"}, {xlLeft, "left"}, {xlRight, "right"}, {xlGeneral, "general"}, {xlJustify, "justify"}};
constexpr AlignmentName kVertical[] = {
    {xlCenter, "center"}, {xlTop, "top"}, {xlBottom, "bottom"}, {xlJustify, "justify"}};

template <std::size_t N>
const char* AlignmentNameOf(const AlignmentName (&table)[N], int code) {
    for (const auto& a : table)
        if (a.code == code) return a.name;
    return nullptr;
}

template <std::size_t N>
int AlignmentCodeOf(const AlignmentName (&table)[N], const std::string& name, int fallback) {
    for (const auto& a : table)
        if (name == a.name) return a.code;
    return fallback;
}

// The stored edge style of a line style and weight; nullptr for "no line".
const char* EdgeStyleOf(int lineStyle, int weight) {
    bool medium = weight == xlMedium || weight == xlThick;
    switch (lineStyle) {
        case xlContinuous:
            switch (weight) {
                case xlHairline: return "hair";
                case xlMedium: return "medium";
                case xlThick: return "thick";
                default: return "thin";
            }
        case -4115: return medium ? "mediumDashed" : "dashed";  // xlDash
        case -4118: return "dotted";                              // xlDot
        case -4119: return "double";                              // xlDouble
        case 4: return medium ? "mediumDashDot" : "dashDot";      // xlDashDot
        case 5: return medium ? "mediumDashDotDot" : "dashDotDot";
        case 13: return "slantDashDot";
        default: return nullptr;  // xlLineStyleNone and unknown styles
    }
}

BookData* BookOf(const std::shared_ptr<SheetData>& sheet) { return sheet ? sheet->book : nullptr; }

std::shared_ptr<BookData> NewBook() {
    auto book = std::make_shared<BookData>();
    auto sheet = std::make_shared<SheetData>();
    sheet->book = book.get();
    sheet->name = "Sheet1";
    book->sheets.push_back(sheet);
    return book;
}

std::string Stem(const std::string& path) {
    std::string name = sys::FileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

double ColumnWidthFor(std::string_view text, double fontPoints) {
    // A character of the width is half an em of the 11-point default font;
    // the text's width (a tenth more for bold glyphs and the printing face)
    // and the cell's padding on both sides, to the next half character.
    constexpr double kCharacterPoints = 5.5, kPaddingPoints = 4, kSpare = 1.1;
    const double points = TextWidthPoints(text, fontPoints) * kSpare + kPaddingPoints;
    return std::ceil(points / kCharacterPoints * 2) / 2;
}

std::string ColumnName(int column) {
    std::string out;
    AppendColumnName(out, column);
    return out;
}

bool HoldsCodes(std::string_view heading) {
    for (const char* word : {"代码", "编号", "邮编", "邮政编码", "电话", "手机", "传真", "帐号", "账号", "身份证"})
        if (heading.find(word) != std::string_view::npos) return true;
    return false;
}

bool ParseCellName(std::string_view name, int& row, int& column) {
    std::size_t i = 0;
    if (i < name.size() && name[i] == '$') ++i;
    long col = 0;
    std::size_t letters = 0;
    while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(name[i])) - 'A' + 1);
        ++i;
        if (++letters > 3) return false;
    }
    if (letters == 0) return false;
    if (i < name.size() && name[i] == '$') ++i;
    long r = 0;
    std::size_t digits = 0;
    while (i < name.size() && name[i] >= '0' && name[i] <= '9') {
        r = r * 10 + (name[i] - '0');
        ++i;
        if (++digits > 7) return false;
    }
    if (digits == 0 || i != name.size()) return false;
    if (r < 1 || r > kMaxRows || col < 1 || col > kMaxColumns) return false;
    row = static_cast<int>(r);
    column = static_cast<int>(col);
    return true;
}

// ---------------------------------------------------------------- Range

Range::Range(std::shared_ptr<SheetData> sheet, int top, int left, int bottom, int right)
    : sheet_(std::move(sheet)),
      top_(std::min(top, bottom)),
      left_(std::min(left, right)),
      bottom_(std::max(top, bottom)),
      right_(std::max(left, right)) {}

template <typename F>
void Range::ForEachCell(F&& f) const {
    if (!sheet_) return;
    long long count = static_cast<long long>(bottom_ - top_ + 1) * (right_ - left_ + 1);
    if (count > kMaxCreatedCells) {
        for (auto rowIt = sheet_->rows.lower_bound(top_); rowIt != sheet_->rows.end() && rowIt->first <= bottom_; ++rowIt)
            for (auto it = rowIt->second.cells.lower_bound(left_); it != rowIt->second.cells.end() && it->first <= right_; ++it)
                f(rowIt->first, it->first, it->second);
        return;
    }
    for (int r = top_; r <= bottom_; ++r)
        for (int c = left_; c <= right_; ++c) f(r, c, sheet_->At(r, c));
}

namespace {

// Changes the format of every cell of a range; cells that share a format
// share the result, so the style table is searched once per distinct format.
template <typename Each, typename Mutate>
void Restyle(BookData* book, Each&& forEach, Mutate&& mutate) {
    if (!book) return;
    std::unordered_map<int, int> memo;
    forEach([&](int, int, Cell& cell) {
        auto it = memo.find(cell.style);
        if (it == memo.end()) {
            CellStyle style = book->styles[static_cast<std::size_t>(cell.style)];
            mutate(style);
            it = memo.emplace(cell.style, book->Intern(style)).first;
        }
        cell.style = it->second;
    });
    book->Touch();
}

}  // namespace

std::string Range::Address() const {
    if (!sheet_) return {};
    std::string first = ColumnName(left_) + std::to_string(top_);
    if (top_ == bottom_ && left_ == right_) return first;
    return first + ":" + ColumnName(right_) + std::to_string(bottom_);
}

Range Range::Item(int row, int column) const {
    if (!sheet_) return {};
    int r = top_ + row - 1, c = left_ + column - 1;
    if (r < 1 || r > kMaxRows || c < 1 || c > kMaxColumns) return {};
    return Range(sheet_, r, c, r, c);
}

void Range::SetValue(std::string_view value) const {
    if (!sheet_) return;
    Cell model;
    int decimals = 0;
    if (value.empty()) {
        model.kind = ValueKind::Empty;
    } else if (value[0] == '=' && value.size() > 1) {
        model.kind = ValueKind::Formula;
        model.text = std::string(value.substr(1));
    } else if (IsCanonicalNumber(value, decimals)) {
        model.kind = ValueKind::Number;
        std::from_chars(value.data(), value.data() + value.size(), model.number);
    } else {
        model.kind = ValueKind::Text;
        model.text = std::string(value);
    }
    BookData* book = BookOf(sheet_);
    // The written decimals show through a number format ("12.50" stays
    // 12.50); a format the template chose (thousands, percent) is kept.
    const int format = model.kind == ValueKind::Number ? book->DecimalFormat(decimals) : 0;
    ForEachCell([&](int, int, Cell& cell) {
        const int current = book->styles[static_cast<std::size_t>(cell.style)].numFmtId;
        if (model.kind == ValueKind::Number && current == kTextFormat) {
            cell.kind = ValueKind::Text;
            cell.number = 0;
            cell.text = std::string(value);
            return;
        }
        cell.kind = model.kind;
        cell.number = model.number;
        cell.text = model.text;
        if (model.kind != ValueKind::Number) return;
        if (current == format || !book->IsPlainNumberFormat(current)) return;
        CellStyle changed = book->styles[static_cast<std::size_t>(cell.style)];
        changed.numFmtId = format;
        cell.style = book->Intern(changed);
    });
    book->Touch();
}

std::string Range::Value() const {
    if (!sheet_) return {};
    const Cell* cell = sheet_->Find(top_, left_);
    if (!cell) return {};
    switch (cell->kind) {
        case ValueKind::Number: return FormatNumber(cell->number);
        case ValueKind::Formula: return "=" + cell->text;
        case ValueKind::Text: return cell->text;
        default: return {};
    }
}

ValueKind Range::Kind() const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    return cell ? cell->kind : ValueKind::Empty;
}

std::string Range::NumberFormat() const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    const int id = cell ? sheet_->book->styles[static_cast<std::size_t>(cell->style)].numFmtId : 0;
    return sheet_ ? sheet_->book->NumberFormatCode(id) : std::string();
}

void Range::SetNumberFormat(std::string_view code) const {
    BookData* book = BookOf(sheet_);
    if (!book || code.empty()) return;
    const int id = book->ChosenFormat(std::string(code));
    Restyle(book, [&](auto f) { ForEachCell(f); }, [&](CellStyle& s) { s.numFmtId = id; });
}

Font Range::Font() const { return excel::Font(*this); }

void Range::SetRowHeight(double points) const {
    if (!sheet_ || points < 0 || points > 409) return;
    if (bottom_ - top_ >= kMaxRows - 1) return;  // whole columns: not a row format
    for (int r = top_; r <= bottom_; ++r) sheet_->rows[r].height = points;
    BookOf(sheet_)->Touch();
}

double Range::RowHeight() const {
    if (!sheet_) return 0;
    auto it = sheet_->rows.find(top_);
    return it != sheet_->rows.end() && it->second.height > 0 ? it->second.height : 13.5;
}

void Range::SetColumnWidth(double characters) const {
    if (!sheet_ || characters < 0 || characters > 255) return;
    double width = CharactersToFileWidth(characters);
    if (left_ == 1 && right_ == kMaxColumns) {
        sheet_->defaultColumnWidth = width;
        sheet_->columnWidths.clear();
    } else {
        for (int c = left_; c <= right_; ++c) sheet_->columnWidths[c] = width;
    }
    BookOf(sheet_)->Touch();
}

double Range::ColumnWidth() const {
    if (!sheet_) return 0;
    auto it = sheet_->columnWidths.find(left_);
    double width = it != sheet_->columnWidths.end() ? it->second
                   : sheet_->defaultColumnWidth > 0 ? sheet_->defaultColumnWidth
                                                    : CharactersToFileWidth(8.38);
    return FileWidthToCharacters(width);
}

void Range::SetHorizontalAlignment(int value) const {
    const char* name = AlignmentNameOf(kHorizontal, value);
    if (!name) return;
    Restyle(BookOf(sheet_), [&](auto f) { ForEachCell(f); },
            [&](CellStyle& s) { s.alignment["horizontal"] = name; });
}

int Range::HorizontalAlignment() const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    if (!cell) return xlGeneral;
    const auto& a = sheet_->book->styles[static_cast<std::size_t>(cell->style)].alignment;
    auto it = a.find("horizontal");
    return it == a.end() ? xlGeneral : AlignmentCodeOf(kHorizontal, it->second, xlGeneral);
}

void Range::SetVerticalAlignment(int value) const {
    const char* name = AlignmentNameOf(kVertical, value);
    if (!name) return;
    Restyle(BookOf(sheet_), [&](auto f) { ForEachCell(f); },
            [&](CellStyle& s) { s.alignment["vertical"] = name; });
}

int Range::VerticalAlignment() const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    if (!cell) return xlBottom;
    const auto& a = sheet_->book->styles[static_cast<std::size_t>(cell->style)].alignment;
    auto it = a.find("vertical");
    return it == a.end() ? xlBottom : AlignmentCodeOf(kVertical, it->second, xlBottom);
}

void Range::SetWrapText(bool on) const {
    Restyle(BookOf(sheet_), [&](auto f) { ForEachCell(f); }, [&](CellStyle& s) {
        if (on) s.alignment["wrapText"] = "1";
        else s.alignment.erase("wrapText");
    });
}

bool Range::WrapText() const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    if (!cell) return false;
    const auto& a = sheet_->book->styles[static_cast<std::size_t>(cell->style)].alignment;
    auto it = a.find("wrapText");
    return it != a.end() && (it->second == "1" || it->second == "true");
}

void Range::Merge(bool across) const {
    if (!sheet_) return;
    std::vector<Rect> areas;
    if (across) {
        for (int r = top_; r <= bottom_; ++r) areas.push_back({r, left_, r, right_});
    } else {
        areas.push_back({top_, left_, bottom_, right_});
    }
    for (const Rect& area : areas) {
        if (area.top == area.bottom && area.left == area.right) continue;
        auto& merges = sheet_->merges;
        merges.erase(std::remove_if(merges.begin(), merges.end(), [&](const Rect& m) { return m.Intersects(area); }),
                     merges.end());
        merges.push_back(area);
        for (auto rowIt = sheet_->rows.lower_bound(area.top); rowIt != sheet_->rows.end() && rowIt->first <= area.bottom;
             ++rowIt)
            for (auto& [c, cell] : rowIt->second.cells)
                if (c >= area.left && c <= area.right && !(rowIt->first == area.top && c == area.left)) {
                    cell.kind = ValueKind::Empty;
                    cell.text.clear();
                }
    }
    BookOf(sheet_)->Touch();
}

bool Range::MergeCells() const {
    if (!sheet_) return false;
    for (const Rect& m : sheet_->merges)
        if (m.Contains(top_, left_)) return true;
    return false;
}

Range Range::MergeArea() const {
    if (!sheet_) return {};
    for (const Rect& m : sheet_->merges)
        if (m.Contains(top_, left_)) return Range(sheet_, m.top, m.left, m.bottom, m.right);
    return Range(sheet_, top_, left_, top_, left_);
}

void Range::BorderAround(int lineStyle, int weight, int colorIndex) const {
    if (!sheet_) return;
    const char* style = EdgeStyleOf(lineStyle, weight);
    EdgeSpec edge;
    if (style) {
        edge.style = style;
        if (colorIndex >= 1 && colorIndex <= 56) edge.colour = "indexed=\"" + std::to_string(colorIndex + 7) + "\"";
    }
    BookData* book = BookOf(sheet_);
    // Each cell on the outline gets the edges it has on the outside; the
    // cells of one edge share one memo per combination of edges.
    std::unordered_map<long long, int> memo;
    ForEachCell([&](int r, int c, Cell& cell) {
        int mask = (r == top_ ? 1 : 0) | (r == bottom_ ? 2 : 0) | (c == left_ ? 4 : 0) | (c == right_ ? 8 : 0);
        if (!mask) return;
        long long key = static_cast<long long>(cell.style) * 16 + mask;
        auto it = memo.find(key);
        if (it == memo.end()) {
            CellStyle s = book->styles[static_cast<std::size_t>(cell.style)];
            if (mask & 1) s.border.top = edge;
            if (mask & 2) s.border.bottom = edge;
            if (mask & 4) s.border.left = edge;
            if (mask & 8) s.border.right = edge;
            it = memo.emplace(key, book->Intern(s)).first;
        }
        cell.style = it->second;
    });
    book->Touch();
}

std::string Range::BorderStyle(std::string_view edge) const {
    const Cell* cell = sheet_ ? sheet_->Find(top_, left_) : nullptr;
    if (!cell) return {};
    const BorderSpec& b = sheet_->book->styles[static_cast<std::size_t>(cell->style)].border;
    if (edge == "left") return b.left.style;
    if (edge == "right") return b.right.style;
    if (edge == "top") return b.top.style;
    if (edge == "bottom") return b.bottom.style;
    return {};
}

void Range::SetPageBreak(int value) const {
    if (!sheet_) return;
    if (value == xlPageBreakManual) {
        if (top_ > 1) sheet_->rowBreaks.insert(top_);
    } else if (value == xlPageBreakNone) {
        sheet_->rowBreaks.erase(top_);
    } else {
        return;
    }
    BookOf(sheet_)->Touch();
}

int Range::PageBreak() const {
    return sheet_ && sheet_->rowBreaks.count(top_) ? xlPageBreakManual : xlPageBreakNone;
}

// ---------------------------------------------------------------- Font

namespace {
const FontSpec* FontOf(const std::shared_ptr<SheetData>& sheet, int row, int col) {
    if (!sheet) return nullptr;
    const Cell* cell = sheet->Find(row, col);
    return &sheet->book->styles[static_cast<std::size_t>(cell ? cell->style : 0)].font;
}
}  // namespace

void Font::SetName(std::string_view name) const {
    if (name.empty()) return;
    Restyle(BookOf(range_.sheet_), [&](auto f) { range_.ForEachCell(f); },
            [&](CellStyle& s) { s.font.name = std::string(name); });
}

std::string Font::Name() const {
    const FontSpec* f = FontOf(range_.sheet_, range_.top_, range_.left_);
    return f ? f->name : std::string();
}

void Font::SetSize(double points) const {
    if (points < 1 || points > 409) return;
    Restyle(BookOf(range_.sheet_), [&](auto f) { range_.ForEachCell(f); },
            [&](CellStyle& s) { s.font.size = points; });
}

double Font::Size() const {
    const FontSpec* f = FontOf(range_.sheet_, range_.top_, range_.left_);
    return f ? f->size : 0;
}

void Font::SetBold(bool on) const {
    Restyle(BookOf(range_.sheet_), [&](auto f) { range_.ForEachCell(f); }, [&](CellStyle& s) { s.font.bold = on; });
}

bool Font::Bold() const {
    const FontSpec* f = FontOf(range_.sheet_, range_.top_, range_.left_);
    return f && f->bold;
}

// ---------------------------------------------------------------- PageSetup

void PageSetup::SetOrientation(int orientation) const {
    if (!sheet_ || (orientation != xlPortrait && orientation != xlLandscape)) return;
    sheet_->pageSetup["orientation"] = orientation == xlLandscape ? "landscape" : "portrait";
    sheet_->book->Touch();
}

int PageSetup::Orientation() const {
    if (!sheet_) return xlPortrait;
    auto it = sheet_->pageSetup.find("orientation");
    return it != sheet_->pageSetup.end() && it->second == "landscape" ? xlLandscape : xlPortrait;
}

void PageSetup::SetPaperSize(int paperSize) const {
    if (!sheet_ || paperSize < 1 || paperSize > 118) return;
    sheet_->pageSetup["paperSize"] = std::to_string(paperSize);
    sheet_->book->Touch();
}

int PageSetup::PaperSize() const {
    if (!sheet_) return 0;
    auto it = sheet_->pageSetup.find("paperSize");
    return it == sheet_->pageSetup.end() ? 1 : std::atoi(it->second.c_str());
}

void PageSetup::SetFitToPages(int wide, int tall) const {
    if (!sheet_ || wide < 0 || tall < 0) return;
    sheet_->fitToPage = wide > 0;
    if (wide > 0) {
        sheet_->pageSetup["fitToWidth"] = std::to_string(wide);
        sheet_->pageSetup["fitToHeight"] = std::to_string(tall);
    } else {
        sheet_->pageSetup.erase("fitToWidth");
        sheet_->pageSetup.erase("fitToHeight");
    }
    sheet_->book->Touch();
}

namespace {

// A fit attribute of the page setup; the file's default is 1.
int FitAttribute(const SheetData& sheet, const char* name) {
    if (!sheet.fitToPage) return 0;
    auto it = sheet.pageSetup.find(name);
    return it == sheet.pageSetup.end() ? 1 : std::atoi(it->second.c_str());
}

// "1:2", "$1:$2" or "3" as "$1:$2"; "" when the text names no rows.
std::string RowsReference(std::string_view text) {
    auto row = [](std::string_view part) {
        if (!part.empty() && part[0] == '$') part.remove_prefix(1);
        if (part.empty() || part.size() > 7 || part.find_first_not_of("0123456789") != std::string_view::npos) return 0;
        int r = std::atoi(std::string(part).c_str());
        return r >= 1 && r <= kMaxRows ? r : 0;
    };
    std::size_t colon = text.find(':');
    int first = row(text.substr(0, colon));
    int last = colon == std::string_view::npos ? first : row(text.substr(colon + 1));
    if (!first || !last || last < first) return {};
    return "$" + std::to_string(first) + ":$" + std::to_string(last);
}

// "A1:K20" or "$A$1" as "$A$1:$K$20"; "" when it names no cells.
std::string AreaReference(std::string_view text) {
    std::size_t colon = text.find(':');
    int top, left, bottom, right;
    if (!ParseCellName(text.substr(0, colon), top, left)) return {};
    if (colon == std::string_view::npos) {
        bottom = top;
        right = left;
    } else if (!ParseCellName(text.substr(colon + 1), bottom, right)) {
        return {};
    }
    if (bottom < top) std::swap(top, bottom);
    if (right < left) std::swap(left, right);
    return "$" + ColumnName(left) + "$" + std::to_string(top) + ":$" + ColumnName(right) + "$" + std::to_string(bottom);
}

// The sections of a header or footer text: &L, &C and &R start them; text
// before any of them belongs to the centre. Other codes (&P, &N, &&, fonts)
// stay inside their section.
struct Sections {
    std::string left, centre, right;
};

Sections SplitSections(const std::string& text) {
    Sections out;
    std::string* current = &out.centre;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            char code = text[i + 1];
            std::string* next = code == 'L' ? &out.left : code == 'C' ? &out.centre : code == 'R' ? &out.right : nullptr;
            if (next) {
                current = next;
                ++i;
                continue;
            }
            *current += text.substr(i, 2);
            ++i;
            continue;
        }
        *current += text[i];
    }
    return out;
}

std::string JoinSections(const Sections& s) {
    std::string out;
    if (!s.left.empty()) out += "&L" + s.left;
    if (!s.centre.empty()) out += "&C" + s.centre;
    if (!s.right.empty()) out += "&R" + s.right;
    return out;
}

void SetCentreSection(SheetData& sheet, const char* part, std::string_view text) {
    auto it = sheet.headerFooter.find(part);
    Sections sections = it == sheet.headerFooter.end() ? Sections{} : SplitSections(it->second);
    sections.centre = std::string(text);
    std::string joined = JoinSections(sections);
    if (joined.empty()) sheet.headerFooter.erase(part);
    else sheet.headerFooter[part] = joined;
    sheet.book->Touch();
}

std::string CentreSection(const SheetData& sheet, const char* part) {
    auto it = sheet.headerFooter.find(part);
    return it == sheet.headerFooter.end() ? std::string() : SplitSections(it->second).centre;
}

double MarginPoints(const SheetData& sheet, const char* edge, double defaultInches) {
    auto it = sheet.pageMargins.find(edge);
    return (it == sheet.pageMargins.end() ? defaultInches : text::Atof(it->second)) * 72;
}

}  // namespace

int PageSetup::FitToPagesWide() const { return sheet_ ? FitAttribute(*sheet_, "fitToWidth") : 0; }
int PageSetup::FitToPagesTall() const { return sheet_ ? FitAttribute(*sheet_, "fitToHeight") : 0; }

void PageSetup::SetPrintTitleRows(std::string_view rows) const {
    if (!sheet_) return;
    std::string ref = RowsReference(rows);
    if (ref.empty() && !rows.empty()) return;
    sheet_->printTitleRows = ref;
    sheet_->book->Touch();
}

std::string PageSetup::PrintTitleRows() const { return sheet_ ? sheet_->printTitleRows : std::string(); }

void PageSetup::SetPrintArea(std::string_view area) const {
    if (!sheet_) return;
    std::string ref = AreaReference(area);
    if (ref.empty() && !area.empty()) return;
    sheet_->printArea = ref;
    sheet_->book->Touch();
}

std::string PageSetup::PrintArea() const { return sheet_ ? sheet_->printArea : std::string(); }

void PageSetup::SetMargins(double left, double right, double top, double bottom, double header, double footer) const {
    if (!sheet_) return;
    for (double m : {left, right, top, bottom, header, footer})
        if (m < 0 || m > 72 * 20) return;
    auto inches = [](double points) { return FormatNumber(std::round(points / 72 * 10000) / 10000); };
    sheet_->pageMargins = {{"left", inches(left)},     {"right", inches(right)},   {"top", inches(top)},
                           {"bottom", inches(bottom)}, {"header", inches(header)}, {"footer", inches(footer)}};
    sheet_->book->Touch();
}

double PageSetup::LeftMargin() const { return sheet_ ? MarginPoints(*sheet_, "left", 0.7) : 0; }
double PageSetup::RightMargin() const { return sheet_ ? MarginPoints(*sheet_, "right", 0.7) : 0; }
double PageSetup::TopMargin() const { return sheet_ ? MarginPoints(*sheet_, "top", 0.75) : 0; }
double PageSetup::BottomMargin() const { return sheet_ ? MarginPoints(*sheet_, "bottom", 0.75) : 0; }

void PageSetup::SetCenterHorizontally(bool on) const {
    if (!sheet_) return;
    if (on) sheet_->printOptions["horizontalCentered"] = "1";
    else sheet_->printOptions.erase("horizontalCentered");
    sheet_->book->Touch();
}

void PageSetup::SetCenterVertically(bool on) const {
    if (!sheet_) return;
    if (on) sheet_->printOptions["verticalCentered"] = "1";
    else sheet_->printOptions.erase("verticalCentered");
    sheet_->book->Touch();
}

namespace {
bool OptionOn(const SheetData& sheet, const char* name) {
    auto it = sheet.printOptions.find(name);
    return it != sheet.printOptions.end() && (it->second == "1" || it->second == "true");
}
}  // namespace

bool PageSetup::CenterHorizontally() const { return sheet_ && OptionOn(*sheet_, "horizontalCentered"); }
bool PageSetup::CenterVertically() const { return sheet_ && OptionOn(*sheet_, "verticalCentered"); }

void PageSetup::SetCenterHeader(std::string_view text) const {
    if (sheet_) SetCentreSection(*sheet_, "oddHeader", text);
}
std::string PageSetup::CenterHeader() const { return sheet_ ? CentreSection(*sheet_, "oddHeader") : std::string(); }
void PageSetup::SetCenterFooter(std::string_view text) const {
    if (sheet_) SetCentreSection(*sheet_, "oddFooter", text);
}
std::string PageSetup::CenterFooter() const { return sheet_ ? CentreSection(*sheet_, "oddFooter") : std::string(); }

// ---------------------------------------------------------------- Worksheet

std::string Worksheet::Name() const { return sheet_ ? sheet_->name : std::string(); }

bool Worksheet::SetName(std::string_view name) const {
    if (!sheet_ || name.empty() || text::GbkLength(name) > 31) return false;
    if (name.find_first_of(":\\/?*[]") != std::string_view::npos) return false;
    for (const auto& other : sheet_->book->sheets)
        if (other != sheet_ && text::EqualsNoCase(other->name, name)) return false;
    sheet_->name = std::string(name);
    sheet_->book->Touch();
    return true;
}

Range Worksheet::Cells() const {
    if (!sheet_) return {};
    return excel::Range(sheet_, 1, 1, kMaxRows, kMaxColumns);
}

Range Worksheet::Range(std::string_view cell1, std::string_view cell2) const {
    if (!sheet_) return {};
    if (cell2.empty()) {
        auto colon = cell1.find(':');
        if (colon != std::string_view::npos) {
            cell2 = cell1.substr(colon + 1);
            cell1 = cell1.substr(0, colon);
        }
    }
    int r1, c1, r2, c2;
    if (!ParseCellName(cell1, r1, c1)) return {};
    if (cell2.empty()) {
        r2 = r1;
        c2 = c1;
    } else if (!ParseCellName(cell2, r2, c2)) {
        return {};
    }
    return excel::Range(sheet_, r1, c1, r2, c2);
}

Range Worksheet::UsedRange() const {
    if (!sheet_) return {};
    int top = 0, bottom = 0, left = kMaxColumns + 1, right = 0;
    for (const auto& [r, row] : sheet_->rows) {
        if (row.cells.empty()) continue;
        if (!top) top = r;
        bottom = r;
        left = std::min(left, row.cells.begin()->first);
        right = std::max(right, row.cells.rbegin()->first);
    }
    if (!top) return excel::Range(sheet_, 1, 1, 1, 1);
    return excel::Range(sheet_, top, left, bottom, right);
}

PageSetup Worksheet::PageSetup() const { return excel::PageSetup(sheet_); }

// ---------------------------------------------------------------- Sheets, Workbook

int Sheets::Count() const { return book_ ? static_cast<int>(book_->sheets.size()) : 0; }

Worksheet Sheets::Item(std::string_view name) const {
    if (!book_) return {};
    for (const auto& sheet : book_->sheets)
        if (text::EqualsNoCase(sheet->name, name)) return Worksheet(sheet);
    return {};
}

Worksheet Sheets::Item(int index) const {
    if (!book_ || index < 1 || index > Count()) return {};
    return Worksheet(book_->sheets[static_cast<std::size_t>(index - 1)]);
}

Sheets Workbook::Sheets() const { return excel::Sheets(book_); }

bool Workbook::SaveAs(std::string_view path, int) const {
    if (!book_) return false;
    std::string target = OoxmlPath(path);
    std::string error;
    if (!SaveWorkbook(*book_, target, error)) {
        book_->lastError = error;
        return false;
    }
    book_->fullName = target;
    book_->dirty = false;
    return true;
}

std::string Workbook::FullName() const { return book_ ? book_->fullName : std::string(); }
bool Workbook::Saved() const { return book_ && !book_->dirty; }
void Workbook::SetSaved(bool saved) const {
    if (book_) book_->dirty = !saved;
}
void Workbook::SetTitle(const std::string& title) const {
    if (book_) book_->title = title;
}
std::string Workbook::LastError() const { return book_ ? book_->lastError : std::string(); }

// ---------------------------------------------------------------- Workbooks, Application

Workbook Workbooks::Add(std::string_view templatePath) const {
    if (!app_ || app_->quit_) return {};
    std::shared_ptr<BookData> book;
    if (templatePath.empty()) {
        book = NewBook();
    } else {
        book = std::make_shared<BookData>();
        std::string path = OoxmlPath(templatePath);
        std::string error;
        if (!LoadWorkbook(path, *book, error)) {
            app_->lastError_ = error;
            return {};
        }
        book->templateName = Stem(path);
    }
    book->dirty = false;
    app_->books_.push_back(book);
    return Workbook(book);
}

int Workbooks::Count() const { return app_ ? static_cast<int>(app_->books_.size()) : 0; }

Workbook Workbooks::Item(int index) const {
    if (!app_ || index < 1 || index > Count()) return {};
    return Workbook(app_->books_[static_cast<std::size_t>(index - 1)]);
}

std::unique_ptr<Application> Application::Create() {
    if (!CanStart("Excel.Application")) return nullptr;
    return std::unique_ptr<Application>(new Application());
}

Application::~Application() {
    if (!visible_ || quit_) return;
    for (const auto& book : books_) {
        if (book->handedOver) continue;
        book->handedOver = true;
        if (!book->fullName.empty() && !book->dirty) {
            ShellOpen(book->fullName);
            continue;
        }
        std::string path = ScratchPath(book->title, book->templateName, "工作簿", "xlsx");
        std::string error;
        if (SaveWorkbook(*book, path, error)) ShellOpen(path);
        else HandOverFailed(path, error);
    }
}

void Application::Quit() {
    quit_ = true;
    books_.clear();
}

}  // namespace office::excel
