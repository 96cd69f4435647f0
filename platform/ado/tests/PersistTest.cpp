#include "platform/ado/Persist.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "testsupport/TempFolder.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"

using namespace ado;
using namespace std::string_literals;
using testsupport::TempFolder;

namespace {

constexpr std::int32_t kTextAttrs = adFldMayDefer | adFldUpdatable | adFldIsNullable | adFldMayBeNull;
constexpr std::int32_t kFixedAttrs = kTextAttrs | adFldFixed;
constexpr std::int32_t kLongAttrs = kTextAttrs | adFldLong;

std::string DataFile(const std::string& name) {
    return sys::JoinPath(sys::ParentFolder(__FILE__), "data/" + name);
}

ColumnInfo Column(std::string name, DataType type, std::int32_t size, std::int32_t attrs) {
    ColumnInfo c;
    c.name = std::move(name);
    c.type = type;
    c.definedSize = size;
    c.attributes = attrs;
    return c;
}

double Ole(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return text::DateTime{y, mo, d, h, mi, s}.ToOleDate();
}

std::vector<std::uint8_t> Bytes(std::size_t n) {
    std::vector<std::uint8_t> b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return b;
}

RowsetData SaveAndLoad(const RowsetData& data, const TempFolder& dir) {
    std::string error;
    const std::string path = dir.File("rs.xml");
    EXPECT_TRUE(SaveRowsetXml(data, path, error)) << error;
    RowsetData back;
    EXPECT_TRUE(LoadRowsetXml(path, back, error)) << error;
    return back;
}

void ExpectSameColumns(const std::vector<ColumnInfo>& expected, const std::vector<ColumnInfo>& actual) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].type, expected[i].type);
        EXPECT_EQ(actual[i].definedSize, expected[i].definedSize);
        EXPECT_EQ(actual[i].attributes, expected[i].attributes);
        EXPECT_EQ(actual[i].baseTable, expected[i].baseTable);
        EXPECT_EQ(actual[i].baseColumn, expected[i].baseColumn);
    }
}

void ExpectSameRows(const RowsetData& expected, const RowsetData& actual) {
    ASSERT_EQ(actual.rows.size(), expected.rows.size());
    for (std::size_t r = 0; r < expected.rows.size(); ++r)
        for (std::size_t c = 0; c < expected.columns.size(); ++c)
            EXPECT_EQ(actual.rows[r][c], expected.rows[r][c])
                << "row " << r << " column " << expected.columns[c].name;
}

// A saved recordset of one text column V whose rows are `body`.
std::string OneColumnFile(const std::string& body) {
    return "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
           " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
           "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
           "<s:AttributeType name='V'><s:datatype dt:type='string'/></s:AttributeType>"
           "</s:ElementType></s:Schema><rs:data>" + body + "</rs:data></xml>";
}

// `levels` rs:insert blocks inside each other, each with a row before and after its inner block.
std::string NestedInserts(int levels) {
    std::string body;
    for (int i = 0; i < levels; ++i) body += "<rs:insert><z:row V='a" + std::to_string(i) + "'/>";
    for (int i = levels - 1; i >= 0; --i) body += "<z:row V='b" + std::to_string(i) + "'/></rs:insert>";
    return OneColumnFile(body);
}

// Runs `work` on a thread with a small stack, as a worker thread or a
// program with a low stack limit would.
template <typename F>
void OnSmallStack(F work) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 512 * 1024);
    pthread_t thread;
    auto run = [](void* p) -> void* {
        (*static_cast<F*>(p))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, run, &work), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

}  // namespace

