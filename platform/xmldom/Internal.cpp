#include "platform/xmldom/Internal.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>

#include "platform/text/Text.h"

namespace xmldom::detail {

namespace {
void IgnoreStructured(void*, xmlErrorPtr) {}
void IgnoreGeneric(void*, const char*, ...) {}
}  // namespace

QuietErrors::QuietErrors()
    : structured_(xmlStructuredError),
      structuredContext_(xmlStructuredErrorContext),
      generic_(xmlGenericError),
      genericContext_(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(nullptr, IgnoreStructured);
    xmlSetGenericErrorFunc(nullptr, IgnoreGeneric);
}

QuietErrors::~QuietErrors() {
    xmlSetStructuredErrorFunc(structuredContext_, structured_);
    xmlSetGenericErrorFunc(genericContext_, generic_);
}

DocState& StateOf(const xmlNode* node) { return *static_cast<DocState*>(node->doc->_private); }

void Detach(xmlNode* node) {
    xmlUnlinkNode(node);
    StateOf(node).detached.insert(node);
}

void Link(xmlNode* parent, xmlNode* child, xmlNode* before) {
    StateOf(child).detached.erase(child);
    child->parent = parent;
    if (before) {
        child->next = before;
        child->prev = before->prev;
        if (before->prev) {
            before->prev->next = child;
        } else {
            parent->children = child;
        }
        before->prev = child;
    } else {
        child->next = nullptr;
        child->prev = parent->last;
        if (parent->last) {
            parent->last->next = child;
        } else {
            parent->children = child;
        }
        parent->last = child;
    }
}

bool IsXmlName(std::string_view name) {
    if (name.empty() || !IsXmlText(name)) return false;
    const std::string copy(name);
    return xmlValidateName(reinterpret_cast<const xmlChar*>(copy.c_str()), 0) == 0;
}

bool IsXmlText(std::string_view value) {
    const auto* p = reinterpret_cast<const unsigned char*>(value.data());
    const auto* end = p + value.size();
    while (p < end) {
        unsigned c = *p;
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || end - p <= extra) return false;
        unsigned cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        static const unsigned kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kSmallest[extra] || cp > 0x10FFFF) return false;  // overlong or out of range
        if (cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') return false;
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return false;
        p += extra + 1;
    }
    return true;
}

namespace {

struct ContextFree {
    void operator()(xmlXPathContext* c) const { xmlXPathFreeContext(c); }
};
struct ObjectFree {
    void operator()(xmlXPathObject* o) const { xmlXPathFreeObject(o); }
};

}  // namespace

xmlNode* SelectFirstElement(xmlDoc* doc, xmlNode* context, std::string_view xpath) {
    std::string& error = static_cast<DocState*>(doc->_private)->lastError;
    if (!IsXmlText(xpath)) {
        error = "invalid XPath expression";
        return nullptr;
    }
    QuietErrors quiet;
    std::unique_ptr<xmlXPathContext, ContextFree> ctx(xmlXPathNewContext(doc));
    if (!ctx) {
        error = "out of memory";
        return nullptr;
    }
    ctx->node = context;
    ctx->error = IgnoreStructured;
    const std::string expr(xpath);
    std::unique_ptr<xmlXPathObject, ObjectFree> result(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expr.c_str()), ctx.get()));
    if (!result) {
        const char* why = ctx->lastError.message;
        error = "invalid XPath expression \"" + expr + "\"" + (why ? ": " + text::Trim(why) : std::string());
        return nullptr;
    }
    if (result->type != XPATH_NODESET || !result->nodesetval) return nullptr;
    xmlNodeSet* set = result->nodesetval;
    xmlXPathNodeSetSort(set);
    for (int i = 0; i < set->nodeNr; ++i) {
        if (set->nodeTab[i]->type == XML_ELEMENT_NODE) return set->nodeTab[i];
    }
    return nullptr;
}

}  // namespace xmldom::detail
