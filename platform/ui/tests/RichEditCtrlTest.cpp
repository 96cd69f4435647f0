// The rich edit control: content to and from the rich-text model, the
// window text, character and paragraph formats of the selection, the
// default format, the selection notification and read-only mode.
#include <gtest/gtest.h>

#include <QTextEdit>

#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;
namespace rt = richtext;

namespace {

constexpr int kEdit = 3130;

rt::Run Text(const std::string& s, bool bold = false, std::optional<rt::Colour> colour = {}) {
    rt::CharFormat f;
    f.face = "宋体";
    f.sizeTwips = 280;
    f.bold = bold;
    f.colour = colour;
    return {rt::Run::Kind::Text, f, s};
}

rt::Document Sample() {
    rt::Document doc;
    doc.paragraphs.push_back({{rt::Alignment::Centre, 0, 0}, {Text("项目概述", true, rt::Colour{255, 0, 0})}});
    rt::Paragraph body{{rt::Alignment::Left, 0, 580}, {Text("第一行"), Text("加粗", true)}};
    body.runs.push_back({rt::Run::Kind::Tab, Text("").format, ""});
    body.runs.push_back(Text("表格"));
    body.runs.push_back({rt::Run::Kind::LineBreak, Text("").format, ""});
    body.runs.push_back(Text("下一行"));
    doc.paragraphs.push_back(body);
    doc.paragraphs.push_back({{rt::Alignment::Right, 580, -580}, {}});
    doc.paragraphs.push_back({{}, {{rt::Run::Kind::Object, Text("").format, "{\\object\\objemb{\\*\\objdata 0102}}"}}});
    return doc;
}

class RichEditTest : public ::testing::Test {
protected:
    RichEditTest() {
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN, {5, 5, 380, 250}, &host,
                    kEdit);
        host.Listen(kEdit, EN_SELCHANGE);
    }
    ControlHost host;
    RichEditCtrl edit;
};

TEST_F(RichEditTest, ContentGoesToTheModelAndBackUnchanged) {
    edit.SetDocument(Sample());
    EXPECT_EQ(edit.GetDocument(), Sample());
}

TEST_F(RichEditTest, WindowTextIsThePlainTextOfARichEdit) {
    edit.SetDocument(Sample());
    EXPECT_EQ(edit.GetWindowText(), "项目概述\r\n第一行加粗\t表格\r\n下一行\r\n\r\n");
    edit.SetWindowText("甲\r\n乙");
    EXPECT_EQ(edit.GetWindowText(), "甲\r\n乙");
    EXPECT_EQ(edit.GetTextLength(), 3);
    edit.SetWindowText("");
    EXPECT_EQ(edit.GetWindowText(), "");
}

TEST_F(RichEditTest, TypingStopsAtTheLimitButTheProgramIsNotCut) {
    edit.LimitText(5);
    edit.SetWindowText("一二三四五六七");  // set by the program: kept whole
    EXPECT_EQ(edit.GetWindowText(), "一二三四五六七");
    edit.SetWindowText("一二三");
    edit.SetSel(3, 3);  // the caret at the end
    sim::Type(edit, "四五六七");
    EXPECT_EQ(edit.GetWindowText(), "一二三四五");
}

TEST_F(RichEditTest, NewWindowTextKeepsTheLastParagraphsFormat) {
    const rt::ParagraphFormat indented{rt::Alignment::Left, 0, 580};
    edit.SetDocument(rt::Document{{{indented, {Text("旧")}}}});
    edit.SetWindowText("");
    edit.SetWindowText("新\r\n文");
    const rt::Document doc = edit.GetDocument();
    ASSERT_EQ(doc.paragraphs.size(), 2u);
    for (const rt::Paragraph& p : doc.paragraphs) EXPECT_EQ(p.format, indented);
}

TEST_F(RichEditTest, SelectionFormatTellsWhatIsAlikeAndChangesOnlyTheSelection) {
    edit.SetDocument(Sample());
    const long body = 5;  // "第一行加粗" starts after "项目概述" and its paragraph end
    CharFormat cf;
    edit.SetSel(body, body + 5);
    EXPECT_FALSE(edit.GetSelectionCharFormat(cf) & CFM_BOLD);  // mixed
    EXPECT_TRUE(cf.dwMask & CFM_FACE);
    EXPECT_EQ(cf.szFaceName, "宋体");
    EXPECT_EQ(cf.yHeight, 280);

    edit.SetSel(body + 3, body + 5);
    edit.GetSelectionCharFormat(cf);
    EXPECT_TRUE((cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD));

    CharFormat blue;
    blue.dwMask = CFM_COLOR | CFM_ITALIC;
    blue.dwEffects = CFE_ITALIC;
    blue.crTextColor = RGB(0, 0, 255);
    edit.SetSel(body, body + 3);
    edit.SetSelectionCharFormat(blue);
    const rt::Document doc = edit.GetDocument();
    const rt::Run& changed = doc.paragraphs[1].runs[0];
    EXPECT_EQ(changed.text, "第一行");
    EXPECT_TRUE(changed.format.italic);
    EXPECT_EQ(changed.format.colour, (rt::Colour{0, 0, 255}));
    EXPECT_FALSE(doc.paragraphs[1].runs[1].format.italic);
}

