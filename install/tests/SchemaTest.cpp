// The installed databases as the screens see them through the database
// classes: column orders that other code copies by position, the field types
// that the declared Access types give, enforced text lengths, and the rows
// installed with project.mdb.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Password.h"
#include "platform/ado/Rowset.h"
#include "testsupport/InstalledFolder.h"

namespace {

constexpr const char* kPassword = "5081";

class Schema : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(project_.ConnectAccess(PathOf("project.mdb"), kPassword)) << project_.FormatErrors();
        ASSERT_TRUE(temp_.ConnectAccess(PathOf("temp.mdb"), kPassword)) << temp_.FormatErrors();
    }
    void TearDown() override {
        project_.Close();
        temp_.Close();
        InstalledFolder::TearDown();
    }

    CAdoConnection& Database(const std::string& file) { return file == "temp.mdb" ? temp_ : project_; }

    // Opens a query the way every screen does.
    static void Open(CAdoRecordSet& rs, CAdoConnection& db, const std::string& sql) {
        rs.SetConnection(&db);
        ASSERT_TRUE(rs.SetCursorLocation(adUseClient));
        ASSERT_TRUE(rs.Open(sql, adCmdText, adOpenStatic, adLockOptimistic)) << sql << "\n" << db.FormatErrors();
    }

    static std::vector<std::string> ColumnNames(CAdoRecordSet& rs) {
        std::vector<std::string> names;
        for (long i = 0; i < rs.GetFieldCount(); ++i) names.push_back(rs.GetFields()->Column(i).name);
        return names;
    }

    CAdoConnection project_;
    CAdoConnection temp_;
};

// ---------------------------------------------------------------------------
// Column orders

struct FixedOrder {
    const char* database;
    const char* table;
    std::vector<std::string> leading;  // the columns at positions 0, 1, ...
    long count;                        // total number of columns; 0: not fixed
};

class ColumnOrder : public Schema, public ::testing::WithParamInterface<FixedOrder> {};

TEST_P(ColumnOrder, StandsAsOtherCodeCopiesIt) {
    const FixedOrder& order = GetParam();
    CAdoRecordSet rs;
    Open(rs, Database(order.database), std::string("select * from ") + order.table);
    std::vector<std::string> names = ColumnNames(rs);
    ASSERT_GE(names.size(), order.leading.size());
    names.resize(order.leading.size());
    EXPECT_EQ(names, order.leading);
    if (order.count > 0) {
        EXPECT_EQ(rs.GetFieldCount(), order.count);
    }
}

const std::vector<std::string> kUnit = {"DWDM", "DWMC", "SSBM", "DWJC", "KYGLBM", "YZBM", "TXDZ", "SZS",
                                        "DWSZCS", "LXR", "DH", "SJ", "KHYH", "KHDW", "ZH"};
const std::vector<std::string> kExpert = {"SSJJLB", "ID", "XM",   "XB", "NL", "ZC",        "ZYTC",
                                          "GZDW",   "TXDZ", "YZBM", "DH", "SJ", "SFXSWYHCY"};
const std::vector<std::string> kGroup = {"JJBH", "ZYZMC", "YTDW", "LXR", "DH", "SJ"};
const std::vector<std::string> kLab = {"sysdm", "sysqc", "sysdwmc", "ytdw", "lxr", "dh", "sj",
                                       "txdz",  "yb",    "sf",      "s",    "khdw", "khh", "zh"};
const std::vector<std::string> kAspect = {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "SFZDYJFX", "BZ"};

INSTANTIATE_TEST_SUITE_P(
    Tables, ColumnOrder,
    ::testing::Values(
        FixedOrder{"project.mdb", "CORVANE_UNIT", kUnit, 21},
        FixedOrder{"project.mdb", "CORVANE_EXPERTINFO", kExpert, 13},
        FixedOrder{"temp.mdb", "CORVANE_EXPERTINFO", kExpert, 13},
        FixedOrder{"project.mdb", "CORVANE_SPECGROUP", kGroup, 6},
        FixedOrder{"temp.mdb", "CORVANE_SPECGROUP", kGroup, 6},
        FixedOrder{"project.mdb", "CORVANE_LAB", kLab, 14},
        FixedOrder{"temp.mdb", "CORVANE_LAB", kLab, 14},
        FixedOrder{"project.mdb", "CORVANE_YEAR_STUDYASPECT", kAspect, 8},
        FixedOrder{"project.mdb", "CORVANE_FIVE_STUDYASPECT", kAspect, 8},
        FixedOrder{"project.mdb", "CORVANE_ITEMYEARPLAN", {"XMBH", "NF", "JDYQ", "NDYJMUYNR", "NDWCXS", "YBJJXGBCSM"}, 0},
        FixedOrder{"project.mdb", "CORVANE_ITEMCHECKACCEPT",
                   {"XMBH", "YJNR", "WCQK", "ZYJZJCX", "WTYJY", "HXFZCGZH", "XSWYHPJ", "DWYSYJ", "WCSJ", "TBSJ",
                    "SJWCR", "BACKUPNAME"},
                   0}),
    [](const auto& info) {
        return std::string(info.param.table).substr(8) + (std::string(info.param.database) == "temp.mdb" ? "_temp" : "");
    });

