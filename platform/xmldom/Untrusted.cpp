#include "platform/xmldom/Untrusted.h"

#include <libxml/parser.h>

#include <climits>

#include "platform/text/Text.h"
#include "platform/xmldom/Internal.h"

namespace xmldom {

namespace {

struct ParserFree {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};

// Called by the parser for every document type declaration, whatever the
// bytes' encoding, before any declaration inside it is read.
void StopAtDocumentType(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxt*>(ctx);
    *static_cast<bool*>(parser->_private) = true;
    xmlStopParser(parser);
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
    bool documentType = false;
    parser->_private = &documentType;
    parser->sax->internalSubset = StopAtDocumentType;
    int flags = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    if (options.dropBlanks) flags |= XML_PARSE_NOBLANKS;
    if (options.largeValues) flags |= XML_PARSE_HUGE;
    XmlDocPtr doc(xmlCtxtReadMemory(parser.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                    options.encoding, flags));
    if (documentType) {
        failure.documentType = true;
        failure.message = "a document type declaration is not accepted";
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
