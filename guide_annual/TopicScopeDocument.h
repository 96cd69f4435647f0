// The topic scope of a guide being edited (选题范围.xml in the topic folder
// beside the program): the document element "选题范围" holds one element per
// research subject ("fund" + subject number; attributes 专题名称 and 研究目的,
// the subject's purpose file name), each subject one element per research
// direction ("fund" + direction number; 研究方向名称 and 是否重点研究方向), each
// direction one element per directed unit ("单位" + row; 单位代码 and 单位名称).
//
// Nothing is kept between operations: each one loads the file, changes the
// tree and saves it back. New elements are inserted before the first sibling
// that compares greater than or equal (names as GBK texts without regard to
// ASCII case; units by their code); nothing is ever re-sorted otherwise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/xmldom/Document.h"

// Names of the topic scope's folder, file, elements and attributes.
namespace topic {
inline constexpr const char* kRootName = "选题范围";
inline constexpr const char* kNumberPrefix = "fund";
inline constexpr const char* kUnitPrefix = "单位";
inline constexpr const char* kSubjectName = "专题名称";
inline constexpr const char* kPurposeFile = "研究目的";
inline constexpr const char* kAspectName = "研究方向名称";
inline constexpr const char* kKeyAspect = "是否重点研究方向";
inline constexpr const char* kUnitCode = "单位代码";
inline constexpr const char* kUnitName = "单位名称";
// The characters of a subject or direction suffix (one or two of them).
inline constexpr const char* kSuffixChars = "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A file of the topic folder by its name, and the purpose file of a subject;
// a name from a received bundle never reaches outside the folder.
std::string FileInFolder(const std::string& folder, const std::string& name);
std::string PurposeFile(const std::string& folder, const std::string& subjectNumber);

// The order of sibling names: as GBK texts, a double-byte character as one
// code, ASCII letters without regard to case. Negative, zero or positive.
int CompareNames(std::string_view a, std::string_view b);
// The number an element stands for: its name without "fund".
std::string NumberOf(const xmldom::Node& element);
}  // namespace topic

struct TopicUnit {
    std::string code;
    std::string name;  // as the grid showed it when the direction was saved
};

struct TopicAspect {
    std::string number;
    std::string name;
    std::string keyMarker;  // "1" key direction, "0" general, as stored
    std::vector<TopicUnit> units;
};

struct TopicSubject {
    std::string number;
    std::string name;
    std::string purposeFile;  // relative to the topic folder
    std::vector<TopicAspect> aspects;
};

class TopicScopeDocument {
public:
    // Writes a document holding only the empty element "选题范围" to `path`,
    // replacing any file of that name.
    static bool Create(const std::string& path);

    // Loads the file; false (with the reason in LastError) when it cannot be
    // read or is not a topic document.
    bool Load(const std::string& path);
    // Saves to the file it was loaded from.
    bool Save();
    const std::string& LastError() const { return error_; }

    // Everything the document holds, in document order.
    std::vector<TopicSubject> Subjects() const;

    // The element of a subject, or of a direction of a subject; null when absent.
    xmldom::Node Subject(const std::string& number) const;
    xmldom::Node Aspect(const std::string& subjectNumber, const std::string& aspectNumber) const;

    // A new subject element at its place; its purpose file is number + ".rtf".
    xmldom::Node AddSubject(const std::string& number, const std::string& name);
    // Gives a subject a new name, and a new number when it differs: the
    // renumbered subject goes to its place and carries its directions (their
    // suffixes kept) with copies of their units. False when it is absent.
    bool ModifySubject(const std::string& oldNumber, const std::string& newNumber, const std::string& name);
    bool RemoveSubject(const std::string& number);
    // Removes every subject; their numbers, in document order.
    std::vector<std::string> RemoveAllSubjects();

    // A new direction of a subject at its place, with its units ("单位1", ...
    // by row, each at its place by code). False when the subject is absent.
    bool AddAspect(const std::string& subjectNumber, const std::string& number, const std::string& name, int key,
                   const std::vector<TopicUnit>& units);
    bool RemoveAspect(const std::string& subjectNumber, const std::string& number);

private:
    bool Fail(const std::string& reason);

    xmldom::Document document_;
    std::string path_;
    std::string error_;
};