TEST_F(Schema, SideTablesMatchProjectTablesAndAreEmpty) {
    for (const char* table : {"CORVANE_SPECGROUP", "CORVANE_LAB", "CORVANE_EXPERTINFO"}) {
        CAdoRecordSet inProject, inTemp;
        Open(inProject, project_, std::string("select * from ") + table);
        Open(inTemp, temp_, std::string("select * from ") + table);
        ASSERT_EQ(inTemp.GetFieldCount(), inProject.GetFieldCount()) << table;
        for (long i = 0; i < inProject.GetFieldCount(); ++i) {
            const ado::ColumnInfo& a = inProject.GetFields()->Column(i);
            const ado::ColumnInfo& b = inTemp.GetFields()->Column(i);
            EXPECT_EQ(b.name, a.name) << table;
            EXPECT_EQ(b.type, a.type) << table << "." << a.name;
            EXPECT_EQ(b.definedSize, a.definedSize) << table << "." << a.name;
        }
        EXPECT_EQ(inTemp.GetRecordCount(), 0) << table;
    }
}

// ---------------------------------------------------------------------------
// Declared types as fields

struct DeclaredColumn {
    const char* table;
    const char* column;
    ado::DataType type;
    long textLength;  // for text columns, the enforced length
};

class ColumnType : public Schema, public ::testing::WithParamInterface<DeclaredColumn> {};

TEST_P(ColumnType, ReadsBackAsItsAccessType) {
    const DeclaredColumn& c = GetParam();
    CAdoRecordSet rs;
    Open(rs, project_, std::string("select ") + c.column + " from " + c.table);
    const ado::ColumnInfo& field = rs.GetFields()->Column(0);
    EXPECT_EQ(field.type, c.type);
    const bool isLong = c.type == ado::adLongVarBinary || c.type == ado::adLongVarWChar;
    EXPECT_EQ((rs.GetFieldAttributes(0) & ado::adFldLong) != 0, isLong);
    if (c.type == ado::adVarWChar) {
        EXPECT_EQ(field.definedSize, c.textLength);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ColumnType,
    ::testing::Values(DeclaredColumn{"CORVANE_ITEMPF", "PFJF", ado::adSingle, 0},
                      DeclaredColumn{"CORVANE_ITEMPF", "PFGLF", ado::adSingle, 0},
                      DeclaredColumn{"CORVANE_ITEMPF", "FS", ado::adSingle, 0},
                      DeclaredColumn{"CORVANE_ITEMPF", "ZJYJ", ado::adLongVarBinary, 0},
                      DeclaredColumn{"CORVANE_ITEMPF", "BZZLY", ado::adLongVarWChar, 0},
                      DeclaredColumn{"CORVANE_ITEMAPPINFO", "PFJF", ado::adVarWChar, 7},
                      DeclaredColumn{"CORVANE_ITEMAPPINFO", "DOC", ado::adLongVarBinary, 0},
                      DeclaredColumn{"CORVANE_ITEMAPPINFO", "XMBH", ado::adVarWChar, 50},
                      DeclaredColumn{"CORVANE_ITEMCHECKACCEPT", "YSQK", ado::adInteger, 0},
                      DeclaredColumn{"CORVANE_ITEMCHECKACCEPT", "ATTACH", ado::adLongVarBinary, 0},
                      DeclaredColumn{"CORVANE_USERS", "JS", ado::adInteger, 0},
                      DeclaredColumn{"CORVANE_SPECGROUP", "JJBH", ado::adVarWChar, 7},
                      DeclaredColumn{"CORVANE_UNIT", "ZH", ado::adVarWChar, 30},
                      DeclaredColumn{"CORVANE_NEW_RESULTCHANGE", "JSYYQJ", ado::adLongVarBinary, 0},
                      DeclaredColumn{"CORVANE_RESULT_UNITCHANGE", "CHECK7", ado::adVarWChar, 50}),
    [](const auto& info) { return std::string(info.param.table).substr(8) + "_" + info.param.column; });

TEST_F(Schema, SingleColumnsHoldSinglesAndTextColumnsText) {
    CAdoRecordSet rs;
    Open(rs, project_, "select * from CORVANE_ITEMPF");
    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetString("XMBH", "9140A0100106A001001"));
    ASSERT_TRUE(rs.SetFloat("PFJF", 12.5f));
    ASSERT_TRUE(rs.SetDouble("FS", 86.75));  // the letter review writes a double
    ASSERT_TRUE(rs.SetString("BZZLY", "0123"));
    ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();

    CAdoRecordSet back;
    Open(back, project_, "select * from CORVANE_ITEMPF");
    float value = 0;
    EXPECT_TRUE(back.GetFloat("PFJF", value));
    EXPECT_FLOAT_EQ(value, 12.5f);
    EXPECT_TRUE(back.GetFloat("FS", value));
    EXPECT_FLOAT_EQ(value, 86.75f);
    std::string memo;
    EXPECT_TRUE(back.GetString("BZZLY", memo));
    EXPECT_EQ(memo, "0123");  // a memo keeps leading zeros
    EXPECT_FALSE(back.GetFloat("XMBH", value));  // text is no number
}

