#include "platform/xmldom/Document.h"

#include <gtest/gtest.h>

TEST(Document, Smoke) {
    xmldom::Document doc;
    xmldom::Node root = doc.CreateElement("选题范围");
    ASSERT_TRUE(doc.AppendChild(root));
    EXPECT_EQ(doc.Xml(), "<选题范围/>\n");
}