TEST(SavedRecordset, RoundTripKeepsEveryColumnTypeAndValue) {
    RowsetData data;
    data.columns = {
        Column("ZNMC", adVarWChar, 50, kTextAttrs),
        Column("JJ", adLongVarWChar, 536870910, kLongAttrs),
        Column("XH", adInteger, 4, kFixedAttrs),
        Column("NUM", adSmallInt, 2, kFixedAttrs),
        Column("B", adUnsignedTinyInt, 1, kFixedAttrs),
        Column("BIG", adBigInt, 8, kFixedAttrs),
        Column("DF", adSingle, 4, kFixedAttrs),
        Column("BL", adDouble, 8, kFixedAttrs),
        Column("JE", adCurrency, 8, kFixedAttrs),
        Column("RQ", adDate, 16, kFixedAttrs),
        Column("SFQY", adBoolean, 2, kFixedAttrs & ~adFldIsNullable & ~adFldMayBeNull),
        Column("WJ", adLongVarBinary, 2147483647, kLongAttrs),
        Column("ANSI", adVarChar, 10, kTextAttrs),
    };
    data.columns[0].baseTable = "CORVANE_UNIT";
    data.columns[0].baseColumn = "ZNMC";
    data.rows = {
        {Variant::Text("单位 <甲> & 'x' \"y\""), Variant::Text("line1\r\nline2\r\tend\n"), Variant::I4(-2147483647 - 1),
         Variant::I2(-32768), Variant::UI1(255), Variant::I8(-9000000000000000000LL), Variant::R4(3.14159274f),
         Variant::R8(0.1), Variant::Currency(-123456789), Variant::Date(Ole(2006, 3, 1, 8, 30, 15)),
         Variant::Bool(true), Variant::Bytes(Bytes(100000)), Variant::Text("abc")},
        {Variant::Text(""), Variant::Text(""), Variant::I4(2147483647), Variant::I2(7), Variant::UI1(0),
         Variant::I8(1), Variant::R4(-1e30f), Variant::R8(1e300), Variant::Currency(50000),
         Variant::Date(Ole(1899, 12, 30)), Variant::Bool(false), Variant::Bytes({}), Variant::Text(" ")},
        {Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
         Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Bool(false),
         Variant::Bytes(Bytes(1)), Variant::Null()},
    };
    TempFolder dir;
    RowsetData back = SaveAndLoad(data, dir);
    ExpectSameColumns(data.columns, back.columns);
    ExpectSameRows(data, back);
}

TEST(SavedRecordset, EmptyRowsetKeepsItsColumns) {
    RowsetData data;
    data.columns = {Column("A", adVarWChar, 20, kTextAttrs), Column("B", adLongVarBinary, 2147483647, kLongAttrs)};
    TempFolder dir;
    RowsetData back = SaveAndLoad(data, dir);
    ExpectSameColumns(data.columns, back.columns);
    EXPECT_TRUE(back.rows.empty());
}

TEST(SavedRecordset, ColumnNamesThatAreNotXmlNamesTravelAsAliases) {
    RowsetData data;
    for (const char* name : {"Last Name", "1st", "xmlns", "a:b", "单位名称", "c0", "DUP", "DUP", "（备注）"})
        data.columns.push_back(Column(name, adVarWChar, 10, kTextAttrs));
    std::vector<Variant> row;
    for (std::size_t i = 0; i < data.columns.size(); ++i) row.push_back(Variant::Text("v" + std::to_string(i)));
    data.rows.push_back(row);
    TempFolder dir;
    RowsetData back = SaveAndLoad(data, dir);
    ExpectSameColumns(data.columns, back.columns);
    ExpectSameRows(data, back);

    std::string xml;
    ASSERT_TRUE(sys::ReadFile(dir.File("rs.xml"), xml));
    EXPECT_NE(xml.find("rs:name='Last Name'"), std::string::npos);
    EXPECT_NE(xml.find("name='单位名称'"), std::string::npos);  // a valid name is written as it is
}

