// The parts of a package are parsed without document types: a template or
// workbook that carries one (in any encoding) is refused, entity definitions
// and all.
#include "platform/office/Xml.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf16Le(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

TEST(PackagePartXml, DocumentTypesAreRefused) {
    std::string bomb = "<!DOCTYPE w [<!ENTITY a0 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'>";
    for (int level = 1; level <= 10; ++level) {
        bomb += "<!ENTITY a" + std::to_string(level) + " '";
        for (int k = 0; k < 20; ++k) bomb += "&a" + std::to_string(level - 1) + ";";
        bomb += "'>";
    }
    bomb += "]><w>&a10;</w>";
    struct Case { const char* what; std::string bytes; } cases[] = {
        {"internal entity", "<!DOCTYPE w [<!ENTITY e 'x'>]><w>&e;</w>"},
        {"external entity", "<!DOCTYPE w [<!ENTITY e SYSTEM 'file:///etc/hostname'>]><w>&e;</w>"},
        {"external subset", "<!DOCTYPE w SYSTEM 'http://example.invalid/w.dtd'><w/>"},
        {"nested entities", bomb},
        {"UTF-16", Utf16Le("<?xml version='1.0' encoding='UTF-16'?><!DOCTYPE w [<!ENTITY e 'x'>]><w>&e;</w>")},
    };
    for (const Case& c : cases) EXPECT_EQ(office::xml::Parse(c.bytes), nullptr) << c.what;
}

TEST(PackagePartXml, APlainPartIsReadWithoutItsIndentation) {
    office::xml::DocPtr doc = office::xml::Parse("<w>\n  <p>文字</p>\n</w>");
    ASSERT_NE(doc, nullptr);
    xmlNode* root = xmlDocGetRootElement(doc.get());
    ASSERT_NE(root, nullptr);
    ASSERT_NE(root->children, nullptr);
    EXPECT_EQ(root->children->type, XML_ELEMENT_NODE);
    EXPECT_EQ(root->children, root->last);
}

TEST(PackagePartXml, TextsAreEscapedAndCharactersXmlForbidsAreDropped) {
    const struct {
        std::string text, escaped;
    } cases[] = {
        {"", ""},
        {"合计 12.5", "合计 12.5"},
        {"&", "&amp;"},
        {"<a href=\"x\">R&D</a>", "&lt;a href=&quot;x&quot;&gt;R&amp;D&lt;/a&gt;"},
        {"tab\tline\nreturn\r", "tab\tline\nreturn\r"},
        {std::string("\x01" "bell\x07, nul\0 and escape\x1b", 24), "bell, nul and escape"},
        {"'single'", "'single'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(office::xml::Escape(c.text), c.escaped) << c.text;
        std::string appended = "<t>";
        office::xml::EscapeTo(appended, c.text);
        EXPECT_EQ(appended, "<t>" + c.escaped) << c.text;
    }
}

}  // namespace
