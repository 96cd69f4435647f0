// An XML document in the manner of a DOM: load from a file or from bytes,
// build and change the tree through Node handles, select single nodes by
// XPath, save. Strings are UTF-8.
//
// Files are untrusted: a document type declaration (and with it every entity
// and external reference) is refused, the network is never reached, and a
// malformed file gives false with the reason in LastError, never a crash.
// Whitespace-only text between elements is dropped on load, so the children
// of an indented file are its elements.
//
// Encoding: a document made here, or loaded without an encoding declaration,
// is saved as UTF-8 without a declaration. A document that was loaded with a
// declaration keeps it, and keeps its encoding (GBK files stay GBK; "GB2312"
// is read and written as its superset GBK).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/xmldom/Node.h"

namespace xmldom {

class Document {
public:
    // An empty document: no elements, UTF-8, no declaration.
    Document();
    ~Document();
    // Node handles stay valid across a move; a moved-from document may only
    // be destroyed or assigned to.
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Replaces the content by the file's (paths may use "\"). On failure the
    // document is left as it was and LastError says why.
    bool Load(const std::string& path);
    // As Load, from the bytes of a document.
    bool LoadXml(std::string_view bytes);

    // Writes the document through a temporary file renamed over the target,
    // so a failed save leaves any earlier file whole.
    bool Save(const std::string& path) const;
    // The bytes Save writes; empty (with LastError) when the document cannot
    // be written in its encoding.
    std::string Xml() const;

    // Reason of the last failed Load, Save, Xml or selection.
    const std::string& LastError() const;
    // Encoding the document is saved in ("UTF-8", "GBK", ...).
    std::string Encoding() const;

    Node DocumentElement() const;
    // Makes the element the document element; false when there is one already
    // or the node is not an element of this document.
    bool AppendChild(Node element);
    // A detached element of this document; null when the name is not an XML name.
    Node CreateElement(std::string_view name);

    // As Node::SelectSingleNode with the document as context ("/选题范围/fund01").
    Node SelectSingleNode(std::string_view xpath) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace xmldom
