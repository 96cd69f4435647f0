#include "guide_annual/TopicScopeDocument.h"

#include <cctype>

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace topic {

std::string FileInFolder(const std::string& folder, const std::string& name) {
    return sys::JoinPath(folder, sys::SafeFileName(name));
}

std::string PurposeFile(const std::string& folder, const std::string& subjectNumber) {
    return FileInFolder(folder, subjectNumber + ".rtf");
}

namespace {
// The next character of a GBK text as one code: a lead byte and its trail
// byte together, an ASCII letter in lower case.
unsigned NextCode(const std::string& gbk, std::size_t& i) {
    const auto byte = static_cast<unsigned char>(gbk[i++]);
    if (byte >= 0x81 && byte <= 0xFE && i < gbk.size()) return (byte << 8) | static_cast<unsigned char>(gbk[i++]);
    return static_cast<unsigned>(std::tolower(byte));
}
}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
    const std::string x = text::Utf8ToGbk(a), y = text::Utf8ToGbk(b);
    std::size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        const unsigned cx = NextCode(x, i), cy = NextCode(y, j);
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    if (i < x.size()) return 1;
    if (j < y.size()) return -1;
    return 0;
}

std::string NumberOf(const xmldom::Node& element) {
    const std::string name = element.Name();
    const std::string prefix = kNumberPrefix;
    return name.compare(0, prefix.size(), prefix) == 0 ? name.substr(prefix.size()) : name;
}

}  // namespace topic

namespace {

using xmldom::Node;

// Inserts `child` before the first element child of `parent` whose key is
// greater than or equal to the child's, else at the end.
template <class Key>
bool InsertOrdered(Node parent, Node child, Key key) {
    const std::string own = key(child);
    for (const Node& sibling : parent.ChildElements())
        if (topic::CompareNames(key(sibling), own) >= 0) return parent.InsertBefore(child, sibling);
    return parent.AppendChild(child);
}

std::string NameKey(const Node& node) { return node.Name(); }
std::string UnitKey(const Node& node) { return node.GetAttribute(topic::kUnitCode); }

Node ChildNamed(const Node& parent, const std::string& name) {
    for (const Node& child : parent.ChildElements())
        if (child.Name() == name) return child;
    return {};
}

}  // namespace

bool TopicScopeDocument::Create(const std::string& path) {
    xmldom::Document document;
    return document.AppendChild(document.CreateElement(topic::kRootName)) && document.Save(path);
}

bool TopicScopeDocument::Fail(const std::string& reason) {
    error_ = reason;
    return false;
}

bool TopicScopeDocument::Load(const std::string& path) {
    xmldom::Document loaded;
    if (!loaded.Load(path)) return Fail(loaded.LastError());
    if (loaded.DocumentElement().Name() != topic::kRootName) return Fail(path + ": not a topic document");
    document_ = std::move(loaded);
    path_ = path;
    error_.clear();
    return true;
}

bool TopicScopeDocument::Save() {
    if (path_.empty()) return Fail("no topic document loaded");
    return document_.Save(path_) || Fail(document_.LastError());
}

std::vector<TopicSubject> TopicScopeDocument::Subjects() const {
    std::vector<TopicSubject> subjects;
    for (const Node& s : document_.DocumentElement().ChildElements()) {
        TopicSubject subject{topic::NumberOf(s), s.GetAttribute(topic::kSubjectName),
                             s.GetAttribute(topic::kPurposeFile), {}};
        for (const Node& a : s.ChildElements()) {
            TopicAspect aspect{topic::NumberOf(a), a.GetAttribute(topic::kAspectName),
                               a.GetAttribute(topic::kKeyAspect), {}};
            for (const Node& u : a.ChildElements())
                aspect.units.push_back({u.GetAttribute(topic::kUnitCode), u.GetAttribute(topic::kUnitName)});
            subject.aspects.push_back(std::move(aspect));
        }
        subjects.push_back(std::move(subject));
    }
    return subjects;
}

Node TopicScopeDocument::Subject(const std::string& number) const {
    return ChildNamed(document_.DocumentElement(), topic::kNumberPrefix + number);
}