TEST_F(RichEditTest, WordFormatAppliesToTheWordAtTheCaret) {
    edit.SetWindowText("alpha beta gamma");
    edit.SetSel(8, 8);  // inside "beta"
    CharFormat bold;
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    edit.SetWordCharFormat(bold);
    const auto runs = edit.GetDocument().paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].text, "beta");
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_FALSE(runs[0].format.bold);
}

TEST_F(RichEditTest, ParagraphFormatInRichEditTerms) {
    edit.SetDocument(Sample());
    ParaFormat pf;
    edit.SetSel(0, 0);
    edit.GetParaFormat(pf);
    EXPECT_EQ(pf.wAlignment, PFA_CENTER);
    edit.SetSel(6, 6);
    edit.GetParaFormat(pf);
    EXPECT_EQ(pf.dxStartIndent, 580);  // first line indented
    EXPECT_EQ(pf.dxOffset, -580);

    ParaFormat hanging;
    hanging.dwMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_OFFSET;
    hanging.wAlignment = PFA_RIGHT;
    hanging.dxStartIndent = 0;
    hanging.dxOffset = 360;
    edit.SetSel(0, 8);  // the first two paragraphs
    edit.SetParaFormat(hanging);
    const rt::Document doc = edit.GetDocument();
    for (int i : {0, 1}) {
        EXPECT_EQ(doc.paragraphs[i].format.alignment, rt::Alignment::Right);
        EXPECT_EQ(doc.paragraphs[i].format.leftIndentTwips, 360);
        EXPECT_EQ(doc.paragraphs[i].format.firstIndentTwips, -360);
    }
    EXPECT_EQ(doc.paragraphs[2].format.leftIndentTwips, 580);  // untouched
}

TEST_F(RichEditTest, DefaultFormatIsWhatTypingInAnEmptyControlGets) {
    CharFormat def;
    def.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    def.szFaceName = "宋体";
    def.yHeight = 210;
    def.crTextColor = RGB(255, 0, 0);
    edit.SetDefaultCharFormat(def);
    sim::Type(edit, "abc");
    const rt::Run run = edit.GetDocument().paragraphs.at(0).runs.at(0);
    EXPECT_EQ(run.text, "abc");
    EXPECT_EQ(run.format.face, "宋体");
    EXPECT_EQ(run.format.sizeTwips, 210);
    EXPECT_EQ(run.format.colour, (rt::Colour{255, 0, 0}));
    EXPECT_FALSE(run.format.bold);
}

TEST_F(RichEditTest, SelectionChangesAreReportedOnlyWhenAskedFor) {
    edit.SetWindowText("一二三");
    host.heard.clear();
    edit.SetSel(0, 2);
    EXPECT_TRUE(host.heard.empty());
    EXPECT_EQ(edit.SetEventMask(ENM_SELCHANGE), ENM_NONE);
    edit.SetSel(1, 2);
    edit.SetSel(1, 2);  // the same selection again
    sim::PressKey(edit, VK_RIGHT);
    EXPECT_EQ(host.heard, (std::vector<ControlHost::Heard>{{kEdit, EN_SELCHANGE}, {kEdit, EN_SELCHANGE}}));
    EXPECT_EQ(edit.GetSelText(), "");
}

TEST_F(RichEditTest, ReadOnlyRefusesTypingAndClearing) {
    edit.SetWindowText("保留");
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.IsReadOnly());
    edit.SetSel(0, -1);
    sim::Type(edit, "x");
    edit.Clear();
    EXPECT_EQ(edit.GetWindowText(), "保留");
    EXPECT_FALSE(edit.CanPaste());
    edit.SetReadOnly(FALSE);
    edit.SetSel(0, 1);
    edit.Clear();
    EXPECT_EQ(edit.GetWindowText(), "留");
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(edit.GetWindowText(), "保留");
}

}  // namespace

TEST_F(RichEditTest, APastedTableBecomesATableOfTheModelATableInACellATableInside) {
    auto* editor = qobject_cast<QTextEdit*>(edit.GetWidget());
    ASSERT_TRUE(editor);
    editor->setHtml("<p>before</p><table><tr><td>a</td><td><table><tr><td>x</td><td>y</td></tr></table></td></tr>"
                    "<tr><td>b</td><td>c</td></tr></table><p>after</p>");
    const rt::Document doc = edit.GetDocument();
    std::vector<std::string> texts;
    for (const rt::Paragraph& p : doc.paragraphs)
        texts.push_back((p.format.inTable ? std::string(p.format.nesting + 1, '|') : "") +
                        (p.runs.empty() ? std::string() : p.runs[0].text) + (p.endsRow ? "/" : ""));
    // The editor's own empty blocks around a table come along as empty paragraphs.
    EXPECT_EQ(texts, (std::vector<std::string>{"before", "|a", "|", "||x", "||y/", "|/", "|b", "|c/", "", "after"}));
    ASSERT_TRUE(doc.paragraphs[7].endsRow);
    EXPECT_EQ(doc.paragraphs[7].endsRow->cells.size(), 2u);
    ASSERT_TRUE(doc.paragraphs[4].endsRow);
    EXPECT_EQ(doc.paragraphs[4].endsRow->cells.size(), 2u);
}
