// Loading and saving: documents round-tripped byte for byte, encodings,
// files on disk, and malformed or hostile input refused without harm.
#include "platform/xmldom/Document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/TempFolder.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace {

using testsupport::TempFolder;
using xmldom::Document;

std::string Gbk(const std::string& utf8) { return text::Utf8ToGbk(utf8); }

struct RoundTrip {
    const char* name;
    std::string input;
    std::string saved;  // what Xml() gives, and gives again after reloading it
};

const std::vector<RoundTrip> kRoundTrips = {
    {"compact topic document",
     "<选题范围><fund9140A0101 专题名称=\"材料\" 研究目的=\"9140A0101.rtf\"/></选题范围>",
     "<选题范围><fund9140A0101 专题名称=\"材料\" 研究目的=\"9140A0101.rtf\"/></选题范围>\n"},
    {"indentation between elements is dropped", "<a>\n  <b x=\"1\"/>\r\n\t<c/>\n</a>\n", "<a><b x=\"1\"/><c/></a>\n"},
    {"whitespace that is the whole content stays", "<a><b> </b></a>", "<a><b> </b></a>\n"},
    {"special characters in values", "<a v=\"&amp;&lt;&gt;&quot;'&#10;&#9;x\">t&amp;&lt;&gt;\"</a>",
     "<a v=\"&amp;&lt;&gt;&quot;'&#10;&#9;x\">t&amp;&lt;&gt;\"</a>\n"},
    {"character references become characters", "<a b=\"&#x5802;\">&#22530;</a>", "<a b=\"堂\">堂</a>\n"},
    {"comments, CDATA and instructions inside", "<a><!--c--><![CDATA[x<y]]><?pi data?></a>",
     "<a><!--c--><![CDATA[x<y]]><?pi data?></a>\n"},
    {"byte-order mark", "\xEF\xBB\xBF<a/>", "<a/>\n"},
    {"UTF-8 declaration kept", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a/>",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a/>\n"},
    {"declaration without encoding", "<?xml version=\"1.0\"?><a/>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a/>\n"},
    {"GBK file stays GBK", Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?><选题范围 名=\"堃\">中文</选题范围>"),
     Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?>\n<选题范围 名=\"堃\">中文</选题范围>\n")},
    {"GB2312 file holding a GBK-only character is read and written as GBK",
     Gbk("<?xml version=\"1.0\" encoding=\"gb2312\"?><单位 单位名称=\"堃\"/>"),
     Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?>\n<单位 单位名称=\"堃\"/>\n")},
};

TEST(DocumentRoundTrip, SavedBytesAreStableAndReloadTheSameTree) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        Document doc;
        ASSERT_TRUE(doc.LoadXml(c.input)) << doc.LastError();
        EXPECT_EQ(doc.Xml(), c.saved);
        Document again;
        ASSERT_TRUE(again.LoadXml(c.saved)) << again.LastError();
        EXPECT_EQ(again.Xml(), c.saved);
    }
}

TEST(DocumentRoundTrip, GbkFileReadsAsUtf8) {
    Document doc;
    ASSERT_TRUE(doc.LoadXml(kRoundTrips[9].input)) << doc.LastError();
    EXPECT_EQ(doc.Encoding(), "GBK");
    EXPECT_EQ(doc.DocumentElement().Name(), "选题范围");
    EXPECT_EQ(doc.DocumentElement().GetAttribute("名"), "堃");
    EXPECT_EQ(doc.DocumentElement().Text(), "中文");
}

TEST(DocumentFile, NewTopicDocumentIsTheBareElementInUtf8AndReplacesAnOldFile) {
    TempFolder dir;
    const std::string file = dir.File("选题范围.xml");
    ASSERT_TRUE(sys::WriteFileAtomic(file, "<old>longer content than the new file</old>"));

    Document doc;
    ASSERT_TRUE(doc.AppendChild(doc.CreateElement("选题范围")));
    ASSERT_TRUE(doc.Save(dir.Path() + "\\选题范围.xml")) << doc.LastError();  // the system's own separators

    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(file, bytes));
    EXPECT_EQ(bytes, "<选题范围/>\n");
    Document loaded;
    ASSERT_TRUE(loaded.Load(file)) << loaded.LastError();
    EXPECT_EQ(loaded.DocumentElement().Name(), "选题范围");
    EXPECT_FALSE(loaded.DocumentElement().FirstChild());
    EXPECT_EQ(loaded.Encoding(), "UTF-8");
}

TEST(DocumentFile, MissingFileOrFolderIsReportedWithThePath) {
    TempFolder dir;
    Document doc;
    const std::string missing = dir.File("nothing.xml");
    EXPECT_FALSE(doc.Load(missing));
    EXPECT_NE(doc.LastError().find(missing), std::string::npos) << doc.LastError();

    ASSERT_TRUE(doc.AppendChild(doc.CreateElement("a")));
    const std::string inMissingFolder = dir.File("no/such/folder.xml");
    EXPECT_FALSE(doc.Save(inMissingFolder));
    EXPECT_NE(doc.LastError().find(inMissingFolder), std::string::npos) << doc.LastError();
}

