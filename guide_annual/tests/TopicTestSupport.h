// Helpers of the topic-scope tests: statements on the copy of project.mdb,
// units and five-year names to look up, the unit dictionary, topic
// documents written and read back, and a window to host panels in.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/TopicScopeDocument.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace topictest {

// On project.mdb of the program folder, through a connection opened for the call.
using testdb::Exec;
using testdb::Seed;

// Units in CORVANE_UNIT and in the unit dictionary, in code order.
inline void AddUnits(const std::vector<std::pair<std::string, std::string>>& units) {
    for (const auto& [code, name] : units) {
        Seed({"corvane_unit", {"dwdm", "dwmc", "ssbm"}, {{code, name, "部门" + code}}});
        g_arrUnitCode.push_back(code);
        g_mapUnitName[code] = name;
    }
    std::sort(g_arrUnitCode.begin(), g_arrUnitCode.end());
}

inline std::string ReadText(const std::string& path) {
    std::string bytes;
    sys::ReadFile(path, bytes);
    return bytes;
}

// The document as one line: each element as name[attributes](children).
inline std::string Outline(const xmldom::Node& node) {
    std::string s = node.Name();
    for (const char* attribute : {topic::kSubjectName, topic::kPurposeFile, topic::kAspectName, topic::kKeyAspect,
                                  topic::kUnitCode, topic::kUnitName})
        if (node.HasAttribute(attribute)) s += std::string("[") + node.GetAttribute(attribute) + "]";
    const auto children = node.ChildElements();
    if (!children.empty()) {
        s += "(";
        for (size_t i = 0; i < children.size(); ++i) s += (i ? " " : "") + Outline(children[i]);
        s += ")";
    }
    return s;
}

inline std::string OutlineOf(const std::string& path) {
    xmldom::Document document;
    if (!document.Load(path)) return "unreadable: " + document.LastError();
    return Outline(document.DocumentElement());
}

}  // namespace topictest

// The installed-folder fixture with a scripted UI driver, the topic folder
// beside the program and an empty unit dictionary.
class TopicTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        g_arrUnitCode.clear();
        g_mapUnitName.clear();
        topicFolder = guidefiles::TopicFolder();
        topicFile = guidefiles::TopicFile();
        sys::MakeDirs(topicFolder);
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 500}, {}};
        host = std::make_unique<ui::Dialog>(hostTemplate);
        host->Create();
    }
    void TearDown() override {
        host.reset();
        g_arrUnitCode.clear();
        g_mapUnitName.clear();
        InstalledFolder::TearDown();
    }

    // Writes the topic file.
    void WriteTopic(const std::string& xml) { ASSERT_TRUE(sys::WriteFileAtomic(topicFile, xml)); }
    void WritePurpose(const std::string& subject, const std::string& text) {
        ASSERT_TRUE(sys::WriteFileAtomic(topic::PurposeFile(topicFolder, subject), "{\\rtf1\\ansi " + text + "\\par}"));
    }
    bool PurposeExists(const std::string& subject) const {
        return sys::FileExists(topic::PurposeFile(topicFolder, subject));
    }
    std::string Outline() const { return topictest::OutlineOf(topicFile); }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host;
    std::string topicFolder, topicFile;
};
