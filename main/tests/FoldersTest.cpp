#include <gtest/gtest.h>

#include "main/Commands.h"
#include "main/Folders.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

TEST(SaveFolder, GetsOneTrailingSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/user/data", "/home/user/data\\"},
        {"/home/user/data/", "/home/user/data/"},
        {"D:\\data", "D:\\data\\"},
        {"C:\\", "C:\\"},
        {"/", "/"},
        {"", "\\"},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(WithTrailingSeparator(typed), stored) << typed;
}

using HelpDocuments = InstalledFolder;

TEST_F(HelpDocuments, PathsInTheProgramFolder) {
    EXPECT_EQ(HelpDocumentPath(cmd::kHelpManual), PathOf("用户手册.docx"));
    EXPECT_EQ(HelpDocumentPath(cmd::kApplicationTemplate), PathOf("模板/项目申请书模板.docx"));
    EXPECT_EQ(HelpDocumentPath(cmd::kResearchTemplate), PathOf("模板/研究目标及研究内容模板.docx"));
    EXPECT_EQ(HelpDocumentPath(cmd::kPeriodSet), "");
}