struct OverLong {
    const char* table;
    const char* column;
    std::string fits;
    std::string tooLong;
};

class TextLength : public Schema, public ::testing::WithParamInterface<OverLong> {};

TEST_P(TextLength, UpdateRefusesAnOverLongValueAndWritesNothing) {
    const OverLong& c = GetParam();
    const std::string select = std::string("select * from ") + c.table;
    CAdoRecordSet rs;
    Open(rs, project_, select);
    const long before = rs.GetRecordCount();

    ASSERT_TRUE(rs.AddNew());
    rs.SetString(c.column, c.tooLong);  // the engine may refuse here or at Update
    EXPECT_FALSE(rs.Update());
    rs.CancelUpdate();

    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetString(c.column, c.fits));
    EXPECT_TRUE(rs.Update()) << rs.GetLastErrorText();

    CAdoRecordSet back;
    Open(back, project_, select);
    EXPECT_EQ(back.GetRecordCount(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Columns, TextLength,
                         ::testing::Values(OverLong{"CORVANE_SPECGROUP", "JJBH", "9140A01", "9140A012"},
                                           OverLong{"CORVANE_LAB", "sysdm", "9140C01", "9140C012"},
                                           OverLong{"CORVANE_ITEMAPPINFO", "DWDM", "A001", "A0012"},
                                           OverLong{"CORVANE_EXPERTINFO", "SJ", "13800000000", "138000000001"},
                                           // characters, not bytes: fourteen Chinese characters fit in 14
                                           OverLong{"CORVANE_ITEMAPPINFO", "SQRXM", "一二三四五六七八九十一二三四",
                                                    "一二三四五六七八九十一二三四五"}),
                         [](const auto& info) {
                             return std::string(info.param.table).substr(8) + "_" + info.param.column;
                         });

// ---------------------------------------------------------------------------
// Installed rows

TEST_F(Schema, EachRoleHasAnInitialLogin) {
    struct Login {
        const char* user;
        const char* password;
        long role;
    };
    for (const Login& login : {Login{"zngl", "zngl2024", 0}, Login{"sbdw", "sbdw2024", 1}, Login{"jjb", "jjb2024", 2}}) {
        CAdoRecordSet rs;
        Open(rs, project_, std::string("select * from CORVANE_USERS where YHM = '") + login.user + "'");
        ASSERT_EQ(rs.GetRecordCount(), 1) << login.user;
        std::string stored;
        EXPECT_TRUE(rs.GetString("YHMM", stored));
        EXPECT_TRUE(password::IsHash(stored)) << login.user;  // never the password itself
        EXPECT_TRUE(password::Matches(stored, login.password)) << login.user;
        long role = -1;
        EXPECT_TRUE(rs.GetInt("JS", role));
        EXPECT_EQ(role, login.role) << login.user;
    }
}

TEST_F(Schema, CodeTablesListTheirNamesInOrder) {
    auto names = [&](const std::string& table) {
        CAdoRecordSet rs;
        Open(rs, project_, "select * from " + table);
        std::vector<std::string> out;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string name;
            rs.GetString("NAME", name);
            out.push_back(name);
        }
        return out;
    };
    EXPECT_EQ(names("corvane_zd_xb"), (std::vector<std::string>{"男", "女"}));
    EXPECT_EQ(names("corvane_new_resultchange_gzzd"),
              (std::vector<std::string>{"预研基金立项论证、过程管理的规章制度", "预研基金检查验收、经费使用的规章制度",
                                        "预研基金成果管理、申报后续项目、转化奖励的规章制度"}));
    for (const char* table :
         {"corvane_zd_xw", "corvane_zd_zc", "corvane_resultchange_jjlb", "corvane_resultchange_xmlb",
          "corvane_resultchange_jdlb", "corvane_resultchange_zhqd", "corvane_resultchange_yydwxz",
          "corvane_resultchange_fhzy", "corvane_resultchange_yxzhys", "corvane_resultchange_xmyjdw",
          "corvane_resultchange_xmfzrzc"}) {
        EXPECT_GE(names(table).size(), 2u) << table;
    }
}

TEST_F(Schema, BothDatabasesRefuseAWrongPassword) {
    for (const char* file : {"project.mdb", "temp.mdb"}) {
        CAdoConnection db;
        EXPECT_FALSE(db.ConnectAccess(PathOf(file), "5082")) << file;
        EXPECT_FALSE(db.ConnectAccess(PathOf(file), "")) << file;
    }
}

}  // namespace
