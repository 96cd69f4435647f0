#include "platform/ado/Recordset.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteHandle.h"
#include "testsupport/TempFolder.h"

namespace {

using namespace ado;

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(CreateDatabase(dir_.File("db.mdb"), "",
                                   "CREATE TABLE T (C TEXT(10) COLLATE NOCASE, M LONGTEXT, L LONG, S SHORT, Y BYTE,"
                                   " F SINGLE, R REAL, D DOUBLE, Y2 CURRENCY, W DATETIME, B BIT, X LONGBINARY);"
                                   "INSERT INTO T VALUES ('0123', '0456', 1, 2, 3, 1.5, 2.5, 3.5, 4.25,"
                                   " '2001-02-03 04:05:06', -1, x'0102');"
                                   "INSERT INTO T (C) VALUES ('中文abc');",
                                   error))
            << error;
        ASSERT_TRUE(db_.Open(dir_.File("db.mdb"), ""));
    }

    Recordset& Query(const std::string& sql) {
        EXPECT_TRUE(rs_.Open(db_, sql, false)) << (db_.Errors().empty() ? "" : db_.Errors()[0].description);
        return rs_;
    }

    Variant Value(long column) {
        Variant v;
        EXPECT_TRUE(rs_.GetValue(column, v));
        return v;
    }

    testsupport::TempFolder dir_;
    Connection db_;
    Recordset rs_;
};

TEST_F(RecordsetTest, DeclaredTypesGiveTheirFieldAndValueTypes) {
    Query("select * from T where L = 1");
    struct Expect {
        DataType type;
        VarType value;
        bool isLong;
    };
    const Expect expected[] = {
        {adVarWChar, VT_BSTR, false},     {adLongVarWChar, VT_BSTR, true}, {adInteger, VT_I4, false},
        {adSmallInt, VT_I2, false},       {adUnsignedTinyInt, VT_UI1, false}, {adSingle, VT_R4, false},
        {adSingle, VT_R4, false},         {adDouble, VT_R8, false},        {adCurrency, VT_CY, false},
        {adDate, VT_DATE, false},         {adBoolean, VT_BOOL, false},     {adLongVarBinary, VT_ARRAY_UI1, true},
    };
    ASSERT_EQ(rs_.FieldCount(), 12);
    for (long i = 0; i < 12; ++i) {
        EXPECT_EQ(rs_.Column(i).type, expected[i].type) << i;
        EXPECT_EQ(rs_.Column(i).IsLong(), expected[i].isLong) << i;
        EXPECT_EQ(Value(i).Type(), expected[i].value) << i;
    }
    EXPECT_EQ(rs_.Column(0).definedSize, 10);
    EXPECT_EQ(Value(0).TextValue(), "0123");
    EXPECT_EQ(Value(1).TextValue(), "0456");
    EXPECT_EQ(Value(8).IntBits(), 42500);
    EXPECT_EQ(Value(10).IntBits(), VARIANT_TRUE);
    EXPECT_EQ(Value(11).BytesValue(), (std::vector<std::uint8_t>{1, 2}));
}

TEST_F(RecordsetTest, ExpressionColumnsTakeTheTypeOfTheirValue) {
    Query("select count(*), sum(F), 'x' || C, 5000000000, max(X) from T");
    EXPECT_EQ(Value(0).Type(), VT_I4);
    EXPECT_EQ(Value(1).Type(), VT_R8);
    EXPECT_EQ(Value(2).Type(), VT_BSTR);
    EXPECT_EQ(Value(3).Type(), VT_I8);
    EXPECT_EQ(Value(4).Type(), VT_ARRAY_UI1);
    EXPECT_EQ(rs_.Column(1).type, adDouble);
}