Node TopicScopeDocument::Aspect(const std::string& subjectNumber, const std::string& aspectNumber) const {
    return ChildNamed(Subject(subjectNumber), topic::kNumberPrefix + aspectNumber);
}

Node TopicScopeDocument::AddSubject(const std::string& number, const std::string& name) {
    Node subject = document_.CreateElement(topic::kNumberPrefix + number);
    if (!subject || !subject.SetAttribute(topic::kSubjectName, name) ||
        !subject.SetAttribute(topic::kPurposeFile, number + ".rtf") ||
        !InsertOrdered(document_.DocumentElement(), subject, NameKey)) {
        Fail("cannot add subject " + number);
        return {};
    }
    return subject;
}

bool TopicScopeDocument::ModifySubject(const std::string& oldNumber, const std::string& newNumber,
                                       const std::string& name) {
    Node old = Subject(oldNumber);
    if (!old) return Fail("no subject " + oldNumber);
    if (newNumber == oldNumber)
        return old.SetAttribute(topic::kSubjectName, name) && old.SetAttribute(topic::kPurposeFile, newNumber + ".rtf");
    Node renamed = AddSubject(newNumber, name);
    if (!renamed) return false;
    const std::size_t cut = std::string(topic::kNumberPrefix).size() + oldNumber.size();
    for (const Node& aspect : old.ChildElements()) {
        const std::string suffix = aspect.Name().substr(std::min(cut, aspect.Name().size()));
        Node moved = document_.CreateElement(topic::kNumberPrefix + newNumber + suffix);
        if (!moved) return Fail("cannot renumber " + aspect.Name());
        moved.SetAttribute(topic::kAspectName, aspect.GetAttribute(topic::kAspectName));
        moved.SetAttribute(topic::kKeyAspect, aspect.GetAttribute(topic::kKeyAspect));
        for (const Node& unit : aspect.ChildElements()) moved.AppendChild(unit.CloneNode(true));
        renamed.AppendChild(moved);
    }
    return document_.DocumentElement().RemoveChild(old);
}

bool TopicScopeDocument::RemoveSubject(const std::string& number) {
    Node subject = Subject(number);
    return subject ? document_.DocumentElement().RemoveChild(subject) : Fail("no subject " + number);
}

std::vector<std::string> TopicScopeDocument::RemoveAllSubjects() {
    std::vector<std::string> numbers;
    Node root = document_.DocumentElement();
    for (const Node& subject : root.ChildElements()) {
        numbers.push_back(topic::NumberOf(subject));
        root.RemoveChild(subject);
    }
    return numbers;
}

bool TopicScopeDocument::AddAspect(const std::string& subjectNumber, const std::string& number,
                                   const std::string& name, int key, const std::vector<TopicUnit>& units) {
    Node subject = Subject(subjectNumber);
    if (!subject) return Fail("no subject " + subjectNumber);
    Node aspect = document_.CreateElement(topic::kNumberPrefix + number);
    if (!aspect || !aspect.SetAttribute(topic::kAspectName, name) ||
        !aspect.SetAttribute(topic::kKeyAspect, std::to_string(key)))
        return Fail("cannot add direction " + number);
    for (std::size_t row = 0; row < units.size(); ++row) {
        Node unit = document_.CreateElement(topic::kUnitPrefix + std::to_string(row + 1));
        if (!unit || !unit.SetAttribute(topic::kUnitCode, units[row].code) ||
            !unit.SetAttribute(topic::kUnitName, units[row].name) || !InsertOrdered(aspect, unit, UnitKey))
            return Fail("cannot add unit " + units[row].code);
    }
    return InsertOrdered(subject, aspect, NameKey) || Fail("cannot add direction " + number);
}

bool TopicScopeDocument::RemoveAspect(const std::string& subjectNumber, const std::string& number) {
    Node aspect = Aspect(subjectNumber, number);
    return aspect ? aspect.ParentNode().RemoveChild(aspect) : Fail("no direction " + number);
}
