// The topic document: a new document, the order rule of inserted subjects,
// directions and units, renumbering, removing, and files it refuses.
#include "TopicTestSupport.h"

using topictest::OutlineOf;

namespace {

std::string Subjects(const std::vector<std::string>& numbers) {
    std::string xml = "<选题范围>";
    for (const auto& n : numbers) xml += "<fund" + n + " 专题名称=\"专题" + n + "\" 研究目的=\"" + n + ".rtf\"/>";
    return xml + "</选题范围>";
}

class TopicScopeDocumentTest : public TopicTest {};

TEST_F(TopicScopeDocumentTest, NewDocumentIsTheBareElementAndReplacesAnOldFile) {
    WriteTopic(Subjects({"9140A0101"}));
    ASSERT_TRUE(TopicScopeDocument::Create(topicFile));
    const std::string bytes = topictest::ReadText(topicFile);
    EXPECT_EQ(bytes.find("<?xml"), std::string::npos);
    EXPECT_EQ(Outline(), "选题范围");
}

TEST_F(TopicScopeDocumentTest, SubjectsAreInsertedBeforeTheFirstNameNotSmaller) {
    struct Case {
        std::vector<std::string> stored;
        std::string added;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {{"9140A0101", "9140A0104"}, "9140A0103", {"9140A0101", "9140A0103", "9140A0104"}},
        {{"9140A0101", "9140A0104"}, "9140A0105", {"9140A0101", "9140A0104", "9140A0105"}},
        {{}, "9140A0101", {"9140A0101"}},
        // Letters compare without regard to case: the new one goes first.
        {{"9140A010b"}, "9140A010B", {"9140A010B", "9140A010b"}},
        {{"9140A010a", "9140A010c"}, "9140A010B", {"9140A010a", "9140A010B", "9140A010c"}},
        // The stored order is kept even when it is not sorted.
        {{"9140A0109", "9140A0102"}, "9140A0105", {"9140A0105", "9140A0109", "9140A0102"}},
    };
    for (const Case& c : cases) {
        WriteTopic(Subjects(c.stored));
        TopicScopeDocument document;
        ASSERT_TRUE(document.Load(topicFile));
        ASSERT_TRUE(document.AddSubject(c.added, "新"));
        ASSERT_TRUE(document.Save());
        TopicScopeDocument reloaded;
        ASSERT_TRUE(reloaded.Load(topicFile));
        std::vector<std::string> order;
        for (const auto& s : reloaded.Subjects()) order.push_back(s.number);
        EXPECT_EQ(order, c.order) << c.added;
    }
}

TEST_F(TopicScopeDocumentTest, NamesCompareDoubleByteCharactersWhole) {
    // GBK 81 41 and 81 61: their trail bytes are "A" and "a", yet they are
    // different characters.
    EXPECT_NE(topic::CompareNames("丄", "乤"), 0);
    EXPECT_LT(topic::CompareNames("丄", "乤"), 0);
    EXPECT_EQ(topic::CompareNames("fundAb", "FUNDaB"), 0);
    EXPECT_LT(topic::CompareNames("fund01", "fund011"), 0);
    EXPECT_GT(topic::CompareNames("fund专题", "fund01"), 0);
}

TEST_F(TopicScopeDocumentTest, DirectionUnitsKeepTheirRowInTheNameAndTakeTheirPlaceByCode) {
    WriteTopic(Subjects({"9140A0101"}));
    TopicScopeDocument document;
    ASSERT_TRUE(document.Load(topicFile));
    ASSERT_TRUE(document.AddAspect("9140A0101", "9140A010102", "方向", 1,
                                   {{"0102", "甲"}, {"0005", "乙"}, {"0003", "丙"}}));
    ASSERT_TRUE(document.AddAspect("9140A0101", "9140A010101", "另一", 0, {}));
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0101[专题9140A0101][9140A0101.rtf]("
              "fund9140A010101[另一][0] "
              "fund9140A010102[方向][1](单位3[0003][丙] 单位2[0005][乙] 单位1[0102][甲])))");
    EXPECT_FALSE(document.AddAspect("9140A0199", "9140A019901", "无主", 0, {}));
}

TEST_F(TopicScopeDocumentTest, RenumberedSubjectCarriesItsDirectionsToItsNewPlace) {
    WriteTopic("<选题范围><fund9140A0101 专题名称=\"旧\" 研究目的=\"9140A0101.rtf\">"
               "<fund9140A010102 研究方向名称=\"方向\" 是否重点研究方向=\"1\">"
               "<单位2 单位代码=\"0001\" 单位名称=\"甲\"/><单位1 单位代码=\"0002\" 单位名称=\"乙\"/>"
               "</fund9140A010102><fund9140A010101 研究方向名称=\"次\" 是否重点研究方向=\"0\"/></fund9140A0101>"
               "<fund9140A0103 专题名称=\"三\" 研究目的=\"9140A0103.rtf\"/></选题范围>");
    TopicScopeDocument document;
    ASSERT_TRUE(document.Load(topicFile));
    ASSERT_TRUE(document.ModifySubject("9140A0101", "9140A0105", "新"));
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0103[三][9140A0103.rtf] fund9140A0105[新][9140A0105.rtf]("
              "fund9140A010502[方向][1](单位2[0001][甲] 单位1[0002][乙]) fund9140A010501[次][0]))");
}

TEST_F(TopicScopeDocumentTest, KeptNumberRewritesOnlyTheSubjectsAttributes) {
    WriteTopic("<选题范围><fund9140A0101 专题名称=\"旧\" 研究目的=\"x.rtf\">"
               "<fund9140A010102 研究方向名称=\"方向\" 是否重点研究方向=\"1\"><单位1 单位代码=\"0001\" 单位名称=\"甲\"/>"
               "</fund9140A010102></fund9140A0101></选题范围>");
    TopicScopeDocument document;
    ASSERT_TRUE(document.Load(topicFile));
    ASSERT_TRUE(document.ModifySubject("9140A0101", "9140A0101", "新"));
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Outline(), "选题范围(fund9140A0101[新][9140A0101.rtf](fund9140A010102[方向][1](单位1[0001][甲])))");
}

