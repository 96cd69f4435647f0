// Storing an annual guide from a topic document that another office may have
// crafted: the purpose file names it carries never reach outside the topic
// folder.
#include "GuideTestSupport.h"

using guidetest::Query;
using guidetest::Rows;

namespace {

class AnnualGuideStore : public InstalledFolder {};

TEST_F(AnnualGuideStore, PurposeNamesFromTheTopicDocumentStayInTheTopicFolder) {
    const std::string topicFolder = PathOf("topic");
    auto files = guidetest::WriteGuideFiles(topicFolder, "9140A01", {{"01", "专题一", {}}}, "chapter");
    // A local file beside the topic folder, and the names a crafted document
    // would use to reach it: relative, climbing and absolute.
    const std::string secret = PathOf("secret.txt");
    ASSERT_TRUE(sys::WriteFileAtomic(secret, "local secret"));
    for (const std::string& name : std::vector<std::string>{"../secret.txt", "..\\secret.txt", secret}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(sys::WriteFileAtomic(
            files.topicFile, "<选题范围><fund9140A0101 专题名称=\"专题一\" 研究目的=\"" + name + "\"/></选题范围>"));
        CAdoConnection connection;
        ASSERT_TRUE(ConnectGuideDatabase(connection));
        // The confined name does not exist in the folder: the guide is refused whole.
        EXPECT_FALSE(guidestore::StoreGuide(connection, "9140A01", "指南", "2007", files, false));
        EXPECT_EQ(Query("select count(*) from corvane_yearfundguide"), (Rows{{"0"}}));
        EXPECT_EQ(Query("select count(*) from corvane_year_studysubject"), (Rows{{"0"}}));
    }

    // A plain name in the folder is still read.
    ASSERT_TRUE(sys::WriteFileAtomic(
        files.topicFile, "<选题范围><fund9140A0101 专题名称=\"专题一\" 研究目的=\"9140A0101.rtf\"/></选题范围>"));
    CAdoConnection connection;
    ASSERT_TRUE(ConnectGuideDatabase(connection));
    EXPECT_TRUE(guidestore::StoreGuide(connection, "9140A01", "指南", "2007", files, false));
    CAdoRecordSet rs;
    BindGuideRecordset(rs, connection);
    ASSERT_TRUE(rs.Open("select YJMD from corvane_year_studysubject where ZTBH='9140A0101'") && !rs.IsEOF());
    std::string purpose;
    ASSERT_TRUE(guidestore::ReadBlob(rs, "YJMD", purpose));
    EXPECT_EQ(purpose, guidetest::Rtf("purpose of 9140A0101"));
}

}  // namespace
