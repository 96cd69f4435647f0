#include "platform/office/Xml.h"

#include "platform/text/Text.h"
#include "platform/text/Utf8Repair.h"

#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <cstring>

#include "platform/xmldom/Untrusted.h"

namespace office::xml {

DocPtr Parse(std::string_view bytes) {
    xmldom::ParseFailure failure;
    return DocPtr(xmldom::ParseUntrusted(bytes, {.encoding = "UTF-8", .dropBlanks = true}, failure).release());
}

std::string Serialize(xmlDoc* doc) {
    xmlChar* buffer = nullptr;
    int size = 0;
    doc->standalone = 1;
    xmlDocDumpFormatMemoryEnc(doc, &buffer, &size, "UTF-8", 0);
    std::string out(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
    xmlFree(buffer);
    return out;
}

std::string SerializeNode(xmlNode* node) {
    xmlBuffer* buffer = xmlBufferCreate();
    xmlNodeDump(buffer, node->doc, node, 0, 0);
    std::string out(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                    static_cast<std::size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return out;
}

bool Is(const xmlNode* node, const char* ns, const char* name) {
    if (!node || node->type != XML_ELEMENT_NODE) return false;
    if (std::strcmp(reinterpret_cast<const char*>(node->name), name) != 0) return false;
    if (!ns) return true;
    return node->ns && std::strcmp(reinterpret_cast<const char*>(node->ns->href), ns) == 0;
}

xmlNode* Child(xmlNode* parent, const char* ns, const char* name) {
    if (!parent) return nullptr;
    for (xmlNode* c = parent->children; c; c = c->next)
        if (Is(c, ns, name)) return c;
    return nullptr;
}

std::vector<xmlNode*> Children(xmlNode* parent, const char* ns, const char* name) {
    std::vector<xmlNode*> out;
    if (!parent) return out;
    for (xmlNode* c = parent->children; c; c = c->next)
        if (Is(c, ns, name)) out.push_back(c);
    return out;
}

xmlNode* NextElement(xmlNode* node) {
    for (xmlNode* n = node ? node->next : nullptr; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE) return n;
    return nullptr;
}

xmlNode* PrevElement(xmlNode* node) {
    for (xmlNode* n = node ? node->prev : nullptr; n; n = n->prev)
        if (n->type == XML_ELEMENT_NODE) return n;
    return nullptr;
}

xmlNode* FirstElement(xmlNode* parent) {
    for (xmlNode* n = parent ? parent->children : nullptr; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE) return n;
    return nullptr;
}

xmlNode* LastElement(xmlNode* parent) {
    for (xmlNode* n = parent ? parent->last : nullptr; n; n = n->prev)
        if (n->type == XML_ELEMENT_NODE) return n;
    return nullptr;
}

std::string Attr(const xmlNode* node, const char* ns, const char* name) {
    if (!node) return {};
    xmlChar* value = ns ? xmlGetNsProp(node, BAD_CAST name, BAD_CAST ns) : xmlGetNoNsProp(node, BAD_CAST name);
    if (!value) return {};
    std::string out(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return out;
}

bool HasAttr(const xmlNode* node, const char* ns, const char* name) {
    if (!node) return false;
    return ns ? xmlHasNsProp(node, BAD_CAST name, BAD_CAST ns) != nullptr
              : xmlHasNsProp(node, BAD_CAST name, nullptr) != nullptr;
}

std::string Text(const xmlNode* node) {
    if (!node) return {};
    xmlChar* content = xmlNodeGetContent(node);
    if (!content) return {};
    std::string out(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return out;
}

std::string Escape(std::string_view text) {
    std::string out;
    EscapeTo(out, text);
    return out;
}

void EscapeTo(std::string& out, std::string_view text) {
    // A part is UTF-8 throughout: text that is not (a number cut inside a
    // character) is written with U+FFFD in place of its broken bytes.
    if (!text::IsValidUtf8(text)) {
        const std::string repaired = text::RepairUtf8(text);
        EscapeTo(out, repaired);
        return;
    }
    // Runs that need no escaping are copied whole: most texts are one run.
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char* replacement;
        switch (c) {
            case '&': replacement = "&amp;"; break;
            case '<': replacement = "&lt;"; break;
            case '>': replacement = "&gt;"; break;
            case '"': replacement = "&quot;"; break;
            default:
                // Control characters other than tab, CR and LF are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') continue;
                replacement = "";
        }
        out.append(text.data() + start, i - start);
        out += replacement;
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

}  // namespace office::xml