TEST(DocumentFile, NameThatTheEncodingCannotHoldFailsTheSaveAndKeepsTheOldFile) {
    TempFolder dir;
    const std::string file = dir.File("gbk.xml");
    Document doc;
    ASSERT_TRUE(doc.LoadXml(Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?><根/>")));
    ASSERT_TRUE(doc.Save(file)) << doc.LastError();
    std::string before;
    ASSERT_TRUE(sys::ReadFile(file, before));

    // A character outside GBK in text is written as a reference and survives.
    ASSERT_TRUE(doc.DocumentElement().SetAttribute("v", "\U0001F600"));
    ASSERT_TRUE(doc.Save(file)) << doc.LastError();
    Document reread;
    ASSERT_TRUE(reread.Load(file)) << reread.LastError();
    EXPECT_EQ(reread.DocumentElement().GetAttribute("v"), "\U0001F600");
    ASSERT_TRUE(sys::ReadFile(file, before));  // the file the failing save must keep

    // In a name it cannot be written at all.
    ASSERT_TRUE(doc.DocumentElement().AppendChild(doc.CreateElement("单位ب")));
    EXPECT_FALSE(doc.Save(file));
    EXPECT_FALSE(doc.LastError().empty());
    std::string after;
    ASSERT_TRUE(sys::ReadFile(file, after));
    EXPECT_EQ(after, before);
}

std::string Utf16Le(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

struct Hostile {
    const char* name;
    std::string bytes;
};

const std::vector<Hostile> kHostile = {
    {"empty", ""},
    {"unclosed element", "<a>"},
    {"mismatched end tag", "<a></b>"},
    {"two document elements", "<a/><b/>"},
    {"plain text", "not xml at all"},
    {"binary", std::string("\x00\x01\x02<a/>", 7)},
    {"NUL inside", std::string("<a>\0</a>", 8)},
    {"undeclared entity", "<a>&xxe;</a>"},
    {"invalid UTF-8 without declaration", "<a>\xFF\xFE</a>"},
    {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-no-such-code\"?><a/>"},
    {"GBK lead byte cut off", Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?><a v=\"") + "\x81\"/>"},
    {"entity expansion bomb",
     "<!DOCTYPE a [<!ENTITY a0 'xxxxxxxxxx'><!ENTITY a1 '&a0;&a0;&a0;&a0;&a0;&a0;&a0;&a0;&a0;&a0;'>"
     "<!ENTITY a2 '&a1;&a1;&a1;&a1;&a1;&a1;&a1;&a1;&a1;&a1;'><!ENTITY a3 '&a2;&a2;&a2;&a2;&a2;&a2;&a2;&a2;&a2;&a2;'>"
     "<!ENTITY a4 '&a3;&a3;&a3;&a3;&a3;&a3;&a3;&a3;&a3;&a3;'><!ENTITY a5 '&a4;&a4;&a4;&a4;&a4;&a4;&a4;&a4;&a4;&a4;'>"
     "<!ENTITY a6 '&a5;&a5;&a5;&a5;&a5;&a5;&a5;&a5;&a5;&a5;'><!ENTITY a7 '&a6;&a6;&a6;&a6;&a6;&a6;&a6;&a6;&a6;&a6;'>"
     "<!ENTITY a8 '&a7;&a7;&a7;&a7;&a7;&a7;&a7;&a7;&a7;&a7;'>]><a v='&a8;'>&a8;</a>"},
    {"external entity", "<!DOCTYPE a [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><a>&x;</a>"},
    {"external document type", "<!DOCTYPE a SYSTEM 'http://example.invalid/a.dtd'><a/>"},
    {"document type in UTF-16", Utf16Le("<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>")},
    {"nesting far too deep", std::string(100000, '<') + "a>"},
    {"deep but closed nesting", [] {
         std::string s;
         for (int i = 0; i < 5000; ++i) s += "<a>";
         for (int i = 0; i < 5000; ++i) s += "</a>";
         return s;
     }()},
};

TEST(DocumentLoad, MalformedOrHostileInputIsRefusedAndTheDocumentKept) {
    for (const Hostile& c : kHostile) {
        SCOPED_TRACE(c.name);
        Document doc;
        ASSERT_TRUE(doc.LoadXml("<keep a=\"1\"/>"));
        EXPECT_FALSE(doc.LoadXml(c.bytes));
        EXPECT_FALSE(doc.LastError().empty());
        EXPECT_EQ(doc.Xml(), "<keep a=\"1\"/>\n");
    }
}

TEST(DocumentLoad, DocumentTypeIsNamedAsTheReason) {
    for (const Hostile& c : kHostile) {
        if (c.bytes.find("DOCTYPE") == std::string::npos && c.bytes.find(std::string("D\0O", 3)) == std::string::npos) {
            continue;
        }
        SCOPED_TRACE(c.name);
        Document doc;
        EXPECT_FALSE(doc.LoadXml(c.bytes));
        EXPECT_NE(doc.LastError().find("document type"), std::string::npos) << doc.LastError();
    }
}

TEST(DocumentLoad, ErrorGivesTheLineOfTheFault) {
    Document doc;
    EXPECT_FALSE(doc.LoadXml("<a>\n<b>\n</a>"));
    EXPECT_NE(doc.LastError().find("line 3"), std::string::npos) << doc.LastError();
}

TEST(DocumentLoad, LoadingReplacesTheWholeContent) {
    Document doc;
    ASSERT_TRUE(doc.AppendChild(doc.CreateElement("first")));
    doc.CreateElement("never-inserted");
    ASSERT_TRUE(doc.LoadXml("<second><x/></second>"));
    EXPECT_EQ(doc.Xml(), "<second><x/></second>\n");
}

}  // namespace
