// Working on the tree: the topic document's own operations (adding in name
// order, renumbering a subject by copying its directions, finding a unit by
// its code), selection, walking, and the rules that keep the tree sound.
#include "platform/xmldom/Document.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/text/Text.h"

namespace {

using xmldom::Document;
using xmldom::Node;

const char* kTopic =
    "<选题范围>"
    "<fund9140A0101 专题名称=\"材料\" 研究目的=\"9140A0101.rtf\">"
    "<fund9140A010102 研究方向名称=\"涂层\" 是否重点研究方向=\"1\">"
    "<单位1 单位代码=\"001\" 单位名称=\"一所\"/><单位2 单位代码=\"002\" 单位名称=\"二所\"/>"
    "</fund9140A010102>"
    "<fund9140A010101 研究方向名称=\"结构\" 是否重点研究方向=\"0\"/>"
    "</fund9140A0101>"
    "<fund9140A0104 专题名称=\"工艺\" 研究目的=\"9140A0104.rtf\"/>"
    "</选题范围>";

Document LoadTopic() {
    Document doc;
    EXPECT_TRUE(doc.LoadXml(kTopic)) << doc.LastError();
    return doc;
}

std::vector<std::string> Names(const std::vector<Node>& nodes) {
    std::vector<std::string> out;
    for (const Node& n : nodes) out.push_back(n.Name());
    return out;
}

// The editors' order rule: before the first sibling whose name is not smaller,
// without regard to ASCII case; appended when there is none.
void InsertInNameOrder(Node parent, Node element) {
    const std::string name = text::ToLowerAscii(element.Name());
    for (Node sibling : parent.ChildElements()) {
        if (text::ToLowerAscii(sibling.Name()) >= name) {
            ASSERT_TRUE(parent.InsertBefore(element, sibling));
            return;
        }
    }
    ASSERT_TRUE(parent.AppendChild(element));
}

TEST(TopicDocument, AddedSubjectsLandInNameOrderAndSurviveASave) {
    Document doc = LoadTopic();
    Node root = doc.DocumentElement();
    for (const char* name : {"fund9140A0103", "fund9140a0101", "fund9140A0109"}) {
        Node subject = doc.CreateElement(name);
        ASSERT_TRUE(subject.SetAttribute("专题名称", "新专题"));
        InsertInNameOrder(root, subject);
    }
    const std::vector<std::string> expected = {"fund9140a0101", "fund9140A0101", "fund9140A0103", "fund9140A0104",
                                               "fund9140A0109"};
    EXPECT_EQ(Names(root.ChildElements()), expected);

    Document reread;
    ASSERT_TRUE(reread.LoadXml(doc.Xml())) << reread.LastError();
    EXPECT_EQ(Names(reread.DocumentElement().ChildElements()), expected);
    EXPECT_EQ(reread.SelectSingleNode("/选题范围/fund9140A0103").GetAttribute("专题名称"), "新专题");
}

TEST(TopicDocument, RenumberedSubjectCarriesItsDirectionsAndDeepCopiesOfTheirUnits) {
    Document doc = LoadTopic();
    Node root = doc.DocumentElement();
    Node old = root.SelectSingleNode("fund9140A0101");
    ASSERT_TRUE(old);

    Node renumbered = doc.CreateElement("fund9140A0105");
    renumbered.SetAttribute("专题名称", "材料（新）");
    renumbered.SetAttribute("研究目的", "9140A0105.rtf");
    InsertInNameOrder(root, renumbered);
    for (Node direction : old.ChildElements()) {
        const std::string suffix = direction.Name().substr(std::string("fund9140A0101").size());
        Node copy = doc.CreateElement("fund9140A0105" + suffix);
        for (const char* attribute : {"研究方向名称", "是否重点研究方向"}) {
            ASSERT_TRUE(copy.SetAttribute(attribute, direction.GetAttribute(attribute)));
        }
        for (Node unit : direction.ChildElements()) ASSERT_TRUE(copy.AppendChild(unit.CloneNode(true)));
        ASSERT_TRUE(renumbered.AppendChild(copy));
    }
    // The copies are independent of the originals.
    renumbered.SelectSingleNode("*/单位1").SetAttribute("单位名称", "改名");
    EXPECT_EQ(old.SelectSingleNode("*/单位1").GetAttribute("单位名称"), "一所");
    ASSERT_TRUE(root.RemoveChild(old));

    EXPECT_EQ(doc.Xml(),
              "<选题范围>"
              "<fund9140A0104 专题名称=\"工艺\" 研究目的=\"9140A0104.rtf\"/>"
              "<fund9140A0105 专题名称=\"材料（新）\" 研究目的=\"9140A0105.rtf\">"
              "<fund9140A010502 研究方向名称=\"涂层\" 是否重点研究方向=\"1\">"
              "<单位1 单位代码=\"001\" 单位名称=\"改名\"/><单位2 单位代码=\"002\" 单位名称=\"二所\"/>"
              "</fund9140A010502>"
              "<fund9140A010501 研究方向名称=\"结构\" 是否重点研究方向=\"0\"/>"
              "</fund9140A0105>"
              "</选题范围>\n");
}

TEST(TopicDocument, UnitIsFoundByItsCodeWhateverQuotesTheCodeHolds) {
    Document doc = LoadTopic();
    Node direction = doc.SelectSingleNode("/选题范围/fund9140A0101/fund9140A010102");
    ASSERT_TRUE(direction);
    EXPECT_EQ(direction.SelectSingleNode("*[@单位代码=" + xmldom::XPathLiteral("002") + "]").Name(), "单位2");
    EXPECT_EQ(doc.SelectSingleNode("//*[@单位代码='001']").GetAttribute("单位名称"), "一所");
    EXPECT_FALSE(direction.SelectSingleNode("*[@单位代码='003']"));

    for (const std::string code : {"O'Brien", "say \"x\"", "it's \"both\"", "'\"", ""}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(direction.LastChild().SetAttribute("单位代码", code));
        Node found = direction.SelectSingleNode("*[@单位代码=" + xmldom::XPathLiteral(code) + "]");
        EXPECT_EQ(found, direction.LastChild()) << doc.LastError();
    }
}

TEST(XPathLiteral, QuotesWithTheQuoteTheValueLacksOrJoinsPieces) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc", "'abc'"},
        {"", "''"},
        {"it's", "\"it's\""},
        {"a'b\"c", "concat('a', \"'\", 'b\"c')"},
        {"'\"", "concat(\"'\", '\"')"},
    };
    for (const auto& [value, literal] : cases) EXPECT_EQ(xmldom::XPathLiteral(value), literal) << value;
}

