// What Document.cpp and Node.cpp share: the state of one document, reached
// from any of its nodes, and the checks and tree surgery both sides use.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <unordered_set>

namespace xmldom::detail {

struct DocState {
    xmlDoc* doc = nullptr;
    // Nodes of this document without a parent (created, cloned, removed);
    // freed with the document unless they are inserted again.
    std::unordered_set<xmlNode*> detached;
    bool declaration = false;
    std::string encoding = "UTF-8";
    std::string lastError;
};

// Keeps libxml2's own reports (encoding failures, XPath evaluation notes) off
// stderr while this thread parses, writes or selects; callers take the reason
// from the parser or the XPath context.
class QuietErrors {
public:
    QuietErrors();
    ~QuietErrors();
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    xmlStructuredErrorFunc structured_;
    void* structuredContext_;
    xmlGenericErrorFunc generic_;
    void* genericContext_;
};

// The state of the document the node belongs to (kept in the document's
// _private field).
DocState& StateOf(const xmlNode* node);

// Unlinks the node from its parent and keeps it among the detached nodes.
void Detach(xmlNode* node);
// Links a parentless node as a child of parent, before `before` (a child of
// parent) or last when `before` is null. Never merges text nodes, so every
// handle stays valid.
void Link(xmlNode* parent, xmlNode* child, xmlNode* before);

// An XML name (element or attribute), not empty.
bool IsXmlName(std::string_view name);
// Valid UTF-8 made only of characters XML 1.0 can carry.
bool IsXmlText(std::string_view value);

// First element in document order that the expression selects from context;
// null with the reason in the document's lastError when it is invalid.
xmlNode* SelectFirstElement(xmlDoc* doc, xmlNode* context, std::string_view xpath);

}  // namespace xmldom::detail
