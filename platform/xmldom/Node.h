// One node of an XML document (see Document.h): a light handle, copied by
// value, that stays valid as long as its document lives, also while the node
// is detached (created, cloned or removed and not yet inserted). A default
// handle is null; every operation on it answers empty or false.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;

namespace xmldom {

enum class NodeType { None, Element, Text, CData, Comment, ProcessingInstruction };

class Node {
public:
    Node() = default;

    explicit operator bool() const { return node_ != nullptr; }
    bool operator==(const Node& other) const = default;

    NodeType Type() const;
    bool IsElement() const { return Type() == NodeType::Element; }
    // Element name with its prefix ("fund9140A0101", "s:Schema"); "#text",
    // "#cdata-section", "#comment", or the target of a processing instruction.
    std::string Name() const;

    // All text below the node, concatenated in document order.
    std::string Text() const;
    // Replaces the element's children by one text node. False when the node is
    // not an element or the text is not valid UTF-8 or holds characters XML
    // cannot carry (controls other than tab, line feed, carriage return).
    bool SetText(std::string_view value);

    // Attributes by qualified name; an absent attribute reads as empty text.
    bool HasAttribute(std::string_view name) const;
    std::string GetAttribute(std::string_view name) const;
    // Adds or replaces. False when the node is not an element, the name is not
    // an XML name, or the value cannot be carried (as for SetText).
    bool SetAttribute(std::string_view name, std::string_view value);
    // True when the element no longer has the attribute.
    bool RemoveAttribute(std::string_view name);

    // The parent element (null for the document element and detached nodes).
    Node ParentNode() const;
    Node FirstChild() const;
    Node LastChild() const;
    Node NextSibling() const;
    Node PreviousSibling() const;
    std::vector<Node> ChildNodes() const;
    // Only the element children, in document order.
    std::vector<Node> ChildElements() const;

    // Tree changes. The child must belong to the same document and must not be
    // this node or one of its ancestors; a child that sits elsewhere in the
    // tree is moved. False (and nothing changed) otherwise.
    bool AppendChild(Node child);
    // Inserts before `reference`, a child of this node; a null reference appends.
    bool InsertBefore(Node child, Node reference);
    // Detaches a child of this node; the handle stays usable for re-insertion.
    bool RemoveChild(Node child);
    // Puts newChild where oldChild stands and detaches oldChild.
    bool ReplaceChild(Node newChild, Node oldChild);

    // A detached copy in the same document: with attributes always, with all
    // descendants when deep.
    Node CloneNode(bool deep) const;

    // First element, in document order, that the XPath expression selects with
    // this node as context ("fund9140A0101", "单位[@单位代码='001']", "*[2]",
    // "//单位"); null when none or when the expression is invalid (the reason
    // is the document's LastError). Quote values with XPathLiteral.
    Node SelectSingleNode(std::string_view xpath) const;

private:
    friend class Document;
    explicit Node(_xmlNode* node) : node_(node) {}
    _xmlNode* node_ = nullptr;
};

// A value as an XPath string literal, whatever quotes it holds:
// abc -> 'abc', it's -> "it's", a'b"c -> concat('a', "'", 'b"c').
std::string XPathLiteral(std::string_view value);

}  // namespace xmldom
