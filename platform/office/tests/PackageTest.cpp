// Workbooks and documents are written as well-formed XML in UTF-8 whatever
// text reached them: bytes that are no UTF-8 (a number cut inside a
// character) are written as U+FFFD; under the tests' switch a part that is
// not well-formed stops the program naming it.
#include <cstdlib>

#include "platform/office/Excel.h"
#include "platform/office/Word.h"
#include "platform/office/Xml.h"
#include "platform/office/tests/OfficeFixture.h"
#include "platform/text/Text.h"
#include "platform/text/Utf8Repair.h"

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";
// A legacy number cut after 14 bytes inside its full-width letter, a stray
// byte, an overlong '/', a surrogate.
const std::string kBroken[] = {std::string("9140A0101010８U0").substr(0, 14), "单位\xFF", "a\xC0\xAF", "\xED\xA0\x80"};

using PackageTest = OfficeFixture;

// Every XML part of the file parses and is UTF-8.
void ExpectWellFormed(const std::string& file) {
    office::Package package;
    std::string error;
    ASSERT_TRUE(package.Load(file, error)) << error;
    for (const std::string& part : package.PartNames()) {
        if (part.size() < 4 || (part.substr(part.size() - 4) != ".xml" && part.substr(part.size() - 5) != ".rels"))
            continue;
        EXPECT_TRUE(office::xml::Parse(package.Part(part))) << file << " " << part;
        EXPECT_TRUE(text::IsValidUtf8(package.Part(part))) << file << " " << part;
    }
}

TEST(RepairUtf8, BrokenBytesBecomeTheReplacementCharacterAndTextStaysAsItIs) {
    const std::pair<std::string, std::string> cases[] = {
        {"项目9140A", "项目9140A"},
        {"9140A0101010\xEF\xBC", "9140A0101010" + kReplacement + kReplacement},
        {"x\xFFy", "x" + kReplacement + "y"},
        {"\xC0\xAF", kReplacement + kReplacement},
        {"\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        {"\xF4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [bytes, repaired] : cases) {
        EXPECT_EQ(text::RepairUtf8(bytes), repaired);
        EXPECT_EQ(text::IsValidUtf8(bytes), bytes == repaired);
    }
}

TEST_F(PackageTest, AWorkbookWithBrokenTextIsWrittenWellFormed) {
    auto excel = office::excel::Application::Create();
    office::excel::Workbook book = excel->Workbooks().Add();
    office::excel::Worksheet sheet = book.Sheets().Item(1);
    int row = 1;
    for (const std::string& text : kBroken) sheet.Cells().Item(row++, 1).SetValue(text);
    ASSERT_TRUE(book.SaveAs(Path("b.xlsx")));
    ExpectWellFormed(Path("b.xlsx"));
    const std::string strings = PartOf(Path("b.xlsx"), "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("9140A0101010" + kReplacement), std::string::npos) << strings;
    EXPECT_NE(strings.find("单位" + kReplacement), std::string::npos) << strings;
}

TEST_F(PackageTest, ADocumentWithBrokenTextIsWrittenWellFormed) {
    auto word = office::word::Application::Create();
    office::word::Document doc = word->Documents().Add();
    for (const std::string& text : kBroken) {
        word->Selection().TypeText(text);
        word->Selection().TypeParagraph();
    }
    ASSERT_TRUE(doc.SaveAs(Path("b.docx"))) << doc.LastError();
    ExpectWellFormed(Path("b.docx"));
    const std::string body = PartOf(Path("b.docx"), "word/document.xml");
    EXPECT_NE(body.find("单位" + kReplacement), std::string::npos) << body;
}

// The switch the tests run under: a part that is no XML stops the save.
TEST_F(PackageTest, UnderTheTestSwitchAPartThatIsNotWellFormedStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process reads the switch
    setenv("CORVANE_CHECK_OFFICE_PARTS", "1", 1);
    office::Package package;
    package.SetPart("xl/broken.xml", "<a><b></a>", "application/xml");
    std::string error;
    EXPECT_DEATH(package.Save(Path("x.xlsx"), error), "xl/broken.xml is not well-formed XML");
}

}  // namespace
