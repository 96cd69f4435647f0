#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "foundation/tests/AdoTestDatabase.h"

namespace {

using AdoRecordSetWrite = AdoTestDatabase;

TEST_F(AdoRecordSetWrite, AddNewOnAnEmptyResultWritesEveryType) {
    {
        CAdoRecordSet rs;
        OpenQuery(rs, "select * from CORVANE_T where CODE = 'c3'");
        ASSERT_EQ(rs.GetRecordCount(), 0);
        ASSERT_TRUE(rs.AddNew());
        EXPECT_EQ(rs.GetEditMode(), ado::adEditAdd);
        EXPECT_TRUE(rs.SetString("CODE", "c3"));
        EXPECT_TRUE(rs.SetString("NAME", "0123"));  // text stays text
        EXPECT_TRUE(rs.SetString("NOTE", ""));      // empty text is stored as NULL
        EXPECT_TRUE(rs.SetInt("N", 42));
        EXPECT_TRUE(rs.SetFloat("F", 0.25f));
        EXPECT_TRUE(rs.SetDouble("D", 1.125));
        EXPECT_TRUE(rs.SetBool("FLAG", true));
        EXPECT_TRUE(rs.SetString("WHEN_", "2010-01-02 03:04:05"));
        EXPECT_TRUE(rs.PutCollect("M", ado::Variant::Currency(99900)));
        EXPECT_FALSE(rs.SetString("N", "not a number"));
        EXPECT_FALSE(rs.SetString("NOPE", "x"));
        ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
        EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    }
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'C3'");
    ASSERT_EQ(rs.GetRecordCount(), 1);
    std::vector<std::string> values;
    for (const char* column : {"NAME", "NOTE", "N", "F", "D", "FLAG", "WHEN_", "M"}) {
        std::string v;
        EXPECT_TRUE(rs.GetString(column, v));
        values.push_back(v);
    }
    EXPECT_EQ(values, (std::vector<std::string>{"0123", "", "42", "0.2500", "1.12500000", "TRUE",
                                                "2010-01-02 03:04:05", "9.99"}));
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T where NOTE is null and CODE = 'c3'"), "1");
}

TEST_F(AdoRecordSetWrite, EditsAreWrittenBackToTheirRow) {
    {
        CAdoRecordSet rs;
        OpenQuery(rs, "select CODE, NAME from CORVANE_T where CODE = 'b2'");
        ASSERT_TRUE(rs.SetString("NAME", "beta"));
        EXPECT_EQ(rs.GetEditMode(), ado::adEditInProgress);
        ASSERT_TRUE(rs.Update());
    }
    EXPECT_EQ(Scalar("select NAME from CORVANE_T where CODE = 'b2'"), "beta");
    EXPECT_EQ(Scalar("select NAME from CORVANE_T where CODE = 'a1'"), "alpha");
}

TEST_F(AdoRecordSetWrite, FailedUpdateLeavesNoPendingEditAndWritesNothing) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'zz'");
    ASSERT_TRUE(rs.AddNew());
    rs.SetString("CODE", "123456789");  // one character over TEXT(8)
    EXPECT_FALSE(rs.Update());
    EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    EXPECT_NE(rs.GetLastErrorText().find(ado::kFieldTooSmall), std::string::npos);
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "2");

    CAdoRecordSet edit;
    OpenQuery(edit, "select * from CORVANE_T where CODE = 'a1'");
    edit.SetString("CODE", "123456789");
    EXPECT_FALSE(edit.Update());
    std::string code;
    edit.GetString("CODE", code);
    EXPECT_EQ(code, "a1");  // the row shows its stored value again
}

TEST_F(AdoRecordSetWrite, CloseCancelsAPendingRow) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T");
    ASSERT_TRUE(rs.AddNew());
    rs.SetString("CODE", "new");
    EXPECT_TRUE(rs.Close());
    EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "2");
}