TEST(SavedRecordset, WritesTheLayoutOtherInstallationsRead) {
    RowsetData data;
    data.columns = {Column("RQ", adDate, 16, kFixedAttrs), Column("JE", adCurrency, 8, kFixedAttrs),
                    Column("WJ", adLongVarBinary, 2147483647, kLongAttrs), Column("T", adVarWChar, 5, kTextAttrs)};
    data.rows = {{Variant::Date(Ole(2010, 12, 31, 23, 59, 58)), Variant::Currency(12345000),
                  Variant::Bytes({0x00, 0xAB, 0x10}), Variant::Text("a\rb")}};
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(SaveRowsetXml(data, dir.File("out.xml"), error)) << error;
    std::string xml;
    ASSERT_TRUE(sys::ReadFile(dir.File("out.xml"), xml));
    for (const char* part : {
             "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'",
             "xmlns:z='#RowsetSchema'>",
             "<s:Schema id='RowsetSchema'>",
             "<s:ElementType name='row' content='eltOnly' rs:updatable='true'>",
             "dt:type='dateTime' rs:dbtype='variantdate'",
             "dt:type='number' rs:dbtype='currency'",
             "dt:type='bin.hex' dt:maxLength='2147483647'",
             "rs:long='true'",
             "<s:extends type='rs:rowbase'/>",
             "<z:row RQ='2010-12-31T23:59:58' JE='1234.5' WJ='00ab10' T='a&#xd;b'/>",
         })
        EXPECT_NE(xml.find(part), std::string::npos) << part;
}

