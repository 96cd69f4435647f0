#include "platform/ado/JetFunctions.h"

#include <sqlite3.h>

#include <cmath>
#include <string>
#include <string_view>

#include "platform/text/DateTime.h"
#include "platform/text/Text.h"

namespace ado {

namespace {

std::string_view ArgText(sqlite3_value* v) {
    auto p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, sqlite3_value_bytes(v)) : std::string_view();
}

void ResultText(sqlite3_context* ctx, std::string_view s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

bool AnyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    return false;
}

// Byte offset of the character number `chars` (0-based) of a UTF-8 text,
// or the text's size when it has fewer characters.
std::size_t OffsetOfChar(std::string_view s, long long chars) {
    std::size_t i = 0;
    for (; i < s.size() && chars > 0; --chars) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

long long CharCount(std::string_view s) {
    long long n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// Characters [first, first + count) of a text, clipped to its length.
std::string_view Chars(std::string_view s, long long first, long long count) {
    if (first < 0) first = 0;
    if (count <= 0) return {};
    std::size_t begin = OffsetOfChar(s, first);
    std::size_t end = begin + OffsetOfChar(s.substr(begin), count);
    return s.substr(begin, end - begin);
}

void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    ResultText(ctx, Chars(ArgText(argv[0]), 0, sqlite3_value_int64(argv[1])));
}

void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    std::string_view s = ArgText(argv[0]);
    long long n = sqlite3_value_int64(argv[1]);
    long long total = CharCount(s);
    ResultText(ctx, Chars(s, n >= total ? 0 : total - n, n));
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    std::string_view s = ArgText(argv[0]);
    long long start = sqlite3_value_int64(argv[1]);
    if (start < 1) return sqlite3_result_error(ctx, "Invalid procedure call or argument", -1);
    long long count = argc > 2 ? sqlite3_value_int64(argv[2]) : CharCount(s);
    ResultText(ctx, Chars(s, start - 1, count));
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, CharCount(ArgText(argv[0])));
}

// The number at the start of a text; blanks are skipped as the engine does.
void Val(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    std::string compact;
    for (char c : ArgText(argv[0]))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') compact += c;
    double d = text::Atof(compact);
    if (d == std::trunc(d) && std::fabs(d) < 9.0e15) return sqlite3_result_int64(ctx, static_cast<long long>(d));
    sqlite3_result_double(ctx, d);
}

void IIf(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    bool condition = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0;
    sqlite3_result_value(ctx, condition ? argv[1] : argv[2]);
}

void Nz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL) return sqlite3_result_value(ctx, argv[0]);
    if (argc > 1) return sqlite3_result_value(ctx, argv[1]);
    sqlite3_result_int(ctx, 0);
}

void UCase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    ResultText(ctx, text::ToUpperAscii(ArgText(argv[0])));
}

void LCase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    ResultText(ctx, text::ToLowerAscii(ArgText(argv[0])));
}

bool ArgDate(sqlite3_value* v, text::DateTime& out) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return false;
    case SQLITE_TEXT: return text::DateTime::Parse(ArgText(v), out);
    default: out = text::DateTime::FromOleDate(sqlite3_value_double(v)); return true;
    }
}

template <int text::DateTime::*Part>
void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    text::DateTime dt;
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    if (!ArgDate(argv[0], dt)) return sqlite3_result_error(ctx, "Data type mismatch in criteria expression.", -1);
    sqlite3_result_int(ctx, dt.*Part);
}

void Now(sqlite3_context* ctx, int, sqlite3_value**) {
    ResultText(ctx, text::DateTime::Now().Format("%Y-%m-%d %H:%M:%S"));
}

struct FunctionEntry {
    const char* name;
    int argc;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

constexpr FunctionEntry kFunctions[] = {
    {"Jet_Left", 2, Left, true},   {"Jet_Right", 2, Right, true},  {"Mid", 2, Mid, true},
    {"Mid", 3, Mid, true},     {"Len", 1, Len, true},      {"Val", 1, Val, true},
    {"IIf", 3, IIf, true},     {"Nz", 1, Nz, true},        {"Nz", 2, Nz, true},
    {"UCase", 1, UCase, true}, {"LCase", 1, LCase, true},  {"Year", 1, DatePart<&text::DateTime::year>, true},
    {"Month", 1, DatePart<&text::DateTime::month>, true},  {"Day", 1, DatePart<&text::DateTime::day>, true},
    {"Now", 0, Now, false},
};

}  // namespace

bool RegisterJetFunctions(sqlite3* db) {
    for (const FunctionEntry& f : kFunctions) {
        int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, f.name, f.argc, flags, nullptr, f.fn, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            return false;
    }
    return true;
}

}  // namespace ado
