#include "platform/xmldom/Untrusted.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>

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
    parser->_private = &state;
    parser->sax->internalSubset = StopAtDocumentType;
    state.startElement = parser->sax->startElementNs;
    parser->sax->startElementNs = StartElementWithinDepth;
    int flags = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    if (options.dropBlanks) flags |= XML_PARSE_NOBLANKS;
    if (options.largeValues) flags |= XML_PARSE_HUGE;
    XmlDocPtr doc(xmlCtxtReadMemory(parser.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                    options.encoding, flags));
    if (state.documentType) {
        failure.documentType = true;
        failure.message = "a document type declaration is not accepted";
        return nullptr;
    }
    if (state.tooDeep) {
        failure.line = xmlSAX2GetLineNumber(parser.get());
        failure.message = text::Format("elements nested deeper than %d levels", kMaxUntrustedDepth);
        return nullptr;
    }
    if (!doc || !parser->wellFormed) {
        const xmlError& e = parser->lastError;
        failure.line = e.line;
        failure.message = e.message ? text::Trim(e.message) : "not well-formed";
        return nullptr;
    }
    return doc;
}

}  // namespace xmldom
