#include "platform/xmldom/Node.h"

#include <libxml/tree.h>

#include "platform/xmldom/Internal.h"

namespace xmldom {

using detail::Detach;
using detail::IsXmlName;
using detail::IsXmlText;
using detail::Link;

namespace {

const xmlChar* X(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

std::string Take(xmlChar* owned) {
    std::string out = owned ? reinterpret_cast<const char*>(owned) : "";
    xmlFree(owned);
    return out;
}

std::string QualifiedName(const xmlNs* ns, const xmlChar* name) {
    std::string local = name ? reinterpret_cast<const char*>(name) : "";
    if (ns && ns->prefix) return reinterpret_cast<const char*>(ns->prefix) + (":" + local);
    return local;
}

// The attribute whose qualified name is `name`, compared as written in the
// file (with its prefix, if any).
xmlAttr* FindAttribute(const xmlNode* element, std::string_view name) {
    for (xmlAttr* a = element->properties; a; a = a->next) {
        if (QualifiedName(a->ns, a->name) == name) return a;
    }
    return nullptr;
}

bool IsElementNode(const xmlNode* n) { return n && n->type == XML_ELEMENT_NODE; }

// Node kinds a handle may stand for; anything else in a tree (a document
// type, an entity reference) is skipped when walking.
bool IsVisible(const xmlNode* n) {
    switch (n->type) {
        case XML_ELEMENT_NODE:
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_COMMENT_NODE:
        case XML_PI_NODE:
            return true;
        default:
            return false;
    }
}

xmlNode* FirstVisible(xmlNode* n, bool forward) {
    while (n && !IsVisible(n)) n = forward ? n->next : n->prev;
    return n;
}

bool IsAncestorOrSelf(const xmlNode* candidate, const xmlNode* node) {
    for (const xmlNode* n = node; n; n = n->parent) {
        if (n == candidate) return true;
    }
    return false;
}

}  // namespace

NodeType Node::Type() const {
    if (!node_) return NodeType::None;
    switch (node_->type) {
        case XML_ELEMENT_NODE: return NodeType::Element;
        case XML_TEXT_NODE: return NodeType::Text;
        case XML_CDATA_SECTION_NODE: return NodeType::CData;
        case XML_COMMENT_NODE: return NodeType::Comment;
        case XML_PI_NODE: return NodeType::ProcessingInstruction;
        default: return NodeType::None;
    }
}

std::string Node::Name() const {
    switch (Type()) {
        case NodeType::Element: return QualifiedName(node_->ns, node_->name);
        case NodeType::Text: return "#text";
        case NodeType::CData: return "#cdata-section";
        case NodeType::Comment: return "#comment";
        case NodeType::ProcessingInstruction: return reinterpret_cast<const char*>(node_->name);
        case NodeType::None: break;
    }
    return "";
}

std::string Node::Text() const { return node_ ? Take(xmlNodeGetContent(node_)) : ""; }

bool Node::SetText(std::string_view value) {
    if (!IsElementNode(node_) || !IsXmlText(value)) return false;
    while (node_->children) Detach(node_->children);  // handles to them stay valid
    if (!value.empty()) {
        const std::string copy(value);
        xmlNode* textNode = xmlNewDocText(node_->doc, X(copy));
        if (!textNode) return false;
        Link(node_, textNode, nullptr);
    }
    return true;
}

bool Node::HasAttribute(std::string_view name) const { return IsElementNode(node_) && FindAttribute(node_, name); }

std::string Node::GetAttribute(std::string_view name) const {
    if (!IsElementNode(node_)) return "";
    xmlAttr* a = FindAttribute(node_, name);
    return a ? Take(xmlNodeGetContent(reinterpret_cast<xmlNode*>(a))) : "";
}

bool Node::SetAttribute(std::string_view name, std::string_view value) {
    if (!IsElementNode(node_) || !IsXmlName(name) || !IsXmlText(value)) return false;
    const std::string copy(value);
    if (xmlAttr* a = FindAttribute(node_, name)) return xmlSetNsProp(node_, a->ns, a->name, X(copy)) != nullptr;
    const std::string key(name);
    return xmlSetNsProp(node_, nullptr, X(key), X(copy)) != nullptr;
}

bool Node::RemoveAttribute(std::string_view name) {
    if (!IsElementNode(node_)) return false;
    if (xmlAttr* a = FindAttribute(node_, name)) xmlRemoveProp(a);
    return true;
}

Node Node::ParentNode() const { return Node(node_ && IsElementNode(node_->parent) ? node_->parent : nullptr); }

Node Node::FirstChild() const { return Node(IsElementNode(node_) ? FirstVisible(node_->children, true) : nullptr); }

Node Node::LastChild() const { return Node(IsElementNode(node_) ? FirstVisible(node_->last, false) : nullptr); }

// Siblings of the document element (comments, processing instructions) are
// not walked: the document element has no parent element.
Node Node::NextSibling() const { return Node(ParentNode() ? FirstVisible(node_->next, true) : nullptr); }

Node Node::PreviousSibling() const { return Node(ParentNode() ? FirstVisible(node_->prev, false) : nullptr); }

std::vector<Node> Node::ChildNodes() const {
    std::vector<Node> out;
    for (Node n = FirstChild(); n; n = n.NextSibling()) out.push_back(n);
    return out;
}

std::vector<Node> Node::ChildElements() const {
    std::vector<Node> out;
    for (Node n = FirstChild(); n; n = n.NextSibling()) {
        if (n.IsElement()) out.push_back(n);
    }
    return out;
}

bool Node::AppendChild(Node child) { return InsertBefore(child, Node()); }

bool Node::InsertBefore(Node child, Node reference) {
    xmlNode* c = child.node_;
    xmlNode* before = reference.node_;
    if (!IsElementNode(node_) || child.Type() == NodeType::None) return false;
    if (c->doc != node_->doc || IsAncestorOrSelf(c, node_)) return false;
    if (before && (before->parent != node_ || before == c)) return false;
    if (c->parent) Detach(c);
    Link(node_, c, before);
    return true;
}

bool Node::RemoveChild(Node child) {
    if (!IsElementNode(node_) || !child.node_ || child.node_->parent != node_) return false;
    Detach(child.node_);
    return true;
}

bool Node::ReplaceChild(Node newChild, Node oldChild) {
    if (!oldChild.node_ || oldChild.node_->parent != node_) return false;
    if (newChild == oldChild) return true;
    if (!InsertBefore(newChild, oldChild)) return false;
    Detach(oldChild.node_);
    return true;
}

Node Node::CloneNode(bool deep) const {
    if (Type() == NodeType::None) return Node();
    // 1 copies everything below; 2 copies the element with its attributes only.
    xmlNode* copy = xmlDocCopyNode(node_, node_->doc, deep ? 1 : 2);
    if (!copy) return Node();
    detail::StateOf(copy).detached.insert(copy);
    return Node(copy);
}

Node Node::SelectSingleNode(std::string_view xpath) const {
    return Node(node_ ? detail::SelectFirstElement(node_->doc, node_, xpath) : nullptr);
}

std::string XPathLiteral(std::string_view value) {
    if (value.find('\'') == std::string_view::npos) return "'" + std::string(value) + "'";
    if (value.find('"') == std::string_view::npos) return "\"" + std::string(value) + "\"";
    // Both quotes: single-quoted pieces joined by "'" in a concat().
    std::string out = "concat(";
    bool first = true;
    auto add = [&](const std::string& part) {
        out += (first ? "" : ", ") + part;
        first = false;
    };
    std::size_t start = 0;
    while (true) {
        std::size_t quote = value.find('\'', start);
        std::string_view piece = value.substr(start, quote == std::string_view::npos ? std::string_view::npos : quote - start);
        if (!piece.empty()) add("'" + std::string(piece) + "'");
        if (quote == std::string_view::npos) break;
        add("\"'\"");
        start = quote + 1;
    }
    return out + ")";
}

}  // namespace xmldom
