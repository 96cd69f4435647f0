#include "platform/xmldom/Untrusted.h"

#include <libxml/SAX2.h>
#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <climits>

#include "platform/text/Text.h"
#include "platform/xmldom/Internal.h"

namespace xmldom {

namespace {

struct ParserFree {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};

// What the parse met that stops it, and the element handler it wraps.
struct ParseState {
    bool documentType = false;
    bool tooDeep = false;
    startElementNsSAX2Func startElement = nullptr;
};

ParseState& StateOf(void* ctx) {
    return *static_cast<ParseState*>(static_cast<xmlParserCtxt*>(ctx)->_private);
}

// Called by the parser for every document type declaration, whatever the
// bytes' encoding, before any declaration inside it is read.
void StopAtDocumentType(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    StateOf(ctx).documentType = true;
    xmlStopParser(static_cast<xmlParserCtxt*>(ctx));
}

// Called for every start tag with the depth of its parent in nameNr. The
// depth is capped here whatever the options: lifting the size limits for
// long values also lifts libxml2's own depth limit.
void StartElementWithinDepth(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri,
                             int nbNamespaces, const xmlChar** namespaces, int nbAttributes, int nbDefaulted,
                             const xmlChar** attributes) {
    auto* parser = static_cast<xmlParserCtxt*>(ctx);
    ParseState& state = StateOf(ctx);
    if (parser->nameNr >= kMaxUntrustedDepth) {
        state.tooDeep = true;
        xmlStopParser(parser);
        return;
    }
    state.startElement(ctx, localname, prefix, uri, nbNamespaces, namespaces, nbAttributes, nbDefaulted, attributes);
}

}  // namespace

namespace {

int FlagsOf(const UntrustedOptions& options) {
    int flags = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    if (options.dropBlanks) flags |= XML_PARSE_NOBLANKS;
    if (options.largeValues) flags |= XML_PARSE_HUGE;
    return flags;
}

void Watch(xmlParserCtxt* parser, ParseState& state) {
    parser->_private = &state;
    parser->sax->internalSubset = StopAtDocumentType;
    state.startElement = parser->sax->startElementNs;
    parser->sax->startElementNs = StartElementWithinDepth;
}

// The document when the parse ended well, else null with the reason.
XmlDocPtr Outcome(xmlParserCtxt* parser, const ParseState& state, XmlDocPtr doc, ParseFailure& failure) {
    if (state.documentType) {
        failure.documentType = true;
        failure.message = "a document type declaration is not accepted";
        return nullptr;
    }
    if (state.tooDeep) {
        failure.tooDeep = true;
        failure.line = xmlSAX2GetLineNumber(parser);
        failure.message = text::Format("elements nested deeper than %d levels", kMaxUntrustedDepth);
        return nullptr;
    }
    if (!doc || !parser->wellFormed) {
        const xmlError& e = parser->lastError;
        failure.line = e.line;
        failure.code = e.code;
        failure.message = e.message ? text::Trim(e.message) : "not well-formed";
        return nullptr;
    }
    return doc;
}

}  // namespace

XmlDocPtr ParseUntrusted(std::string_view bytes, const UntrustedOptions& options, ParseFailure& failure) {
    failure = {};
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        failure.message = "too large";
        return nullptr;
    }
    detail::QuietErrors quiet;
    std::unique_ptr<xmlParserCtxt, ParserFree> parser(xmlNewParserCtxt());
    if (!parser) {
        failure.message = "out of memory";
        return nullptr;
    }
    ParseState state;
    Watch(parser.get(), state);
    XmlDocPtr doc(xmlCtxtReadMemory(parser.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                    options.encoding, FlagsOf(options)));
    return Outcome(parser.get(), state, std::move(doc), failure);
}

XmlDocPtr ParseUntrustedPieces(const ReadPiece& read, const UntrustedOptions& options, ParseFailure& failure,
                               const AfterPiece& afterPiece) {
    failure = {};
    detail::QuietErrors quiet;
    constexpr std::size_t kPiece = 256 * 1024;
    std::string piece(kPiece, '\0');
    // The first piece goes in with the parser's creation, which reads the
    // byte-order mark and the declaration's encoding from it.
    long n = read(piece.data(), piece.size());
    if (n < 0) {
        failure.unreadable = true;
        failure.message = "cannot read the file";
        return nullptr;
    }
    std::unique_ptr<xmlParserCtxt, ParserFree> parser(
        xmlCreatePushParserCtxt(nullptr, nullptr, piece.data(), static_cast<int>(n), nullptr));
    if (!parser) {
        failure.message = "out of memory";
        return nullptr;
    }
    ParseState state;
    Watch(parser.get(), state);
    xmlCtxtUseOptions(parser.get(), FlagsOf(options));
    if (options.encoding) {
        if (xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler(options.encoding))
            xmlSwitchToEncoding(parser.get(), handler);
    }
    // The document belongs to this function until it is handed back.
    auto takeDoc = [&] {
        XmlDocPtr doc(parser->myDoc);
        parser->myDoc = nullptr;
        return doc;
    };
    bool stopped = false;
    std::vector<xmlNode*> open;
    if (n == 0) xmlParseChunk(parser.get(), nullptr, 0, 1);
    while (n > 0) {
        n = read(piece.data(), piece.size());
        if (n < 0) {
            XmlDocPtr dropped = takeDoc();
            failure.unreadable = true;
        failure.message = "cannot read the file";
            return nullptr;
        }
        if (xmlParseChunk(parser.get(), piece.data(), static_cast<int>(n), n == 0 ? 1 : 0) != 0 ||
            parser->disableSAX || state.documentType || state.tooDeep)
            break;
        if (afterPiece && parser->myDoc) {
            open.assign(parser->nodeTab, parser->nodeTab + parser->nodeNr);
            if (!afterPiece(parser->myDoc, open)) {
                stopped = true;
                break;
            }
        }
    }
    XmlDocPtr doc = takeDoc();
    if (stopped) return nullptr;
    return Outcome(parser.get(), state, std::move(doc), failure);
}

}  // namespace xmldom
