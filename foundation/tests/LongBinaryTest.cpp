#include "foundation/LongBinary.h"

#include <gtest/gtest.h>

#include "foundation/AdoRecordSet.h"
#include "platform/ado/Database.h"
#include "platform/sys/Sys.h"
#include "testsupport/TempFolder.h"

namespace {

class LongBinary : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(ado::CreateDatabase(folder_.File("db.mdb"), "",
                                        "CREATE TABLE T (K TEXT(10) COLLATE NOCASE, DOC LONGBINARY);", error))
            << error;
        ASSERT_TRUE(connection_.ConnectAccess(folder_.File("db.mdb"), "", -1));
        rs_.SetConnection(&connection_);
        rs_.SetCursorLocation(adUseClient);
        ASSERT_TRUE(rs_.Open("select * from T"));
    }
    testsupport::TempFolder folder_;
    CAdoConnection connection_;
    CAdoRecordSet rs_;
};

}  // namespace

TEST_F(LongBinary, BytesGoInAndComeBackWhole) {
    const std::string document = std::string("{\\rtf1 ", 7) + std::string(1000, '\0') + "\xff}";
    ASSERT_TRUE(rs_.AddNew());
    rs_.SetString("K", "a");
    ASSERT_TRUE(WriteLongBinary(rs_, "DOC", document));
    ASSERT_TRUE(rs_.Update());
    ASSERT_TRUE(rs_.Open("select * from T"));
    std::string read = "old";
    ASSERT_TRUE(ReadLongBinary(rs_, "DOC", read));
    EXPECT_EQ(read, document);
    ASSERT_TRUE(LongBinaryToFile(rs_, "DOC", folder_.File("doc.rtf")));
    std::string file;
    ASSERT_TRUE(sys::ReadFile(folder_.File("doc.rtf"), file));
    EXPECT_EQ(file, document);
}

TEST_F(LongBinary, NullIsEmptyAndOtherColumnsAreRefused) {
    ASSERT_TRUE(rs_.AddNew());
    rs_.SetString("K", "b");
    ASSERT_TRUE(rs_.Update());
    ASSERT_TRUE(rs_.Open("select * from T"));
    std::string read = "old";
    ASSERT_TRUE(ReadLongBinary(rs_, "DOC", read));
    EXPECT_EQ(read, "");
    read = "kept";
    EXPECT_FALSE(ReadLongBinary(rs_, "K", read));
    EXPECT_FALSE(ReadLongBinary(rs_, "NOPE", read));
    EXPECT_EQ(read, "kept");
    sys::WriteFileAtomic(folder_.File("old.rtf"), "old");
    EXPECT_FALSE(LongBinaryToFile(rs_, "K", folder_.File("old.rtf")));
    std::string file;
    sys::ReadFile(folder_.File("old.rtf"), file);
    EXPECT_EQ(file, "old");
}