TEST_F(AdoRecordSetWrite, DeleteThenMoveNextWalksEveryRow) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T");
    int deleted = 0;
    while (!rs.IsEOF()) {
        ASSERT_TRUE(rs.Delete(1));
        ++deleted;
        rs.MoveNext();
    }
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(Scalar("select count(*) from CORVANE_T"), "0");
}

TEST_F(AdoRecordSetWrite, JoinedRowsAreReadOnly) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select a.CODE, b.NAME from CORVANE_T a, CORVANE_T b where a.CODE = b.CODE");
    EXPECT_EQ(rs.GetRecordCount(), 2);
    EXPECT_FALSE(rs.AddNew());
    EXPECT_FALSE(rs.SetString("CODE", "x"));
}

TEST_F(AdoRecordSetWrite, WritesFailOnceTheConnectionIsGone) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T");
    connection_.Release();
    ASSERT_TRUE(rs.AddNew());  // the row is only started in memory
    rs.SetString("CODE", "x");
    EXPECT_FALSE(rs.Update());
    EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    EXPECT_FALSE(rs.Delete(1));
    EXPECT_EQ(rs.GetRecordCount(), 2);
}

std::vector<unsigned char> Pattern(std::size_t size) {
    std::vector<unsigned char> bytes(size);
    std::iota(bytes.begin(), bytes.end(), 0);
    return bytes;
}

TEST_F(AdoRecordSetWrite, LongBinaryValueRoundTripsInChunks) {
    const std::vector<unsigned char> doc = Pattern(250);
    {
        CAdoRecordSet rs;
        OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
        ASSERT_TRUE(rs.AppendChunk("DOC", doc.data(), static_cast<long>(doc.size())));
        ASSERT_TRUE(rs.Update());
    }
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
    const long size = rs.GetFieldActualSize("DOC");
    ASSERT_EQ(size, 250);
    std::vector<unsigned char> read(size + 8, 0xEE);  // guard bytes after the value
    ASSERT_TRUE(rs.GetChunk("DOC", read.data()));
    EXPECT_TRUE(std::equal(doc.begin(), doc.end(), read.begin()));
    EXPECT_EQ(read[250], 0xEE);
    // A second read of the same value starts again from its first byte.
    std::vector<unsigned char> again(size);
    ASSERT_TRUE(rs.GetChunk(rs.GetField("DOC"), again.data()));
    EXPECT_TRUE(std::equal(doc.begin(), doc.end(), again.begin()));
    std::string text;
    rs.GetString("DOC", text);
    EXPECT_EQ(text, "[BLOB]");
}

TEST_F(AdoRecordSetWrite, ChunkCallsNeedALongColumn) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
    const unsigned char bytes[3] = {1, 2, 3};
    unsigned char out[16] = {};
    EXPECT_FALSE(rs.AppendChunk("CODE", bytes, 3));
    EXPECT_FALSE(rs.GetChunk("CODE", out));
    EXPECT_FALSE(rs.AppendChunk("NOPE", bytes, 3));
    EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    EXPECT_TRUE(rs.GetChunk("DOC", out));  // an empty value copies nothing
    EXPECT_EQ(rs.GetFieldActualSize("DOC"), 0);
}

TEST_F(AdoRecordSetWrite, AppendChunkFromFile) {
    const std::string file = FilePath("chapter.rtf");
    ASSERT_TRUE(sys::WriteFileAtomic(file, "{\\rtf1 hello}"));
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
    EXPECT_FALSE(rs.AppendChunkFromFile("DOC", FilePath("missing.rtf")));
    EXPECT_EQ(rs.GetEditMode(), ado::adEditNone);
    EXPECT_FALSE(rs.AppendChunkFromFile("CODE", file));
    ASSERT_TRUE(rs.AppendChunkFromFile("DOC", file));
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(Scalar("select length(DOC) from CORVANE_T where CODE = 'a1'"), "13");
}

