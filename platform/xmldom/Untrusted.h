// Parsing XML bytes that come from outside the program (files from other
// offices, packages, settings). Every reader of such bytes goes through here,
// so the same rules hold in every encoding: no network, no document type (so
// no entity definitions, no expansion, no external subset), and libxml2's own
// size limits unless a caller's values legitimately exceed them.
#pragma once

#include <libxml/tree.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xmldom {

struct XmlDocFree {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

struct UntrustedOptions {
    // Encoding to read the bytes in; null reads the declaration and the
    // byte-order mark.
    const char* encoding = nullptr;
    // Drops whitespace-only text between elements.
    bool dropBlanks = false;
    // Single text or attribute values beyond libxml2's 10 MB limit (long
    // binary values written as hex). The input's own size still bounds
    // memory, since no entity can be defined; the depth stays capped.
    bool largeValues = false;
};

// Elements nested deeper than this are refused, with or without large values
// (libxml2's own limit, which its huge-document option would lift).
inline constexpr int kMaxUntrustedDepth = 256;

struct ParseFailure {
    bool documentType = false;  // the bytes carry a document type declaration
    bool tooDeep = false;       // elements nested deeper than kMaxUntrustedDepth
    bool unreadable = false;    // the bytes could not be read
    int line = 0;
    int code = 0;         // libxml2's error number (xmlParserErrors) when not well-formed
    std::string message;  // libxml2's reason when not well-formed
};

// The parsed document, or null with the reason in `failure`.
XmlDocPtr ParseUntrusted(std::string_view bytes, const UntrustedOptions& options, ParseFailure& failure);

// Fills `out` with up to `count` bytes; 0 at the end, negative on failure.
using ReadPiece = std::function<long(char* out, std::size_t count)>;
// Called after each piece is parsed with the document so far and the elements
// still open (outermost first). It may take and free the elements the parser
// has finished with, except the last child of an open element, which the
// parser may still append to; false stops the parse (the caller says why).
using AfterPiece = std::function<bool(xmlDoc* doc, const std::vector<xmlNode*>& open)>;

// As ParseUntrusted, the bytes read piece by piece, so that they are never
// held whole: with `afterPiece` taking finished elements as they come, a large
// document is read in the memory of its pieces and of what the caller keeps.
// Null with the reason in `failure`, also when `afterPiece` stopped the parse
// (its message is then empty) or a read failed.
XmlDocPtr ParseUntrustedPieces(const ReadPiece& read, const UntrustedOptions& options, ParseFailure& failure,
                               const AfterPiece& afterPiece = {});

}  // namespace xmldom
