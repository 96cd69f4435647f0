#include "platform/xmldom/Document.h"

#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <cctype>
#include <climits>
#include <mutex>

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/xmldom/Internal.h"
#include "platform/xmldom/Untrusted.h"

namespace xmldom {

struct Document::State : detail::DocState {};

namespace {

using detail::DocState;

void InitLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

// Frees the tree and every detached node of the state's document.
void Release(DocState& state) {
    for (xmlNode* n : state.detached) xmlFreeNode(n);
    state.detached.clear();
    if (state.doc) xmlFreeDoc(state.doc);
    state.doc = nullptr;
}

xmlDoc* NewEmptyDoc(DocState& state) {
    xmlDoc* doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    doc->_private = &state;
    return doc;
}

// The XML declaration at the start of the bytes, when the bytes are in an
// encoding that writes it in ASCII (UTF-8, with or without a byte-order mark,
// GBK and the like).
struct Declaration {
    bool present = false;
    std::string encoding;
};

Declaration ReadDeclaration(std::string_view bytes) {
    Declaration d;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.size() < 6 || bytes.substr(0, 5) != "<?xml" || !std::isspace(static_cast<unsigned char>(bytes[5]))) {
        return d;
    }
    d.present = true;
    std::string_view decl = bytes.substr(0, bytes.find("?>"));
    std::size_t at = decl.find("encoding");
    if (at == std::string_view::npos) return d;
    std::size_t eq = decl.find('=', at);
    std::size_t open = decl.find_first_of("\"'", eq == std::string_view::npos ? decl.size() : eq);
    if (open == std::string_view::npos) return d;
    std::size_t close = decl.find(decl[open], open + 1);
    if (close != std::string_view::npos) d.encoding = std::string(decl.substr(open + 1, close - open - 1));
    return d;
}

using DocPtr = XmlDocPtr;

DocPtr Parse(std::string_view bytes, const char* encoding, std::string& error) {
    ParseFailure failure;
    DocPtr doc = ParseUntrusted(bytes, {.encoding = encoding}, failure);
    if (doc) return doc;
    error = failure.documentType ? failure.message
                                 : text::Format("not a well-formed XML document (line %d: %s)", failure.line,
                                                failure.message.c_str());
    return nullptr;
}

bool IsBlank(const xmlNode* n) {
    if (n->type != XML_TEXT_NODE || !n->content) return false;
    for (const xmlChar* p = n->content; *p; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') return false;
    }
    return true;
}

// Drops whitespace-only text nodes beside elements (the indentation of a
// formatted file); whitespace that is an element's whole content stays.
void DropIndentation(xmlNode* parent) {
    bool hasElement = false;
    for (xmlNode* c = parent->children; c; c = c->next) hasElement |= c->type == XML_ELEMENT_NODE;
    for (xmlNode* c = parent->children; c;) {
        xmlNode* next = c->next;
        if (hasElement && IsBlank(c)) {
            xmlUnlinkNode(c);
            xmlFreeNode(c);
        } else if (c->type == XML_ELEMENT_NODE) {
            DropIndentation(c);  // depth is bounded by the parser's own limit
        }
        c = next;
    }
}

std::string CanonicalEncoding(const std::string& name) {
    if (name.empty() || text::EqualsNoCase(name, "UTF-8") || text::EqualsNoCase(name, "UTF8")) return "UTF-8";
    // Files declared GB2312 are commonly written in its superset GBK.
    if (text::EqualsNoCase(name, "GB2312") || text::EqualsNoCase(name, "GBK")) return "GBK";
    return name;
}

bool Serialize(const DocState& state, std::string& out, std::string& error) {
    detail::QuietErrors quiet;
    const bool utf8 = state.encoding == "UTF-8";
    std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)> buffer(xmlBufferCreate(), xmlBufferFree);
    if (!buffer) {
        error = "out of memory";
        return false;
    }
    const int options = state.declaration || !utf8 ? 0 : XML_SAVE_NO_DECL;
    xmlSaveCtxt* save = xmlSaveToBuffer(buffer.get(), state.encoding.c_str(), options);
    if (!save) {
        error = "cannot write the encoding " + state.encoding;
        return false;
    }
    long written = xmlSaveDoc(save, state.doc);
    int closed = xmlSaveClose(save);
    if (written < 0 || closed < 0) {
        error = "cannot write the document in " + state.encoding;
        return false;
    }
    out.assign(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())), xmlBufferLength(buffer.get()));
    // A character the encoding lacks is written as a reference, which is
    // sound in text but breaks a name: make sure the bytes read back.
    if (!utf8 && state.doc->children) {
        std::string why;
        if (!Parse(out, nullptr, why)) {
            error = "the document holds names that cannot be written in " + state.encoding;
            return false;
        }
    }
    return true;
}

}  // namespace