TEST(Selection, FirstElementInDocumentOrderOrNull) {
    Document doc = LoadTopic();
    Node root = doc.DocumentElement();
    Node subject = root.FirstChild();
    struct Case {
        Node context;  // null: the document
        const char* xpath;
        const char* expected;  // "" when nothing is selected
    };
    const std::vector<Case> cases = {
        {Node(), "选题范围", "选题范围"},
        {Node(), "/选题范围/fund9140A0104", "fund9140A0104"},
        {Node(), "选题范围/fund9140A0199", ""},
        {root, "fund9140A0101", "fund9140A0101"},
        {root, "*[2]", "fund9140A0104"},
        {root, "fund9140A0101/*[last()]", "fund9140A010101"},
        {root, ".//*[@单位代码]", "单位1"},
        {root, "//*[@是否重点研究方向='0'] | //单位2", "fund9140A010102/单位2"},
        {subject, "..", "选题范围"},
        {subject, "@专题名称", ""},  // an attribute is not an element
        {root, "count(*)", ""},      // neither is a number
        {root, "..", ""},            // nor the document
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xpath);
        Node found = c.context ? c.context.SelectSingleNode(c.xpath) : doc.SelectSingleNode(c.xpath);
        std::string expected = c.expected;
        if (expected.find('/') != std::string::npos) {  // parent/child: name the element by its path
            EXPECT_EQ(found.ParentNode().Name() + "/" + found.Name(), expected);
        } else {
            EXPECT_EQ(found.Name(), expected);
        }
    }
}

TEST(Selection, InvalidExpressionSelectsNothingAndSaysWhy) {
    Document doc = LoadTopic();
    for (const char* xpath : {"fund[", "", "///", "@", "\xFF", "unknown-function()"}) {
        SCOPED_TRACE(xpath);
        EXPECT_FALSE(doc.DocumentElement().SelectSingleNode(xpath));
        EXPECT_FALSE(doc.LastError().empty());
    }
}

