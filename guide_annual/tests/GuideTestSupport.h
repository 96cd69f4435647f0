// Helpers of the annual-guide tests: statements and row reads on the copy of
// project.mdb, guides stored from small files, a topic document, and the
// annual-guide view hosted in a window of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgOneGuide.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace guidetest {

using Rows = std::vector<std::vector<std::string>>;

// On project.mdb of the program folder, through a connection opened for the call.
using testdb::Exec;
using testdb::Query;

inline std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

// A subject of a topic document: number suffix, name, and directions as
// (suffix, name, key marker, unit codes).
struct Direction {
    std::string suffix, name, key;
    std::vector<std::string> units;
};
struct Subject {
    std::string suffix, name;
    std::vector<Direction> directions;
};

// Writes a topic document and the subjects' purpose files into a folder.
inline guidestore::GuideFiles WriteGuideFiles(const std::string& folder, const std::string& fund,
                                              const std::vector<Subject>& subjects, const std::string& chapterText) {
    guidestore::GuideFiles files;
    sys::MakeDirs(folder);
    for (int i = 0; i < 3; ++i) {
        files.chapters[i] = sys::JoinPath(folder, "chapter" + std::to_string(i) + ".rtf");
        sys::WriteFileAtomic(files.chapters[i], Rtf(chapterText + " " + std::to_string(i)));
    }
    files.topicFolder = folder;
    files.topicFile = sys::JoinPath(folder, "选题范围.xml");
    std::string xml = "<选题范围>";
    for (const Subject& s : subjects) {
        const std::string number = fund + s.suffix;
        xml += "<fund" + number + " 专题名称=\"" + s.name + "\" 研究目的=\"" + number + ".rtf\">";
        sys::WriteFileAtomic(sys::JoinPath(folder, number + ".rtf"), Rtf("purpose of " + number));
        for (const Direction& d : s.directions) {
            xml += "<fund" + number + d.suffix + " 研究方向名称=\"" + d.name + "\" 是否重点研究方向=\"" + d.key + "\">";
            for (size_t u = 0; u < d.units.size(); ++u)
                xml += "<单位" + std::to_string(u + 1) + " 单位代码=\"" + d.units[u] + "\" 单位名称=\"\"/>";
            xml += "</fund" + number + d.suffix + ">";
        }
        xml += "</fund" + number + ">";
    }
    xml += "</选题范围>";
    sys::WriteFileAtomic(files.topicFile, xml);
    return files;
}

// Stores a guide with one subject ("01") holding one undirected direction.
inline void StoreSimpleGuide(const std::string& fund, const std::string& name, const std::string& year) {
    const std::string folder = sys::JoinPath(sys::ProgramFolder(), "seed_" + fund + "_" + year);
    const auto files = WriteGuideFiles(folder, fund, {{"01", "专题甲", {{"01", "方向甲", "0", {}}}}}, name);
    CAdoConnection connection;
    ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
    ASSERT_TRUE(guidestore::StoreGuide(connection, fund, name, year, files, false));
    sys::RemoveAll(folder);
}

}  // namespace guidetest

// The installed-folder fixture with a scripted UI driver.
class GuideTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(sys::JoinPath(Folder(), "temp"));
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        CDlgOneGuide::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }
    // The annual-guide view of a period, as the main program opens it.
    CDlgOneGuide& OpenView(const std::string& period) {
        CDlgOneGuide::m_strPublishYear = period;
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CDlgOneGuide>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
        return *view_;
    }
    // The list rows of the view: fund number, name, year.
    static guidetest::Rows ListRows(CDlgOneGuide& view) {
        guidetest::Rows rows;
        const ui::ListCtrl& list = view.m_dlgList.List();
        for (int i = 0; i < list.GetItemCount(); ++i)
            rows.push_back({list.GetItemText(i, 0), list.GetItemText(i, 1), list.GetItemText(i, 2)});
        return rows;
    }
    static void SelectRows(CDlgOneGuide& view, std::initializer_list<int> rows) {
        for (int row : rows) {
            view.m_dlgList.List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            view.m_dlgList.List().SetSelectionMark(row);
        }
    }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgOneGuide> view_;
};