TEST_F(RecordsetTest, TextComparesWithoutCaseAndJetFunctionsWork) {
    ASSERT_TRUE(db_.Execute("INSERT INTO T (C, L) VALUES ('ABC', 10), ('abd', 11)"));
    Query("select L from T where C = 'abc'");
    EXPECT_EQ(rs_.RecordCount(), 1);
    Query("select L from T where C like 'AB%' order by C desc");
    EXPECT_EQ(rs_.RecordCount(), 2);
    EXPECT_EQ(Value(0).IntBits(), 11);

    Query("select Right(C, 3), Left(C, 2), Mid(C, 2, 2), Mid(C, 3), Len(C), Val(' 12 3ab'), IIf(L > 0, 'y', 'n'),"
          " UCase('ab'), LCase('AB'), Year(W), Month(W), Day(W), Nz(L, 0) from T where C = '中文abc'");
    const char* texts[] = {"abc", "中文", "文a", "abc"};
    for (long i = 0; i < 4; ++i) EXPECT_EQ(Value(i).TextValue(), texts[i]) << i;
    EXPECT_EQ(Value(4).IntBits(), 5);
    EXPECT_EQ(Value(5).IntBits(), 123);
    EXPECT_EQ(Value(6).TextValue(), "n");  // NULL condition
    EXPECT_EQ(Value(7).TextValue(), "AB");
    EXPECT_EQ(Value(8).TextValue(), "ab");
    EXPECT_TRUE(Value(9).IsNull());
    EXPECT_EQ(Value(12).IntBits(), 0);

    Query("select Year(W), Month(W), Day(W) from T where L = 1");
    EXPECT_EQ(Value(0).IntBits(), 2001);
    EXPECT_EQ(Value(1).IntBits(), 2);
    EXPECT_EQ(Value(2).IntBits(), 3);
    Query("select C from T order by Right(C, 1)");
    EXPECT_EQ(Value(0).TextValue(), "0123");
}

TEST_F(RecordsetTest, ChunksSliceTheValue) {
    std::vector<std::uint8_t> doc(250, 7);
    Query("select * from T where L = 1");
    ASSERT_TRUE(rs_.AppendChunk(11, doc.data(), doc.size()));
    ASSERT_TRUE(rs_.Update());
    Query("select * from T where L = 1");
    std::vector<std::size_t> sizes;
    std::vector<std::uint8_t> chunk;
    for (std::size_t offset = 0; rs_.GetChunk(11, offset, 100, chunk) && !chunk.empty(); offset += chunk.size())
        sizes.push_back(chunk.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{100, 100, 50}));
}