Document::Document() : state_(std::make_unique<State>()) {
    InitLibrary();
    state_->doc = NewEmptyDoc(*state_);
}

Document::~Document() {
    if (state_) Release(*state_);
}

Document::Document(Document&&) noexcept = default;

Document& Document::operator=(Document&& other) noexcept {
    if (this != &other) {
        if (state_) Release(*state_);
        state_ = std::move(other.state_);
    }
    return *this;
}

bool Document::Load(const std::string& path) {
    const std::string native = sys::NativePath(path);
    std::string bytes;
    if (const sys::InputStatus status = sys::ReadInputFile(native, bytes); status != sys::InputStatus::Ok) {
        state_->lastError = native + ": " + sys::InputRefusal(native, status);
        return false;
    }
    if (!LoadXml(bytes)) {
        state_->lastError = native + ": " + state_->lastError;
        return false;
    }
    return true;
}

bool Document::LoadXml(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        state_->lastError = "the document is too large";
        return false;
    }
    const Declaration declaration = ReadDeclaration(bytes);
    const std::string declared = CanonicalEncoding(declaration.encoding);
    // GBK is given to the parser in place of a declared GB2312.
    const char* encoding = declared == "GBK" ? "GBK" : nullptr;
    std::string error;
    DocPtr parsed = Parse(bytes, encoding, error);
    if (!parsed) {
        state_->lastError = error;
        return false;
    }
    Release(*state_);
    state_->doc = parsed.release();
    state_->doc->_private = static_cast<DocState*>(state_.get());
    state_->declaration = declaration.present;
    state_->encoding = encoding ? encoding
                                : CanonicalEncoding(state_->doc->encoding
                                                        ? reinterpret_cast<const char*>(state_->doc->encoding)
                                                        : "");
    DropIndentation(reinterpret_cast<xmlNode*>(state_->doc));
    return true;
}

bool Document::Save(const std::string& path) const {
    std::string bytes;
    if (!Serialize(*state_, bytes, state_->lastError)) return false;
    const std::string native = sys::NativePath(path);
    if (!sys::WriteFileAtomic(native, bytes)) {
        state_->lastError = native + ": cannot write the file";
        return false;
    }
    return true;
}

std::string Document::Xml() const {
    std::string bytes;
    Serialize(*state_, bytes, state_->lastError);
    return bytes;
}

const std::string& Document::LastError() const { return state_->lastError; }

std::string Document::Encoding() const { return state_->encoding; }

Node Document::DocumentElement() const { return Node(xmlDocGetRootElement(state_->doc)); }

bool Document::AppendChild(Node element) {
    xmlNode* e = element.node_;
    if (!element.IsElement() || e->doc != state_->doc || DocumentElement()) return false;
    if (e->parent) detail::Detach(e);
    detail::Link(reinterpret_cast<xmlNode*>(state_->doc), e, nullptr);
    return true;
}

Node Document::CreateElement(std::string_view name) {
    if (!detail::IsXmlName(name)) return Node();
    const std::string copy(name);
    xmlNode* e = xmlNewDocNode(state_->doc, nullptr, reinterpret_cast<const xmlChar*>(copy.c_str()), nullptr);
    if (!e) return Node();
    state_->detached.insert(e);
    return Node(e);
}

Node Document::SelectSingleNode(std::string_view xpath) const {
    return Node(detail::SelectFirstElement(state_->doc, reinterpret_cast<xmlNode*>(state_->doc), xpath));
}

}  // namespace xmldom
