// The default texts installed under temp: RTF in the GBK code page that the
// rich-text fields load for a new document, showing a heading and an empty body.
#include <string>

#include <gtest/gtest.h>

#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

namespace {

struct DefaultText {
    const char* file;
    const char* heading;
};

class DefaultTexts : public InstalledFolder, public ::testing::WithParamInterface<DefaultText> {};

TEST_P(DefaultTexts, ShowTheirHeadingAndAnEmptyBody) {
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(PathOf(std::string("temp/") + GetParam().file), bytes));
    EXPECT_EQ(bytes.rfind("{\\rtf1\\ansi\\ansicpg936", 0), 0u);
    ASSERT_TRUE(richtext::IsRtf(bytes));
    std::string text = richtext::PlainTextOfRtf(bytes);
    EXPECT_EQ(text.substr(0, text.find_first_of("\r\n")), GetParam().heading);
    EXPECT_EQ(text.find_first_not_of("\r\n", text.find_first_of("\r\n")), std::string::npos)
        << "the body should be empty: " << text;
}

INSTANTIATE_TEST_SUITE_P(Installed, DefaultTexts,
                         ::testing::Values(DefaultText{"sumdefault.rtf", "项目完成情况简介"},
                                           DefaultText{"sumdefault1.rtf", "项目进展情况简介"},
                                           DefaultText{"xmjj2.rtf", "研究目标及研究内容"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
