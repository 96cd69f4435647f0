// Small helpers over libxml2 for the parts of an OOXML package: parsing and
// writing a part, finding children by namespace and local name, reading and
// setting namespaced attributes, and escaping text for hand-written XML.
#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace office::xml {

inline constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char* kWord = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kPkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kContentTypes = "http://schemas.openxmlformats.org/package/2006/content-types";

struct DocDeleter {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

// Parses a part; null when the bytes are not well-formed XML or carry a
// document type (a package's parts never do).
DocPtr Parse(std::string_view bytes);
// The whole document with an XML declaration (UTF-8, standalone).
std::string Serialize(xmlDoc* doc);
// One node and everything below it, without declaration.
std::string SerializeNode(xmlNode* node);

// True when the node is an element with this namespace and local name.
bool Is(const xmlNode* node, const char* ns, const char* name);
// First element child with this namespace and local name, or null.
xmlNode* Child(xmlNode* parent, const char* ns, const char* name);
// Every element child with this namespace and local name, in order.
std::vector<xmlNode*> Children(xmlNode* parent, const char* ns, const char* name);
// Next element sibling (any name), or null.
xmlNode* NextElement(xmlNode* node);
xmlNode* PrevElement(xmlNode* node);
xmlNode* FirstElement(xmlNode* parent);
xmlNode* LastElement(xmlNode* parent);

// Attribute without namespace (ns = nullptr) or in the given namespace;
// empty text when absent.
std::string Attr(const xmlNode* node, const char* ns, const char* name);
bool HasAttr(const xmlNode* node, const char* ns, const char* name);
// Text content of the node and its descendants.
std::string Text(const xmlNode* node);

// Escapes &, <, > and (for attributes) quotes, and drops the control
// characters XML 1.0 does not allow; EscapeTo appends to `out`.
std::string Escape(std::string_view text);
void EscapeTo(std::string& out, std::string_view text);

}  // namespace office::xml
