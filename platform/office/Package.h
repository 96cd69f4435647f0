// An OOXML package: the parts of a zip container by name, with the content
// types and relationships that tie them together. Loading checks the archive
// and refuses a file that is not a zip; saving writes a new archive next to
// the target and renames it over, so a failed save leaves the old file.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace office {

struct Relationship {
    std::string id;      // "rId1"
    std::string type;    // full relationship type URI
    std::string target;  // relative to the source part's folder
};

class Package {
public:
    // False (with a reason) when the file is missing, not a zip or too large.
    bool Load(const std::string& path, std::string& error);
    bool Save(const std::string& path, std::string& error) const;

    bool Has(const std::string& part) const { return parts_.count(part) != 0; }
    const std::string& Part(const std::string& part) const;
    // Adds or replaces a part; the content type is recorded as an override
    // unless the extension's default already gives it.
    void SetPart(const std::string& part, std::string bytes, const std::string& contentType = {});
    void RemovePart(const std::string& part);
    std::vector<std::string> PartNames() const;

    // Relationships of a part ("" for the package root).
    std::vector<Relationship> Relationships(const std::string& sourcePart) const;
    void SetRelationships(const std::string& sourcePart, const std::vector<Relationship>& rels);
    // Adds a relationship and returns its new id.
    std::string AddRelationship(const std::string& sourcePart, const std::string& type, const std::string& target);
    // The part a relationship of sourcePart points to, as a part name.
    static std::string ResolveTarget(const std::string& sourcePart, const std::string& target);

private:
    static std::string RelsPartOf(const std::string& sourcePart);

    std::map<std::string, std::string> parts_;
    std::map<std::string, std::string> overrides_;  // part name -> content type
    std::map<std::string, std::string> defaults_;   // extension -> content type
};

}  // namespace office