TEST(Walk, ChildrenSiblingsAndParents) {
    Document doc;
    ASSERT_TRUE(doc.LoadXml("<r><a/><!--note--><b>text</b><c/></r>"));
    Node root = doc.DocumentElement();

    std::vector<std::string> forward, backward;
    for (Node n = root.FirstChild(); n; n = n.NextSibling()) forward.push_back(n.Name());
    for (Node n = root.LastChild(); n; n = n.PreviousSibling()) backward.push_back(n.Name());
    EXPECT_EQ(forward, (std::vector<std::string>{"a", "#comment", "b", "c"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"c", "b", "#comment", "a"}));
    EXPECT_EQ(Names(root.ChildNodes()), forward);
    EXPECT_EQ(Names(root.ChildElements()), (std::vector<std::string>{"a", "b", "c"}));

    Node b = root.SelectSingleNode("b");
    EXPECT_EQ(b.FirstChild().Type(), xmldom::NodeType::Text);
    EXPECT_EQ(b.FirstChild().ParentNode(), b);
    EXPECT_EQ(b.ParentNode(), root);
    EXPECT_FALSE(root.ParentNode());
    EXPECT_FALSE(root.NextSibling());
    EXPECT_FALSE(Node().FirstChild());
    EXPECT_EQ(Node().Name(), "");
}

TEST(TreeRules, RefusedChangesLeaveTheTreeAsItWas) {
    Document doc = LoadTopic();
    Document other;
    Node foreign = other.CreateElement("fund9140A0109");
    Node root = doc.DocumentElement();
    Node subject = root.SelectSingleNode("fund9140A0101");
    Node direction = subject.FirstChild();
    Node textHolder = doc.CreateElement("t");
    ASSERT_TRUE(textHolder.SetText("x"));
    ASSERT_TRUE(root.AppendChild(textHolder));
    const std::string before = doc.Xml();

    const std::vector<std::pair<const char*, std::function<bool()>>> refused = {
        {"a node into itself", [&] { return subject.AppendChild(subject); }},
        {"an ancestor into its descendant", [&] { return direction.AppendChild(root); }},
        {"a node of another document", [&] { return root.AppendChild(foreign); }},
        {"a null node", [&] { return root.AppendChild(Node()); }},
        {"before a node that is not a child", [&] { return root.InsertBefore(doc.CreateElement("x"), direction); }},
        {"before itself", [&] { return root.InsertBefore(subject, subject); }},
        {"into a text node", [&] { return textHolder.FirstChild().AppendChild(doc.CreateElement("x")); }},
        {"removing a grandchild", [&] { return root.RemoveChild(direction); }},
        {"replacing a node that is not a child", [&] { return root.ReplaceChild(doc.CreateElement("x"), direction); }},
        {"replacing with an ancestor", [&] { return direction.ReplaceChild(root, direction.FirstChild()); }},
        {"a second document element", [&] { return doc.AppendChild(doc.CreateElement("x")); }},
        {"a foreign document element", [&] { return Document().AppendChild(foreign); }},
    };
    for (const auto& [name, change] : refused) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(change());
        EXPECT_EQ(doc.Xml(), before);
    }
}

TEST(TreeRules, MovedRemovedAndReplacedNodesStayUsable) {
    Document doc = LoadTopic();
    Node root = doc.DocumentElement();
    Node first = root.SelectSingleNode("fund9140A0101");
    Node last = root.SelectSingleNode("fund9140A0104");

    // Inserting a node that sits elsewhere moves it.
    ASSERT_TRUE(root.InsertBefore(last, first));
    EXPECT_EQ(Names(root.ChildElements()), (std::vector<std::string>{"fund9140A0104", "fund9140A0101"}));

    // A removed node keeps its subtree and can go back in.
    ASSERT_TRUE(root.RemoveChild(first));
    EXPECT_FALSE(first.ParentNode());
    EXPECT_EQ(first.ChildElements().size(), 2u);
    ASSERT_TRUE(root.AppendChild(first));
    EXPECT_EQ(doc.SelectSingleNode("//*[@单位代码='002']").ParentNode().ParentNode(), first);

    // Replacing puts the new node in the old one's place; the old one is detached.
    Node replacement = first.CloneNode(false);
    ASSERT_TRUE(replacement.SetAttribute("专题名称", "替换"));
    ASSERT_TRUE(root.ReplaceChild(replacement, first));
    EXPECT_EQ(root.LastChild(), replacement);
    EXPECT_TRUE(replacement.ChildNodes().empty());  // a shallow clone has attributes only
    EXPECT_EQ(replacement.GetAttribute("研究目的"), "9140A0101.rtf");
    EXPECT_FALSE(first.ParentNode());
    ASSERT_TRUE(replacement.AppendChild(first.FirstChild()));
    EXPECT_EQ(Names(replacement.ChildElements()), (std::vector<std::string>{"fund9140A010102"}));

    // Replacing a text sets the element's only child; earlier children stay usable.
    Node kept = replacement.FirstChild();
    ASSERT_TRUE(replacement.SetText("a<b&c"));
    EXPECT_EQ(replacement.Text(), "a<b&c");
    ASSERT_TRUE(root.AppendChild(kept));
    EXPECT_EQ(root.LastChild(), kept);
    ASSERT_TRUE(replacement.SetText(""));
    EXPECT_FALSE(replacement.FirstChild());

    // Handles survive moving the document.
    Document moved = std::move(doc);
    EXPECT_EQ(moved.DocumentElement(), root);
    EXPECT_NE(moved.Xml().find("<fund9140A0101 专题名称=\"替换\" 研究目的=\"9140A0101.rtf\"/>"), std::string::npos)
        << moved.Xml();
}