TEST_F(TopicScopeDocumentTest, RemovingTakesOutWhatIsNamedAndRefusesWhatIsNot) {
    WriteTopic("<选题范围><fund01 专题名称=\"一\"><fund0101 研究方向名称=\"甲\"/><fund0102 研究方向名称=\"乙\"/></fund01>"
               "<fund02 专题名称=\"二\"/></选题范围>");
    TopicScopeDocument document;
    ASSERT_TRUE(document.Load(topicFile));
    EXPECT_TRUE(document.RemoveAspect("01", "0101"));
    EXPECT_FALSE(document.RemoveAspect("02", "0102"));  // not under that subject
    EXPECT_FALSE(document.RemoveSubject("03"));
    EXPECT_FALSE(document.ModifySubject("03", "04", "无"));
    EXPECT_TRUE(document.RemoveSubject("02"));
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Outline(), "选题范围(fund01[一](fund0102[乙]))");

    ASSERT_TRUE(document.Load(topicFile));
    EXPECT_EQ(document.RemoveAllSubjects(), std::vector<std::string>{"01"});
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Outline(), "选题范围");
}

TEST_F(TopicScopeDocumentTest, FilesThatAreNoTopicDocumentAreRefusedWithAReason) {
    for (const char* bytes : {"<选题范围><fund01", "<其他/>", ""}) {
        WriteTopic(bytes);
        TopicScopeDocument document;
        EXPECT_FALSE(document.Load(topicFile)) << bytes;
        EXPECT_FALSE(document.LastError().empty());
        EXPECT_FALSE(document.Save());  // nothing loaded, nothing written
        EXPECT_EQ(topictest::ReadText(topicFile), bytes);
    }
    TopicScopeDocument document;
    EXPECT_FALSE(document.Load(sys::JoinPath(topicFolder, "missing.xml")));
}

TEST_F(TopicScopeDocumentTest, FileNamesFromADocumentStayInTheTopicFolder) {
    for (const char* name : {"../x.rtf", "..\\..\\x.rtf", "a/b.rtf"}) {
        const std::string path = topic::FileInFolder(topicFolder, name);
        EXPECT_EQ(sys::ParentFolder(path), sys::NativePath(topicFolder)) << name;
    }
    EXPECT_EQ(topic::PurposeFile(topicFolder, "9140A0101"), sys::JoinPath(topicFolder, "9140A0101.rtf"));
}

}  // namespace