TEST_F(RecordsetTest, AppendChunkAppendsWithinOneEdit) {
    Query("select * from T where L = 1");
    const std::uint8_t a[] = {1, 2}, b[] = {3};
    ASSERT_TRUE(rs_.AppendChunk(11, a, 2));  // replaces the stored 01 02
    ASSERT_TRUE(rs_.AppendChunk(11, b, 1));
    ASSERT_TRUE(rs_.Update());
    Query("select X from T where L = 1");
    EXPECT_EQ(Value(0).BytesValue(), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(RecordsetTest, CursorMovesAndDeletedRow) {
    Query("select C from T order by L");
    EXPECT_EQ(rs_.RecordCount(), 2);
    EXPECT_FALSE(rs_.IsBOF());
    EXPECT_TRUE(rs_.MovePrevious());
    EXPECT_TRUE(rs_.IsBOF());
    EXPECT_EQ(rs_.AbsolutePosition(), adPosBOF);
    EXPECT_FALSE(rs_.MovePrevious());
    EXPECT_TRUE(rs_.MoveLast());
    ASSERT_TRUE(rs_.Delete());
    Variant v;
    EXPECT_FALSE(rs_.GetValue(0, v));  // the cursor stays on the deleted row
    EXPECT_FALSE(rs_.IsEOF());
    EXPECT_TRUE(rs_.MoveNext());
    EXPECT_TRUE(rs_.IsEOF());
    EXPECT_EQ(rs_.RecordCount(), 1);
}

TEST_F(RecordsetTest, StatementWithoutRowsRunsAndLeavesItClosed) {
    auto result = Execute(db_, "delete from T where L = 1");
    ASSERT_NE(result, nullptr);
    EXPECT_FALSE(result->IsOpen());
    EXPECT_EQ(Execute(db_, "delete from Nope"), nullptr);
    ASSERT_FALSE(db_.Errors().empty());
    EXPECT_EQ(db_.Errors()[0].sqlState, "3078");
}

TEST_F(RecordsetTest, RowsetCopyKeepsChangesInMemory) {
    Query("select * from T order by L");
    RowsetData data;
    ASSERT_TRUE(rs_.ToRowset(data));
    Recordset copy;
    copy.Open(data);
    ASSERT_TRUE(copy.SetValue(0, Variant::Text("changed")));
    ASSERT_TRUE(copy.Update());
    ASSERT_TRUE(copy.AddNew());
    ASSERT_TRUE(copy.SetValue(2, Variant::Text("12")));
    ASSERT_TRUE(copy.Update());
    EXPECT_EQ(copy.RecordCount(), 3);
    Variant v;
    ASSERT_TRUE(copy.GetValue(2, v));
    EXPECT_EQ(v.Type(), VT_I4);
    EXPECT_EQ(v.IntBits(), 12);
    Query("select count(*) from T where C = 'changed'");
    EXPECT_EQ(Value(0).IntBits(), 0);
}

// NULL and an empty text stay apart, and bytes after a NUL stay, in the rows
// as read, after an edit taken back, written back, added and deleted.
TEST_F(RecordsetTest, NullEmptyTextAndNulBytesKeepTheirValuesThroughEdits) {
    const std::string nulText("a\0b", 3);
    const std::vector<std::uint8_t> nulBytes = {0, 255, 0, 0};
    ASSERT_TRUE(db_.Execute("INSERT INTO T (C, M, L, X) VALUES ('', NULL, 20, x'00ff0000'), (NULL, '', 21, x'')"));
    const long C = 0, M = 1, L = 2, X = 11;
    struct Expected {
        const char* what;
        long column;
        Variant value;
    };
    auto expectRow = [&](const char* when, std::initializer_list<Expected> values) {
        for (const Expected& e : values) EXPECT_EQ(Value(e.column), e.value) << when << ": " << e.what;
    };

    Query("select * from T where L >= 20 order by L");
    expectRow("read", {{"empty text", C, Variant::Text("")},
                       {"NULL long text", M, Variant::Null()},
                       {"binary with NULs", X, Variant::Bytes(nulBytes)}});
    ASSERT_TRUE(rs_.SetValue(M, Variant::Text(nulText)));
    ASSERT_TRUE(rs_.SetValue(C, Variant::Null()));
    ASSERT_TRUE(rs_.CancelUpdate());
    expectRow("edit taken back", {{"empty text", C, Variant::Text("")}, {"NULL long text", M, Variant::Null()}});

    ASSERT_TRUE(rs_.SetValue(M, Variant::Text(nulText)));
    ASSERT_TRUE(rs_.Update());
    ASSERT_TRUE(rs_.MoveNext());
    expectRow("second row", {{"NULL text", C, Variant::Null()},
                             {"empty long text", M, Variant::Text("")},
                             {"empty binary", X, Variant::Bytes({})}});

    ASSERT_TRUE(rs_.AddNew());
    ASSERT_TRUE(rs_.SetValue(L, Variant::I4(22)));
    ASSERT_TRUE(rs_.SetValue(M, Variant::Text("")));
    ASSERT_TRUE(rs_.AppendChunk(X, nulBytes.data(), nulBytes.size()));
    ASSERT_TRUE(rs_.Update());
    expectRow("added", {{"NULL text", C, Variant::Null()},
                        {"empty long text", M, Variant::Text("")},
                        {"binary with NULs", X, Variant::Bytes(nulBytes)}});

    ASSERT_TRUE(rs_.MoveFirst());
    ASSERT_TRUE(rs_.MoveNext());
    ASSERT_TRUE(rs_.Delete());
    ASSERT_TRUE(rs_.MoveNext());
    expectRow("after the deleted row", {{"number", L, Variant::I4(22)}, {"empty long text", M, Variant::Text("")}});

    Query("select C, M, L, X from T where L >= 20 order by L");
    ASSERT_EQ(rs_.RecordCount(), 2);
    expectRow("stored first", {{"empty text", 0, Variant::Text("")},
                               {"long text with a NUL", 1, Variant::Text(nulText)},
                               {"binary with NULs", 3, Variant::Bytes(nulBytes)}});
    ASSERT_TRUE(rs_.MoveNext());
    expectRow("stored added", {{"NULL text", 0, Variant::Null()},
                               {"empty long text", 1, Variant::Text("")},
                               {"binary with NULs", 3, Variant::Bytes(nulBytes)}});
}

TEST(JetSqlTest, DeclaredTypeNamesAndRewrittenCalls) {
    EXPECT_EQ(ParseDeclaredType("MEMO").kind, ColumnKind::Memo);
    EXPECT_EQ(ParseDeclaredType("text(20)").length, 20);
    EXPECT_EQ(ParseDeclaredType("TEXT").length, 255);
    EXPECT_EQ(ParseDeclaredType("").kind, ColumnKind::Untyped);
    EXPECT_EQ(RewriteJetSql("select Right(a, 2), 'Right(x)' from t left join u on t.a = u.a order by left (b,1)"),
              "select Jet_Right(a, 2), 'Right(x)' from t left join u on t.a = u.a order by Jet_left (b,1)");
}

TEST(ConnectionTest, PasswordAndFileChecks) {
    testsupport::TempFolder dir;
    std::string error;
    ASSERT_TRUE(CreateDatabase(dir.File("p.mdb"), "pw", "CREATE TABLE A (X LONG);", error));
    ASSERT_TRUE(sys::WriteFileAtomic(dir.File("junk.mdb"), std::string(4096, 'j')));
    Connection c;
    EXPECT_TRUE(c.Open(dir.File("p.mdb"), "pw"));
    EXPECT_FALSE(c.Open(dir.File("p.mdb"), "PW"));
    EXPECT_EQ(c.Errors().at(0).description, kNotValidPassword);
    EXPECT_FALSE(c.Open(dir.File("junk.mdb"), ""));
    EXPECT_EQ(c.Errors().at(0).sqlState, "3343");
    EXPECT_FALSE(c.Open(dir.File("none.mdb"), ""));
    EXPECT_EQ(c.Errors().at(0).sqlState, "3024");
}

// Deleted means gone: a deleted row's long text leaves no readable byte in
// the file (the freed pages are zeroed).
TEST(ConnectionTest, DeletedContentIsGoneFromTheFile) {
    testsupport::TempFolder dir;
    std::string error;
    ASSERT_TRUE(CreateDatabase(dir.File("s.mdb"), "", "CREATE TABLE A (X LONG);", error));
    const std::string secret = "confidential-chapter-";
    {
        Connection c;
        ASSERT_TRUE(c.Open(dir.File("s.mdb"), ""));
        std::string text;
        for (int i = 0; i < 2000; ++i) text += secret;  // pages of its own
        ASSERT_EQ(sqlite3_exec(c.Handle(), ("insert into A values ('" + text + "')").c_str(), nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(c.Handle(), "delete from A", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    std::ifstream file(dir.File("s.mdb"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find(secret), std::string::npos);
}

TEST(ConnectionTest, ErrorsReadLikeTheEngines) {
    testsupport::TempFolder dir;
    std::string error;
    ASSERT_TRUE(CreateDatabase(dir.File("e.mdb"), "", "CREATE TABLE A (X TEXT(2), Y LONG);", error));
    Connection c;
    ASSERT_TRUE(c.Open(dir.File("e.mdb"), ""));
    struct Case {
        const char* sql;
        const char* state;
    };
    const Case cases[] = {
        {"select Z from A", "3061"},          {"insert into A (X) values ('abc')", "3163"},
        {"insert into A values (", "3134"},   {"update A set", "3144"},
        {"select * from Missing", "3078"},    {"select X from A, A b", "3079"},
    };
    for (const Case& k : cases) {
        EXPECT_FALSE(c.Execute(k.sql)) << k.sql;
        EXPECT_EQ(c.Errors().at(0).sqlState, k.state) << k.sql;
        EXPECT_EQ(c.Errors().at(0).source, kEngineSource);
    }
}

}  // namespace