TEST(Values, NamesAndTextsXmlCannotCarryAreRefused) {
    Document doc;
    for (const char* name : {"选题范围", "单位1", "fund9140A0101", "s:Schema", "_x-y.z"}) {
        EXPECT_TRUE(doc.CreateElement(name)) << name;
    }
    Node e = doc.CreateElement("e");
    ASSERT_TRUE(e.SetAttribute("a", "keep"));
    for (const char* name : {"", "1abc", "a b", "a>", "-a", "\xFF", "单位\x01"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(doc.CreateElement(name));
        EXPECT_FALSE(e.SetAttribute(name, "v"));
    }
    const std::vector<std::string> badValues = {
        "\x01", "a\x1F", "a\xFF" "b", "\xED\xA0\x80" /* surrogate */, "\xC0\x80" /* overlong NUL */,
        "\xEF\xBF\xBF" /* U+FFFF */, std::string("a\0b", 3), "\xE4\xB8"};
    for (const std::string& value : badValues) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(e.SetAttribute("a", value));
        EXPECT_FALSE(e.SetText(value));
        EXPECT_EQ(e.GetAttribute("a"), "keep");
    }
    ASSERT_TRUE(doc.AppendChild(e));
    for (const std::string value : {"tab\tline\nreturn\r", "\U0001F600 中文", "", "  spaced  "}) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(e.SetAttribute("a", value));
        Document reread;
        ASSERT_TRUE(reread.LoadXml(doc.Xml())) << reread.LastError();
        EXPECT_EQ(reread.DocumentElement().GetAttribute("a"), value);
    }
}

TEST(Values, AttributesAbsentSetReplacedAndRemoved) {
    Document doc = LoadTopic();
    Node direction = doc.SelectSingleNode("//fund9140A010101");
    EXPECT_FALSE(direction.HasAttribute("备注"));
    EXPECT_EQ(direction.GetAttribute("备注"), "");

    ASSERT_TRUE(direction.SetAttribute("是否重点研究方向", "1"));
    EXPECT_EQ(direction.GetAttribute("是否重点研究方向"), "1");
    ASSERT_TRUE(direction.RemoveAttribute("是否重点研究方向"));
    EXPECT_FALSE(direction.HasAttribute("是否重点研究方向"));
    EXPECT_TRUE(direction.RemoveAttribute("是否重点研究方向"));  // already gone
    EXPECT_EQ(doc.SelectSingleNode("//fund9140A010101").GetAttribute("研究方向名称"), "结构");
    EXPECT_FALSE(direction.FirstChild().SetAttribute("a", "b"));  // null node
}

TEST(Values, PrefixedNamesAreReadAsWritten) {
    Document doc;
    ASSERT_TRUE(doc.LoadXml("<s:Schema xmlns:s=\"urn:s\" s:id=\"x\" id=\"y\"><s:a/></s:Schema>"));
    Node root = doc.DocumentElement();
    EXPECT_EQ(root.Name(), "s:Schema");
    EXPECT_EQ(root.GetAttribute("s:id"), "x");
    EXPECT_EQ(root.GetAttribute("id"), "y");
    ASSERT_TRUE(root.SetAttribute("s:id", "z"));
    EXPECT_EQ(doc.Xml(), "<s:Schema xmlns:s=\"urn:s\" s:id=\"z\" id=\"y\"><s:a/></s:Schema>\n");
}

}  // namespace