TEST(SavedRecordset, ReadsFilesInTheShapeOtherWritersProduce) {
    RowsetData rs;
    std::string error;
    ASSERT_TRUE(LoadRowsetXml(DataFile("ado_shape.xml"), rs, error)) << error;

    struct Expected { const char* name; DataType type; std::int32_t size; std::int32_t attrs; };
    const std::int32_t jet = adFldMayDefer | adFldUpdatable | adFldUnknownUpdatable | adFldIsNullable | adFldMayBeNull;
    const Expected columns[] = {
        {"ZNMC", adVarWChar, 50, jet},
        {"单位 简介", adLongVarWChar, 536870910, jet | adFldLong},
        {"XH", adInteger, 4, jet | adFldFixed},  // rs:number puts it before NS
        {"NS", adInteger, 4, jet | adFldFixed},
        {"JE", adCurrency, 8, jet | adFldFixed},
        {"BL", adDouble, 8, jet | adFldFixed},
        {"DF", adSingle, 4, jet | adFldFixed},
        {"RQ", adDate, 16, jet | adFldFixed},
        {"SFQY", adBoolean, 2, adFldMayDefer | adFldUpdatable | adFldUnknownUpdatable | adFldFixed},
        {"WJ", adLongVarBinary, 2147483647, jet | adFldLong},
        {"ID", adInteger, 4, adFldUpdatable | adFldUnknownUpdatable | adFldFixed | adFldKeyColumn},
    };
    ASSERT_EQ(rs.columns.size(), std::size(columns));
    for (std::size_t i = 0; i < std::size(columns); ++i) {
        SCOPED_TRACE(columns[i].name);
        EXPECT_EQ(rs.columns[i].name, columns[i].name);
        EXPECT_EQ(rs.columns[i].type, columns[i].type);
        EXPECT_EQ(rs.columns[i].definedSize, columns[i].size);
        EXPECT_EQ(rs.columns[i].attributes, columns[i].attrs);
    }
    EXPECT_EQ(rs.columns[0].baseTable, "CORVANE_UNIT");
    EXPECT_EQ(rs.columns[1].baseColumn, "单位 简介");

    const Variant N = Variant::Null();
    const std::vector<std::vector<Variant>> rows = {
        {Variant::Text("F001"), Variant::Text("第一 单位\r\n第二行"), Variant::I4(1), Variant::I4(-7),
         Variant::Currency(12345000), Variant::R8(3.25), Variant::R4(0.5f), Variant::Date(Ole(2006, 3, 1, 8, 30)),
         Variant::Bool(true), Variant::Bytes({0x00, 0xFF, 0x10}), Variant::I4(1)},
        {Variant::Text("F002"), N, Variant::I4(2), N, N, N, N, N, Variant::Bool(false), Variant::Bytes({}),
         Variant::I4(2)},
        {Variant::Text("O'Brien & Co"), N, N, N, Variant::Currency(-1), N, N, N, Variant::Bool(true), N,
         Variant::I4(3)},
        {Variant::Text("double \"quoted\""), N, N, N, N, N, N, N, Variant::Bool(false), N, Variant::I4(4)},
    };
    ASSERT_EQ(rs.rows.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(rs.rows[r][c], rows[r][c]) << "row " << r << " column " << rs.columns[c].name;
}

TEST(SavedRecordset, PendingChangesAreAppliedToTheRowsRead) {
    RowsetData rs;
    std::string error;
    ASSERT_TRUE(LoadRowsetXml(DataFile("pending_changes.xml"), rs, error)) << error;
    ASSERT_EQ(rs.columns.size(), 3u);
    const Variant N = Variant::Null();
    auto T = [](const char* s) { return Variant::Text(s); };
    const std::vector<std::vector<Variant>> rows = {
        {Variant::I4(1), T("kept"), T("111")},
        {Variant::I4(2), T("new"), T("222")},
        {Variant::I4(4), T("added"), N},
        {Variant::I4(5), T("added too"), T("555")},
    };
    ASSERT_EQ(rs.rows.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(rs.rows[r][c], rows[r][c]) << r << "," << c;
}

TEST(SavedRecordset, UntypedColumnsAndSynonymsAreAccepted) {
    const char* xml =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
        " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
        "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
        "<s:AttributeType name='A'/>"
        "<s:AttributeType name='B'><s:datatype dt:type='r8'/></s:AttributeType>"
        "<s:AttributeType name='C'><s:datatype dt:type='fixed.14.4'/></s:AttributeType>"
        "<s:AttributeType name='D'><s:datatype dt:type='bin.hex' rs:long='true'/></s:AttributeType>"
        "<s:Extends type='rs:rowbase'/></s:ElementType></s:Schema>"
        "<rs:data><z:row A='x' B=' 2.5E3 ' C='+7' D='0a'/></rs:data></xml>";
    TempFolder dir;
    ASSERT_TRUE(sys::WriteFileAtomic(dir.File("f.xml"), xml));
    RowsetData rs;
    std::string error;
    ASSERT_TRUE(LoadRowsetXml(dir.File("f.xml"), rs, error)) << error;
    ASSERT_EQ(rs.columns.size(), 4u);
    EXPECT_EQ(rs.columns[0].type, adVarWChar);
    EXPECT_EQ(rs.columns[1].type, adDouble);
    EXPECT_EQ(rs.columns[2].type, adCurrency);
    EXPECT_EQ(rs.columns[3].type, adLongVarBinary);
    EXPECT_TRUE(rs.columns[3].IsLong());
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.rows[0][0], Variant::Text("x"));
    EXPECT_EQ(rs.rows[0][1], Variant::R8(2500));
    EXPECT_EQ(rs.rows[0][2], Variant::Currency(70000));
    EXPECT_EQ(rs.rows[0][3], Variant::Bytes({0x0A}));
}

TEST(SavedRecordset, DamagedOrForeignFilesAreRefused) {
    TempFolder dir;
    RowsetData good;
    good.columns = {Column("A", adVarWChar, 20, kTextAttrs), Column("N", adSmallInt, 2, kFixedAttrs)};
    good.rows = {{Variant::Text("first"), Variant::I2(1)}, {Variant::Text("second"), Variant::I2(2)}};
    std::string error;
    ASSERT_TRUE(SaveRowsetXml(good, dir.File("good.xml"), error)) << error;
    std::string goodXml;
    ASSERT_TRUE(sys::ReadFile(dir.File("good.xml"), goodXml));
    auto withRow = [&](const std::string& row) {
        std::string xml = goodXml;
        xml.insert(xml.find("</rs:data>"), row);
        return xml;
    };

    // Each is named with its reason in the user's words: the line, and what
    // is wrong there; none with the XML library's own English text.
    struct Case { const char* what; std::string bytes; std::string reason; } cases[] = {
        {"empty file", "", "文件是空的"},
        {"garbage", "\x00\xff\x13garbage\x89PNG"s, "第1行：含有空字符"},
        {"truncated", goodXml.substr(0, goodXml.size() / 2), "文件不完整"},
        {"cut before the end tag", goodXml.substr(0, goodXml.rfind("</xml>")), "文件不完整"},
        {"other XML", "<html><body>not a recordset</body></html>", "不是保存的记录集（没有记录集的结构和数据）"},
        {"schema without data", goodXml.substr(0, goodXml.find("<rs:data>")) + "</xml>",
         "不是保存的记录集（没有记录集的结构和数据）"},
        {"number out of range", withRow("<z:row A='x' N='40000'/>"), "第3条记录的N列的值“40000”不是有效的整数"},
        {"not a number", withRow("<z:row A='x' N='12abc'/>"), "第3条记录的N列的值“12abc”不是有效的整数"},
        {"document type", "<!DOCTYPE xml [<!ENTITY e 'x'>]>" + goodXml, "不是保存的记录集（含有文档类型声明）"},
        {"invalid UTF-8", withRow("<z:row A='\xff\xfe'/>"), "含有不是UTF-8编码的字节，或声明了无法识别的编码"},
        {"extra content", goodXml + "<xml/>", "文档结束后还有多余的内容"},
        {"a NUL byte", withRow("<z:row A='a\0b'/>"s), "含有空字符"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File("bad.xml");
        ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        RowsetData out = good;
        error.clear();
        EXPECT_FALSE(LoadRowsetXml(path, out, error));
        EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(out.rows.size(), 2u);  // untouched
    }
    RowsetData out;
    EXPECT_FALSE(LoadRowsetXml(dir.File("missing.xml"), out, error));
    EXPECT_EQ(error, dir.File("missing.xml") + ": 不存在");
}

// Names that are no regular file, and a file beyond the bound, are refused
// at once with a sentence naming them: nothing blocks on a pipe, reads a
// device or takes the size of a sparse giant into memory.
TEST(SavedRecordset, OnlyRegularFilesWithinTheBoundAreRead) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.eif").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(dir.File("folder.eif").c_str(), 0700), 0);
    const std::string giant = dir.File("giant.eif");
    ASSERT_TRUE(sys::WriteFileAtomic(giant, "<xml>"));
    ASSERT_EQ(::truncate(giant.c_str(), static_cast<off_t>(sys::kMaxInputFileBytes + 1)), 0);
    const std::string atBound = dir.File("bound.eif");  // at the bound: read, and refused as no recordset
    ASSERT_TRUE(sys::WriteFileAtomic(atBound, "<xml>"));
    ASSERT_EQ(::truncate(atBound.c_str(), 1 << 20), 0);
    const struct {
        std::string path, error;
    } cases[] = {
        {dir.File("pipe.eif"), dir.File("pipe.eif") + ": 不是普通文件（文件夹、管道或设备）"},
        {"/dev/zero", "/dev/zero: 不是普通文件（文件夹、管道或设备）"},
        {dir.File("folder.eif"), dir.File("folder.eif") + ": 不是普通文件（文件夹、管道或设备）"},
        {giant, giant + ": 大于256MB"},
        {atBound, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        RowsetData out;
        std::string error;
        EXPECT_FALSE(LoadRowsetXml(c.path, out, error));
        if (!c.error.empty()) EXPECT_EQ(error, c.error);
        else EXPECT_NE(error.find("bound.eif: 第1行："), std::string::npos) << error;
    }
}

// A file of many pieces: rows, updates and insert blocks that span the
// pieces the reader takes, read in document order, as from the whole bytes.
TEST(SavedRecordset, RowsAreTakenInDocumentOrderAcrossThePiecesRead) {
    TempFolder dir;
    RowsetData one;
    one.columns = {Column("A", adVarWChar, 20, kTextAttrs), Column("B", adLongVarBinary, 0, kLongAttrs)};
    std::string error;
    ASSERT_TRUE(SaveRowsetXml(one, dir.File("head.xml"), error)) << error;
    std::string xml;
    ASSERT_TRUE(sys::ReadFile(dir.File("head.xml"), xml));
    std::string body;
    std::vector<std::string> expected;
    const std::string blob(2000, 'a');  // hex: 1000 bytes of 0xaa, so rows cross the pieces
    for (int i = 0; i < 3000; ++i) {
        const std::string name = "r" + std::to_string(i);
        if (i % 97 == 0) {  // an insert block of three rows, one nested
            body += "<rs:insert><z:row A='" + name + "a' B='" + blob + "'/><rs:insert><z:row A='" + name +
                    "b'/></rs:insert>\n<z:row A='" + name + "c'/></rs:insert>\n";
            for (const char* k : {"a", "b", "c"}) expected.push_back(name + k);
        } else if (i % 89 == 0) {
            body += "<rs:update><rs:original><z:row A='old' B='00'/></rs:original><z:row A='" + name + "'/></rs:update>\n";
            expected.push_back(name);
        } else {
            body += "<z:row A='" + name + "' B='" + blob + "'/>\n";
            expected.push_back(name);
        }
    }
    xml.insert(xml.find("</rs:data>"), body);
    ASSERT_GT(xml.size(), 4u << 20);
    const std::string path = dir.File("many.xml");
    ASSERT_TRUE(sys::WriteFileAtomic(path, xml));
    for (bool fromFile : {true, false}) {
        RowsetData out;
        ASSERT_TRUE(fromFile ? LoadRowsetXml(path, out, error) : ParseRowsetXml(xml, out, error)) << error;
        std::vector<std::string> names;
        for (const auto& row : out.rows) names.push_back(row[0].TextValue());
        EXPECT_EQ(names, expected);
        EXPECT_EQ(out.rows[0][1].BytesValue().size(), 1000u);
    }
    // A bad value far into the file is still found, and nothing is kept.
    xml.insert(xml.find("</rs:data>"), "<z:row A='x' B='zz'/>");
    ASSERT_TRUE(sys::WriteFileAtomic(path, xml));
    RowsetData out;
    EXPECT_FALSE(LoadRowsetXml(path, out, error));
    EXPECT_NE(error.find("第3063条记录的B列"), std::string::npos) << error;
    EXPECT_TRUE(out.rows.empty());
}

// The ASCII text in UTF-16 with a byte-order mark.
std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

TEST(SavedRecordset, DocumentTypesAreRefusedInEveryEncoding) {
    TempFolder dir;
    RowsetData good;
    good.columns = {Column("A", adVarWChar, 20, kTextAttrs)};
    good.rows = {{Variant::Text("kept")}};
    std::string error;
    ASSERT_TRUE(SaveRowsetXml(good, dir.File("good.xml"), error)) << error;
    std::string goodXml;
    ASSERT_TRUE(sys::ReadFile(dir.File("good.xml"), goodXml));
    const std::string body = goodXml.substr(goodXml.find("<xml "));
    // A row whose value is an entity: read, it would be stored as data.
    std::string withEntity = body;
    withEntity.insert(withEntity.find("</rs:data>"), "<z:row A='&e;'/>");
    std::string nested = "<!DOCTYPE xml [<!ENTITY e0 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'>";
    for (int level = 1; level <= 12; ++level) {
        nested += "<!ENTITY e" + std::to_string(level) + " '";
        for (int k = 0; k < 16; ++k) nested += "&e" + std::to_string(level - 1) + ";";
        nested += "'>";
    }
    nested += "<!ENTITY e '&e12;'>]>";

    const std::string internal = "<!DOCTYPE xml [<!ENTITY e 'from the document type'>]>";
    struct Case { const char* what; std::string bytes; } cases[] = {
        {"UTF-8", internal + withEntity},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + internal + withEntity},
        {"UTF-16 little-endian", Utf16(internal + withEntity, false)},
        {"UTF-16 big-endian", Utf16(internal + withEntity, true)},
        {"external subset", "<!DOCTYPE xml SYSTEM 'file:///etc/hostname'>" + body},
        {"nested entities in UTF-16", Utf16(nested + withEntity, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RowsetData out = good;
        error.clear();
        EXPECT_FALSE(ParseRowsetXml(c.bytes, out, error));
        EXPECT_NE(error.find("含有文档类型声明"), std::string::npos) << error;
        ASSERT_EQ(out.rows.size(), 1u);
        EXPECT_EQ(out.rows[0][0], Variant::Text("kept"));
    }
}

TEST(SavedRecordset, LongBinaryBeyondTheParsersDefaultValueLimitRoundTrips) {
    // 6 MB of bytes are 12 MB of hex in one attribute.
    TempFolder dir;
    RowsetData data;
    data.columns = {Column("D", adLongVarBinary, 2147483647, kLongAttrs)};
    data.rows = {{Variant::Bytes(Bytes(6 * 1024 * 1024))}};
    ExpectSameRows(data, SaveAndLoad(data, dir));
}

TEST(SavedRecordset, BadValuesOfTypedColumnsAreRefused) {
    struct Case { const char* type; const char* value; } cases[] = {
        {"bin.hex", "abc"}, {"bin.hex", "zz"}, {"int", "2147483648"}, {"ui1", "-1"}, {"i2", ""},
        {"dateTime", "2006-13-01T00:00:00"}, {"boolean", "yes"}, {"r4", "1.5x"}, {"number", "1..2"},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.value);
        std::string xml = std::string(
            "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
            " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
            "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
            "<s:AttributeType name='V'><s:datatype dt:type='") + c.type + "'/></s:AttributeType>"
            "</s:ElementType></s:Schema><rs:data><z:row V='" + c.value + "'/></rs:data></xml>";
        ASSERT_TRUE(sys::WriteFileAtomic(dir.File("v.xml"), xml));
        RowsetData out;
        std::string error;
        EXPECT_FALSE(LoadRowsetXml(dir.File("v.xml"), out, error));
        EXPECT_NE(error.find("第1条记录"), std::string::npos) << error;
    }
}

TEST(SavedRecordset, SavingReplacesAnExistingFileAndAcceptsBackslashes) {
    TempFolder dir;
    ASSERT_TRUE(sys::WriteFileAtomic(dir.File("old.xml"), std::string(100000, 'x')));
    RowsetData data;
    data.columns = {Column("A", adVarWChar, 5, kTextAttrs)};
    data.rows = {{Variant::Text("new")}};
    std::string error;
    std::string windowsPath = dir.Path() + "\\old.xml";
    ASSERT_TRUE(SaveRowsetXml(data, windowsPath, error)) << error;
    RowsetData back;
    ASSERT_TRUE(LoadRowsetXml(windowsPath, back, error)) << error;
    ExpectSameRows(data, back);
    EXPECT_EQ(sys::ListFiles(dir.Path(), ""), std::vector<std::string>{"old.xml"});  // no temporary left
}

TEST(SavedRecordset, FailedSaveLeavesTheOldFileUntouched) {
    TempFolder dir;
    RowsetData data;
    data.columns = {Column("WJ", adLongVarBinary, 2147483647, kLongAttrs)};
    data.rows = {{Variant::Bytes(Bytes(100000))}};
    std::string error;
    EXPECT_FALSE(SaveRowsetXml(data, dir.File("no such folder/x.xml"), error));
    EXPECT_FALSE(error.empty());

    // A write that runs out of room half way (file size limit) must not
    // replace the old file.
    const std::string target = dir.File("old.xml");
    ASSERT_TRUE(sys::WriteFileAtomic(target, "old contents"));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 50000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = SaveRowsetXml(data, target, error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved_ok);
    std::string contents;
    ASSERT_TRUE(sys::ReadFile(target, contents));
    EXPECT_EQ(contents, "old contents");
}

TEST(SavedRecordset, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    // 40,000 nested blocks: refused with a reason, on a stack far smaller than
    // a recursive reading would need.
    const std::string deep = NestedInserts(40000);
    bool read = true;
    std::string error;
    OnSmallStack([&] {
        RowsetData out;
        read = ParseRowsetXml(deep, out, error);
    });
    EXPECT_FALSE(read);
    EXPECT_NE(error.find("元素嵌套超过256层"), std::string::npos) << error;
}

TEST(SavedRecordset, NestedInsertBlocksWithinTheLimitAreReadInDocumentOrder) {
    RowsetData out;
    std::string error;
    ASSERT_TRUE(ParseRowsetXml(NestedInserts(3) + "", out, error)) << error;
    std::vector<std::string> values;
    for (const auto& row : out.rows) values.push_back(row[0].TextValue());
    EXPECT_EQ(values, (std::vector<std::string>{"a0", "a1", "a2", "b2", "b1", "b0"}));
    // The deepest nesting the limit lets through still reads every row.
    ASSERT_TRUE(ParseRowsetXml(NestedInserts(200), out, error)) << error;
    EXPECT_EQ(out.rows.size(), 400u);
}

// One column described by `datatype` (the attributes of s:datatype) holding `value`.
std::string TypedValueFile(const std::string& datatype, const std::string& value) {
    return "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
           " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
           "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
           "<s:AttributeType name='V'><s:datatype " + datatype + "/></s:AttributeType>"
           "</s:ElementType></s:Schema><rs:data><z:row V='" + value + "'/></rs:data></xml>";
}

TEST(SavedRecordset, AmountsAreReadExactlyOrRefused) {
    const std::string currency = "dt:type='number' rs:dbtype='currency'";
    const std::string currencyOnI8 = "dt:type='i8' rs:dbtype='currency'";  // as the Windows layer writes it
    const struct {
        std::string datatype, value;
        std::optional<Variant> expected;  // none: the file is refused
    } cases[] = {
        {currency, "922337203685477.5807", Variant::Currency(INT64_MAX)},
        {currency, "-922337203685477.5808", Variant::Currency(INT64_MIN)},
        {currency, "922337203685477.5808", std::nullopt},  // one beyond: not read as its negative
        {currency, "-922337203685477.5809", std::nullopt},
        {currency, "99999999999999999999", std::nullopt},
        {currency, "1.23456", std::nullopt},  // a fifth decimal the column cannot hold
        {currency, "21.350000", Variant::Currency(213500)},
        {currency, "1.5e3", Variant::Currency(15000000)},
        {currency, "inf", std::nullopt},
        {currency, "abc", std::nullopt},
        {currencyOnI8, "21.35", Variant::Currency(213500)},
        {currencyOnI8, "-7", Variant::Currency(-70000)},
        {"dt:type='float'", "inf", std::nullopt},
        {"dt:type='float'", "nan", std::nullopt},
        {"dt:type='float'", "1e400", std::nullopt},
        {"dt:type='float'", "1e39", Variant::R8(1e39)},
        {"dt:type='r4'", "1e300", std::nullopt},  // beyond a single-precision real
        {"dt:type='r4'", "-1e39", std::nullopt},
        {"dt:type='r4'", "2.5", Variant::R4(2.5f)},
        {"dt:type='number' rs:dbtype='decimal'", "-infinity", std::nullopt},
        {"dt:type='bin.base64' rs:long='true'", "AAEC/w==", Variant::Bytes({0, 1, 2, 255})},
        {"dt:type='bin.base64' rs:long='true'", "AAEC\n/wA=", Variant::Bytes({0, 1, 2, 255, 0})},
        {"dt:type='bin.base64' rs:long='true'", "", Variant::Bytes({})},
        {"dt:type='bin.base64' rs:long='true'", "AAE", Variant::Bytes({0, 1})},
        {"dt:type='bin.base64' rs:long='true'", "A", std::nullopt},
        {"dt:type='bin.base64' rs:long='true'", "AA=A", std::nullopt},
        {"dt:type='bin.base64' rs:long='true'", "AA*A", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.datatype + " " + c.value);
        RowsetData out;
        std::string error;
        const bool read = ParseRowsetXml(TypedValueFile(c.datatype, c.value), out, error);
        ASSERT_EQ(read, c.expected.has_value()) << error;
        if (!read) {
            EXPECT_NE(error.find("第1条记录"), std::string::npos) << error;
            continue;
        }
        ASSERT_EQ(out.rows.size(), 1u);
        EXPECT_EQ(out.rows[0][0], *c.expected);
    }
}