TEST_F(AdoRecordSetWrite, LongBinaryValuesAreReadOnlyWhenAskedFor) {
    const std::vector<unsigned char> doc = Pattern(1000);
    {
        CAdoRecordSet rs;
        OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
        rs.AppendChunk("DOC", doc.data(), 1000);
        ASSERT_TRUE(rs.Update());
    }
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
    EXPECT_EQ(rs.GetFieldActualSize("DOC"), 1000);
    // The value was not read at open: once its row is gone it cannot be read.
    connection_.Execute("delete from CORVANE_T where CODE = 'a1'", 1);
    std::vector<unsigned char> out(1000);
    EXPECT_FALSE(rs.GetChunk("DOC", out.data()));
}

TEST_F(AdoRecordSetWrite, SaveAndReopenKeepColumnsNullsAndBinary) {
    const std::vector<unsigned char> doc = Pattern(300);
    {
        CAdoRecordSet rs;
        OpenQuery(rs, "select * from CORVANE_T where CODE = 'a1'");
        rs.AppendChunk("DOC", doc.data(), 300);
        ASSERT_TRUE(rs.Update());
    }
    const std::string path = FilePath("t.uif");
    const std::string other = FilePath("other.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(other, "old content"));
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T order by CODE");
    ASSERT_TRUE(rs.Save(path, adPersistXML));
    connection_.Execute("delete from CORVANE_T where CODE = 'b2'", 1);
    ASSERT_TRUE(rs.Save(path, adPersistXML));  // the same path again
    ASSERT_TRUE(rs.Save(other, adPersistXML));  // another path replaces its file
    EXPECT_TRUE(rs.IsOpen());

    for (const std::string& file : {path, other}) {
        CAdoRecordSet copy;
        ASSERT_TRUE(copy.OpenFromFile(file)) << file;
        EXPECT_EQ(copy.GetRecordCount(), 2);
        EXPECT_EQ(copy.GetFieldCount(), 12);
        std::string code, name, f;
        copy.GetString("CODE", code);
        copy.GetString("F", f);
        EXPECT_EQ(code, "a1");
        EXPECT_EQ(f, "1.5000");
        ASSERT_EQ(copy.GetFieldActualSize("DOC"), 300);
        std::vector<unsigned char> read(300);
        ASSERT_TRUE(copy.GetChunk("DOC", read.data()));
        EXPECT_EQ(read, doc);
        copy.MoveNext();
        EXPECT_TRUE(copy.GetString("NAME", name));
        EXPECT_EQ(name, "");
        EXPECT_TRUE(copy.GetFieldAttributes("DOC") & ado::adFldLong);
    }
}

TEST_F(AdoRecordSetWrite, EmptyRecordsetIsSavedAndReopened) {
    CAdoRecordSet rs;
    OpenQuery(rs, "select * from CORVANE_T where CODE = 'none'");
    const std::string path = FilePath("empty.sif");
    ASSERT_TRUE(rs.Save(path, 1));
    CAdoRecordSet copy;
    ASSERT_TRUE(copy.OpenFromFile(path));
    EXPECT_TRUE(copy.IsEOF());
    EXPECT_EQ(copy.GetFieldCount(), 12);
    EXPECT_EQ(copy.GetRecordCount(), 0);
}

TEST_F(AdoRecordSetWrite, FileThatIsNotASavedRecordsetIsRefused) {
    const std::string path = FilePath("junk.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(path, "this is not a saved recordset"));
    CAdoRecordSet rs;
    EXPECT_FALSE(rs.OpenFromFile(path));
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_FALSE(rs.OpenFromFile(FilePath("missing.uif")));
}

TEST_F(AdoRecordSetWrite, SavingAClosedRecordsetLeavesAnOldFile) {
    const std::string path = FilePath("keep.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(path, "old"));
    CAdoRecordSet rs;
    EXPECT_FALSE(rs.Save(path, 1));
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(path, bytes));
    EXPECT_EQ(bytes, "old");
}

}  // namespace
