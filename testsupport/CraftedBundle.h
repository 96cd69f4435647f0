// Hostile files made from genuine exports, as the importers' tests build
// their tables of cases: the parts of an exported bundle, and the edits of
// one saved recordset (rows removed or repeated, a value replaced). Each
// edit fails the test when the genuine file does not hold what it edits, so
// a case never silently turns into a copy of the genuine file.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "foundation/LengthPrefixedContainer.h"
#include "platform/sys/Sys.h"

namespace crafted {

// The parts of a bundle file; empty (and the test failed) when it cannot be read.
inline std::vector<std::string> Parts(const std::string& path, std::optional<char> marker, std::size_t count) {
    std::string bytes;
    std::vector<std::string> parts;
    EXPECT_TRUE(sys::ReadFile(path, bytes)) << path;
    EXPECT_EQ(LengthPrefixedContainer::Unpack(bytes, marker, count, parts), LengthPrefixedContainer::ReadResult::Ok)
        << path;
    return parts;
}

// The saved recordset without any row.
inline std::string WithoutRows(std::string xml) {
    const std::size_t data = xml.find("<rs:data>"), end = xml.find("</rs:data>");
    EXPECT_TRUE(data != std::string::npos && end != std::string::npos) << "no rows to remove";
    if (data == std::string::npos || end == std::string::npos) return xml;
    return xml.erase(data + 9, end - data - 9);
}

// The saved recordset with its first row given twice.
inline std::string FirstRowTwice(std::string xml) {
    const std::size_t begin = xml.find("<z:row");
    EXPECT_NE(begin, std::string::npos) << "no row to repeat";
    if (begin == std::string::npos) return xml;
    const std::size_t end = xml.find("/>", begin) + 2;
    return xml.insert(end, xml.substr(begin, end - begin));
}

// Every occurrence of `from` replaced by `to`.
inline std::string Replaced(std::string xml, const std::string& from, const std::string& to) {
    EXPECT_NE(xml.find(from), std::string::npos) << from;
    for (std::size_t at = xml.find(from); at != std::string::npos; at = xml.find(from, at + to.size()))
        xml.replace(at, from.size(), to);
    return xml;
}

}  // namespace crafted
