#include "platform/office/Package.h"

#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/office/Xml.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/text/Utf8Repair.h"

namespace office {

namespace {

constexpr const char* kContentTypesPart = "[Content_Types].xml";
// A part larger than this is refused: no template or output comes near it.
constexpr zip_uint64_t kMaxPartBytes = 512ull * 1024 * 1024;

struct ArchiveCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};

std::string Extension(const std::string& part) {
    auto dot = part.rfind('.');
    auto slash = part.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return text::ToLowerAscii(part.substr(dot + 1));
}

bool IsXmlPart(const std::string& part) {
    const std::string extension = Extension(part);
    return extension == "xml" || extension == "rels";
}

// Under the test switch CORVANE_CHECK_OFFICE_PARTS every XML part written is
// parsed, and a part that is not well-formed XML stops the program naming it:
// so that every workbook and document the tests write is checked.
void CheckPartUnderTest(const std::string& path, const std::string& part, const std::string& bytes) {
    static const bool checking = std::getenv("CORVANE_CHECK_OFFICE_PARTS") != nullptr;
    if (!checking || xml::Parse(bytes)) return;
    std::fprintf(stderr, "office package %s: the part %s is not well-formed XML\n", path.c_str(), part.c_str());
    std::abort();
}

}  // namespace

bool Package::Load(const std::string& path, std::string& error) {
    parts_.clear();
    overrides_.clear();
    defaults_.clear();
    // Only a regular file within the bound is opened: a pipe named like a
    // document would block the open, a device would never end.
    sys::InputFile input;
    if (const sys::InputStatus status = input.Open(path); status != sys::InputStatus::Ok) {
        error = status == sys::InputStatus::Missing ? "文件不存在：" + path : sys::InputRefusal(path, status);
        return false;
    }
    int code = 0;
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        error = sys::FileExists(path) ? "不是有效的文档文件：" + path : "文件不存在：" + path;
        return false;
    }
    zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    zip_uint64_t total = 0;  // the parts together are bounded as one part is
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
        std::string name = st.name ? st.name : "";
        if (name.empty() || name.back() == '/') continue;
        total += st.size;
        if (st.size > kMaxPartBytes || total > kMaxPartBytes) {
            error = "文档部件过大：" + name;
            return false;
        }
        zip_file_t* file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (!file) {
            error = "无法读取文档部件：" + name;
            return false;
        }
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        zip_int64_t read = bytes.empty() ? 0 : zip_fread(file, bytes.data(), st.size);
        zip_fclose(file);
        if (read < 0 || static_cast<zip_uint64_t>(read) != st.size) {
            error = "文档部件已损坏：" + name;
            return false;
        }
        parts_[name] = std::move(bytes);
    }
    auto types = parts_.find(kContentTypesPart);
    if (types == parts_.end()) {
        error = "不是有效的文档文件：" + path;
        return false;
    }
    xml::DocPtr doc = xml::Parse(types->second);
    if (!doc) {
        error = "文档的内容类型已损坏：" + path;
        return false;
    }
    for (xmlNode* n = xmlDocGetRootElement(doc.get())->children; n; n = n->next) {
        if (xml::Is(n, xml::kContentTypes, "Default"))
            defaults_[text::ToLowerAscii(xml::Attr(n, nullptr, "Extension"))] = xml::Attr(n, nullptr, "ContentType");
        else if (xml::Is(n, xml::kContentTypes, "Override")) {
            std::string name = xml::Attr(n, nullptr, "PartName");
            if (!name.empty() && name[0] == '/') name.erase(0, 1);
            overrides_[name] = xml::Attr(n, nullptr, "ContentType");
        }
    }
    parts_.erase(kContentTypesPart);
    return true;
}

bool Package::Save(const std::string& path, std::string& error) const {
    std::string native = sys::NativePath(path);
    // libzip writes the new archive to a temporary file beside the target and
    // renames it over the target when it closes.
    int code = 0;
    zip_t* archive = zip_open(native.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        error = "无法创建文件：" + native;
        return false;
    }
    std::string types = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">";
    std::map<std::string, std::string> defaults = defaults_;
    defaults.emplace("rels", "application/vnd.openxmlformats-package.relationships+xml");
    defaults.emplace("xml", "application/xml");
    for (const auto& [ext, type] : defaults)
        types += "<Default Extension=\"" + xml::Escape(ext) + "\" ContentType=\"" + xml::Escape(type) + "\"/>";
    for (const auto& [name, type] : overrides_)
        if (parts_.count(name))
            types += "<Override PartName=\"/" + xml::Escape(name) + "\" ContentType=\"" + xml::Escape(type) + "\"/>";
    types += "</Types>";

    // XML parts are UTF-8 throughout: broken bytes that reached a part are
    // written as U+FFFD. Their bytes live until the archive is closed.
    std::map<std::string, std::string> repaired;
    auto add = [&](const std::string& name, const std::string& written) {
        const std::string* part = &written;
        if (IsXmlPart(name)) {
            if (!text::IsValidUtf8(written)) part = &(repaired[name] = text::RepairUtf8(written));
            CheckPartUnderTest(native, name, *part);
        }
        const std::string& bytes = *part;
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (!source) return false;
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
        // The fastest deflate level: a large report's XML compresses about as
        // well, in a fraction of the time the default level takes.
        return zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) == 0;
    };
    bool ok = add(kContentTypesPart, types);
    for (const auto& [name, bytes] : parts_) ok = ok && add(name, bytes);
    if (!ok || zip_close(archive) != 0) {
        // zip_close leaves the archive open when it fails; either way the
        // target is untouched and the half-built archive is dropped.
        zip_discard(archive);
        error = "无法写入文件：" + native;
        return false;
    }
    return true;
}

const std::string& Package::Part(const std::string& part) const {
    static const std::string empty;
    auto it = parts_.find(part);
    return it == parts_.end() ? empty : it->second;
}

void Package::SetPart(const std::string& part, std::string bytes, const std::string& contentType) {
    parts_[part] = std::move(bytes);
    if (!contentType.empty()) {
        auto def = defaults_.find(Extension(part));
        if (def == defaults_.end() || def->second != contentType) overrides_[part] = contentType;
    }
}

void Package::RemovePart(const std::string& part) {
    parts_.erase(part);
    overrides_.erase(part);
}

std::vector<std::string> Package::PartNames() const {
    std::vector<std::string> out;
    for (const auto& entry : parts_) out.push_back(entry.first);
    return out;
}

std::string Package::RelsPartOf(const std::string& sourcePart) {
    if (sourcePart.empty()) return "_rels/.rels";
    auto slash = sourcePart.rfind('/');
    std::string folder = slash == std::string::npos ? "" : sourcePart.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? sourcePart : sourcePart.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

std::vector<Relationship> Package::Relationships(const std::string& sourcePart) const {
    std::vector<Relationship> out;
    auto it = parts_.find(RelsPartOf(sourcePart));
    if (it == parts_.end()) return out;
    xml::DocPtr doc = xml::Parse(it->second);
    if (!doc) return out;
    for (xmlNode* n = xmlDocGetRootElement(doc.get())->children; n; n = n->next)
        if (xml::Is(n, xml::kPkgRel, "Relationship"))
            out.push_back({xml::Attr(n, nullptr, "Id"), xml::Attr(n, nullptr, "Type"), xml::Attr(n, nullptr, "Target")});
    return out;
}

void Package::SetRelationships(const std::string& sourcePart, const std::vector<Relationship>& rels) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (const Relationship& r : rels)
        out += "<Relationship Id=\"" + xml::Escape(r.id) + "\" Type=\"" + xml::Escape(r.type) + "\" Target=\"" +
               xml::Escape(r.target) + "\"/>";
    out += "</Relationships>";
    parts_[RelsPartOf(sourcePart)] = std::move(out);
}

std::string Package::AddRelationship(const std::string& sourcePart, const std::string& type,
                                     const std::string& target) {
    std::vector<Relationship> rels = Relationships(sourcePart);
    int next = 1;
    for (bool taken = true; taken; ++next) {
        taken = false;
        for (const Relationship& r : rels)
            if (r.id == "rId" + std::to_string(next)) taken = true;
        if (!taken) break;
    }
    std::string id = "rId" + std::to_string(next);
    rels.push_back({id, type, target});
    SetRelationships(sourcePart, rels);
    return id;
}

std::string Package::ResolveTarget(const std::string& sourcePart, const std::string& target) {
    if (!target.empty() && target[0] == '/') return target.substr(1);
    auto slash = sourcePart.rfind('/');
    std::string folder = slash == std::string::npos ? "" : sourcePart.substr(0, slash);
    std::vector<std::string> pieces;
    if (!folder.empty()) pieces = text::Split(folder, "/");
    for (const std::string& piece : text::Split(target, "/")) {
        if (piece == "..") {
            if (!pieces.empty()) pieces.pop_back();
        } else if (piece != "." && !piece.empty()) {
            pieces.push_back(piece);
        }
    }
    std::string out;
    for (const std::string& p : pieces) out += (out.empty() ? "" : "/") + p;
    return out;
}

}  // namespace office
