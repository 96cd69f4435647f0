// COleRichEdit: RTF files in and out, the formatting commands with the
// choosers answered by the test driver, the right-button menu of each
// variant, and the default format set on creation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>

#include "widgets/OleRichEdit.h"
#include "platform/richtext/PlainText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/tests/ChapterCases.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;
namespace rt = richtext;

namespace {

class Host : public Dialog {
public:
    Host() : Dialog(Template()) { Create(); }
    static const DialogTemplate& Template() {
        static const DialogTemplate t{5517, "研究目标及研究内容", {0, 0, 300, 200}, {}};
        return t;
    }
};

rt::CharFormat Face(int size, bool bold = false, std::optional<rt::Colour> colour = {}) {
    rt::CharFormat f;
    f.face = "仿宋_GB2312";
    f.sizeTwips = size;
    f.bold = bold;
    f.colour = colour;
    return f;
}

// A chapter with Chinese text, bold, colour, alignment and indents.
rt::Document Chapter() {
    rt::Document doc;
    doc.paragraphs.push_back({{rt::Alignment::Centre, 0, 0}, {{rt::Run::Kind::Text, Face(320, true), "研究目标"}}});
    doc.paragraphs.push_back({{rt::Alignment::Left, 0, 580},
                              {{rt::Run::Kind::Text, Face(280), "本项目研究"},
                               {rt::Run::Kind::Text, Face(280, false, rt::Colour{255, 0, 0}), "关键技术"},
                               {rt::Run::Kind::Text, Face(280), "。"}}});
    doc.paragraphs.push_back({{rt::Alignment::Right, 580, -580}, {{rt::Run::Kind::Text, Face(280), "二〇二四年"}}});
    return doc;
}

class OleRichEditTest : public ::testing::Test {
protected:
    OleRichEditTest() {
        folder = std::filesystem::temp_directory_path() / ("olerichedit-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, {0, 0, 400, 250}, &host, 3130);
    }
    ~OleRichEditTest() override { std::filesystem::remove_all(folder); }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::filesystem::path folder;
    Host host;
    COleRichEdit edit;
};

TEST_F(OleRichEditTest, RtfLoadedAndSavedBackKeepsTextAndFormats) {
    ASSERT_TRUE(sys::WriteFileAtomic(Path("xmjj.rtf"), rt::WriteRtf(Chapter())));
    EXPECT_EQ(edit.LoadRtfFile(Path("xmjj.rtf")), 21);  // characters, paragraph ends counting one
    EXPECT_EQ(edit.GetWindowText(), "研究目标\r\n本项目研究关键技术。\r\n二〇二四年");
    const long written = edit.SaveRtfFile(Path("saved.rtf"));
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(written, long(saved.size()));
    const rt::Document back = rt::ReadRtf(saved), original = rt::ReadRtf(rt::WriteRtf(Chapter()));
    ASSERT_EQ(back.paragraphs.size(), original.paragraphs.size());
    for (size_t i = 0; i < back.paragraphs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back.paragraphs[i].format, original.paragraphs[i].format);
        ASSERT_EQ(back.paragraphs[i].runs.size(), original.paragraphs[i].runs.size());
        for (size_t r = 0; r < back.paragraphs[i].runs.size(); ++r) {
            const rt::Run &a = back.paragraphs[i].runs[r], &b = original.paragraphs[i].runs[r];
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.format.face, b.format.face);
            EXPECT_EQ(a.format.sizeTwips, b.format.sizeTwips);
            EXPECT_EQ(a.format.bold, b.format.bold);
            EXPECT_EQ(a.format.colour.has_value(), b.format.colour.has_value());
            if (a.format.colour && b.format.colour) {
                EXPECT_EQ(*a.format.colour, *b.format.colour);
            }
        }
    }
    EXPECT_EQ(edit.GetWindowText(), rt::PlainTextOfRtf(saved));
}

TEST_F(OleRichEditTest, AMissingFileReadsNothingAndLeavesTheContent) {
    edit.SetWindowText("原有内容");
    EXPECT_EQ(edit.LoadRtfFile(Path("missing.rtf")), 0);
    EXPECT_EQ(edit.GetWindowText(), "原有内容");
    ASSERT_TRUE(sys::TruncateFile(Path("empty.rtf")));
    EXPECT_EQ(edit.LoadRtfFile(Path("empty.rtf")), 0);  // an empty file empties the control
    EXPECT_EQ(edit.GetWindowText(), "");
}

TEST_F(OleRichEditTest, SavingWhereNoFileCanBeMadeFailsWithoutHarm) {
    edit.SetWindowText("内容");
    EXPECT_EQ(edit.SaveRtfFile(Path("no-such-folder/x.rtf")), 0);
    ASSERT_TRUE(sys::WriteFileAtomic(Path("old.rtf"), "{\\rtf1 old}"));
    EXPECT_GT(edit.SaveRtfFile(Path("old.rtf")), 0);  // an existing file is replaced whole
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("old.rtf"), saved));
    EXPECT_EQ(rt::PlainTextOfRtf(saved), "内容");
}

TEST_F(OleRichEditTest, TogglesWorkOnTheSelectionOrTheWordAtTheCaret) {
    edit.SetWindowText("alpha beta");
    edit.SetSel(2, 2);
    edit.ToggleBold();
    edit.SetSel(6, 10);
    edit.ToggleItalic();
    edit.ToggleUnderline();
    edit.SetSel(6, 10);
    edit.ToggleItalic();  // off again
    const rt::Document doc = edit.GetDocument();
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "alpha");
    EXPECT_TRUE(runs[0].format.bold);
    EXPECT_EQ(runs[2].text, "beta");
    EXPECT_FALSE(runs[2].format.italic);
    EXPECT_TRUE(runs[2].format.underline);
    EXPECT_FALSE(runs[2].format.bold);
}

TEST_F(OleRichEditTest, AlignmentCommandsSetTheRichEditValues) {
    edit.SetWindowText("一\r\n二");
    const std::pair<void (COleRichEdit::*)(), int> cases[] = {
        {&COleRichEdit::AlignCenter, PFA_CENTER}, {&COleRichEdit::AlignRight, PFA_RIGHT}, {&COleRichEdit::AlignLeft, PFA_LEFT}};
    for (const auto& [command, value] : cases) {
        edit.SetSel(0, -1);
        (edit.*command)();
        ParaFormat pf;
        edit.SetSel(2, 2);
        edit.GetParaFormat(pf);
        EXPECT_EQ(pf.wAlignment, value);
    }
}

TEST_F(OleRichEditTest, ColourAndFontComeFromTheChoosers) {
    TestDriver driver;
    edit.SetWindowText("标题 正文");
    driver.AnswerColor(RGB(0, 0, 255));
    edit.SetSel(0, 2);
    edit.ChooseColor();
    FontSpec font{"黑体", 11, true, false, false, RGB(0, 128, 0)};  // size left as offered (10.5 → 11)
    driver.AnswerFont(font);
    edit.SetSel(3, 5);
    edit.ChooseFont();
    driver.AnswerColor(RGB(1, 2, 3), false);  // cancelled: nothing changes
    edit.ChooseColor();
    EXPECT_TRUE(driver.Finished());

    const rt::Document doc = edit.GetDocument();
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].format.colour, (rt::Colour{0, 0, 255}));
    EXPECT_EQ(runs[2].format.face, "黑体");
    EXPECT_TRUE(runs[2].format.bold);
    EXPECT_EQ(runs[2].format.colour, (rt::Colour{0, 128, 0}));
    EXPECT_EQ(runs[2].format.sizeTwips, 210);  // the exact height is kept
}

TEST_F(OleRichEditTest, StandardVariantSetsTheDefaultFormatOnCreation) {
    CharFormat def;
    edit.GetDefaultCharFormat(def);
    EXPECT_EQ(def.szFaceName, "宋体");
    EXPECT_EQ(def.yHeight, 210);
    EXPECT_EQ(def.crTextColor, RGB(255, 0, 0));
    EXPECT_TRUE(edit.IsCallbackInstalled());

    COleRichEdit guide(COleRichEdit::Variant::AnnualGuide);
    guide.Create(WS_CHILD | WS_VISIBLE, {0, 0, 100, 100}, &host, 3131);
    guide.GetDefaultCharFormat(def);
    EXPECT_NE(def.szFaceName, "宋体");
}

std::vector<std::string> Enabled(const std::vector<COleRichEdit::MenuItem>& items) {
    std::vector<std::string> names;
    for (const auto& i : items)
        if (i.id && i.enabled) names.push_back(std::to_string(i.id) + i.text);
    return names;
}

TEST_F(OleRichEditTest, TheMenuOfEachVariantWithItsEnableRules) {
    QApplication::clipboard()->setText("剪贴板");
    EXPECT_EQ(Enabled(edit.ContextMenu()), (std::vector<std::string>{"102字体", "105粘贴", "107全选"}));
    EXPECT_EQ(edit.ContextMenu().size(), 10u);  // with three separators

    COleRichEdit guide(COleRichEdit::Variant::AnnualGuide);
    guide.Create(WS_CHILD | WS_VISIBLE, {0, 0, 100, 100}, &host, 3131);
    guide.SetWindowText("内容");
    guide.SetSel(0, 1);
    guide.ReplaceSel("新");
    guide.SetSel(0, 1);
    EXPECT_EQ(Enabled(guide.ContextMenu()),
              (std::vector<std::string>{"101撤销", "102剪切", "103复制", "104粘贴", "105清空", "106全选"}));
    guide.OnMenuCommand(105);  // clear
    EXPECT_EQ(guide.GetWindowText(), "容");
    guide.OnMenuCommand(106);  // select all
    long start = 0, end = 0;
    guide.GetSel(start, end);
    EXPECT_EQ(end - start, 1);
    guide.OnMenuCommand(101);  // undo
    EXPECT_EQ(guide.GetWindowText(), "新容");
}

// The right button opens the menu and runs the chosen item.
class ScriptedMenu : public COleRichEdit {
public:
    int answer = 0;
    std::vector<MenuItem> shown;
    void RightClick() { GetWidget()->customContextMenuRequested(QPoint(5, 5)); }

protected:
    int TrackContextMenu(const std::vector<MenuItem>& items, Point) override {
        shown = items;
        return answer;
    }
};

TEST_F(OleRichEditTest, RightButtonShowsTheMenuAndRunsTheChoice) {
    ScriptedMenu menu;
    menu.Create(WS_CHILD | WS_VISIBLE, {0, 0, 200, 100}, &host, 3132);
    menu.SetWindowText("全部文字");
    menu.answer = 107;  // 全选
    menu.RightClick();
    EXPECT_EQ(menu.shown.size(), 10u);
    long start = 0, end = 0;
    menu.GetSel(start, end);
    EXPECT_EQ(end - start, 4);
}

}  // namespace

namespace {

// A chapter as the Windows rich edit writes it: a table with a merged
// heading and borders, a numbered list, m² and H₂O, hidden text, and groups
// the field does not show (a list table in the head, a bookmark).
const char* const kWindowsChapter =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}"
    "{\\f2\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}}\\listid7}}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\qc\\f1\\fs28\\b \\'d1\\'d0\\'be\\'bf\\'c4\\'da\\'c8\\'dd\\b0\\par\r\n"
    "\\trowd\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\brdrw10 \\clmgf\\clbrdrt\\brdrw10\\brdrs\\cellx2500"
    "\\clmrg\\clbrdrt\\brdrw10\\brdrs\\cellx5000\\clbrdrt\\brdrw10\\brdrs\\cellx8000 "
    "\\pard\\intbl\\f0\\fs21 \\'d6\\'b8\\'b1\\'ea\\cell\\cell \\'d6\\'b5\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx2500\\cellx5000\\cellx8000 \\pard\\intbl "
    "\\'c3\\'e6\\'bb\\'fd\\cell 120 m\\super 2\\nosupersub\\cell H\\sub 2\\nosupersub O\\cell\\row\r\n"
    "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}"
    "\\fi-360\\li360 \\'b5\\'da\\'d2\\'bb{\\*\\bkmkstart b1}{\\*\\bkmkend b1}\\par\r\n"
    "{\\pntext\\f0 2.\\tab}\\'b5\\'da\\'b6\\'fe 10\\up6 -6\\up0\\par\r\n"
    "\\pard\\cf1\\'bf\\'c9\\'bc\\'fb{\\v \\'d2\\'fe\\'b2\\'d8}\\cf0\\par\r\n"
    "\\pard{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360 \\'d2\\'bb\\par\r\n"
    "}\r\n";

}  // namespace

TEST_F(OleRichEditTest, AChapterOpenedAndSavedUneditedKeepsWhatTheWindowsEditorWrote) {
    ASSERT_TRUE(sys::WriteFileAtomic(Path("chapter.rtf"), kWindowsChapter));
    ASSERT_GT(edit.LoadRtfFile(Path("chapter.rtf")), 0);
    ASSERT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    const rt::Document original = rt::ReadRtf(kWindowsChapter), back = rt::ReadRtf(saved);
    EXPECT_EQ(back, original) << saved;
    // The window text as the control gives it: a row's cells on one line,
    // without the list numbers or the kept groups.
    EXPECT_EQ(edit.GetWindowText(), "研究内容\r\n指标\t\t值\t\r\n面积\t120 m2\tH2O\t\r\n第一\r\n第二 10-6\r\n可见隐藏\r\n一");

    // What that means, seen in the file.
    for (const char* piece : {"\\clmgf", "\\clmrg", "\\cellx8000", "\\pard\\intbl", "\\cell\\row",
                              "{\\pntext\\f0 1.\\tab}", "{\\*\\pn\\pnlvlbody", "m\\super 2", "H\\sub 2\\nosupersub O",
                              "\\up6 -6", "\\v", "{\\*\\listtable", "{\\*\\bkmkstart b1}",
                              "{\\pntext\\f2", "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2", "{\\f2\\fnil\\fcharset2 Symbol;}", "\\trbrdrt\\brdrs\\brdrw10"})
        EXPECT_NE(saved.find(piece), std::string::npos) << piece << "\n" << saved;

    // Saved again after an edit in a table cell, the rest stays.
    edit.SetSel(0, 0);
    QTextEdit* editor = qobject_cast<QTextEdit*>(edit.GetWidget());
    ASSERT_TRUE(editor);
    QTextCursor cursor = editor->document()->find("面积");
    ASSERT_FALSE(cursor.isNull());
    cursor.insertText("用地面积");
    ASSERT_GT(edit.SaveRtfFile(Path("edited.rtf")), 0);
    std::string edited;
    ASSERT_TRUE(sys::ReadFile(Path("edited.rtf"), edited));
    rt::Document expected = original;
    expected.paragraphs[4].runs[0].text = "用地面积";
    EXPECT_EQ(rt::ReadRtf(edited), expected) << edited;
}

TEST_F(OleRichEditTest, TableRowsWithoutTheirDefinitionKeepTheirCells) {
    // Cells beyond the row's definition, or no definition at all: other
    // writers make such rows, and the field keeps every cell of them.
    for (const char* rtf : {"{\\rtf1\\ansi\\pard\\intbl a\\cell b\\cell c\\cell\\row\\pard after\\par}",
                            "{\\rtf1\\ansi\\trowd\\cellx1000\\pard\\intbl a\\cell b\\cell\\row"
                            "\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl x\\cell\\cell\\cell\\row}"}) {
        SCOPED_TRACE(rtf);
        ASSERT_TRUE(sys::WriteFileAtomic(Path("rows.rtf"), rtf));
        ASSERT_GT(edit.LoadRtfFile(Path("rows.rtf")), 0);
        ASSERT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
        std::string saved;
        ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
        EXPECT_EQ(rt::PlainText(rt::ReadRtf(saved)), rt::PlainTextOfRtf(rtf)) << saved;
    }
}

namespace {

// A PNG of the given size, as bytes.
std::string PngBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 160, 90));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(png.constData(), std::size_t(png.size()));
}

}  // namespace

TEST_F(OleRichEditTest, KeptRtfIsSavedByteForByteBinaryPicturesAndLiteralDoubleBytesIncluded) {
    // A picture given as \bin data (bytes from 0x80 up among them) and a
    // footnote whose text is literal GBK bytes: both kept as read. Were they
    // passed through text, the picture's length would no longer match its
    // data and the rest of the chapter would be read as picture.
    const std::string png = PngBytes(8, 6);
    const std::string picture = "{\\pict\\pngblip\\picw8\\pich6\\picwgoal120\\pichgoal90\\bin" +
                                std::to_string(png.size()) + " " + png + "}";
    const std::string footnote = "{\\footnote \\pard\\plain \xd7\xa2\xca\xcd\\'a3\\'ba see}";
    const std::string style = "{\\stylesheet{\\s0 \xd5\xfd\xce\xc4;}}";
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \xcb\xce\xcc\xe5;}}" +
                            style + "\\pard\\f0\\fs21 Before" + picture + "After" + footnote +
                            "\\par Second paragraph\\par}";
    ASSERT_TRUE(sys::WriteFileAtomic(Path("kept.rtf"), rtf));
    ASSERT_GT(edit.LoadRtfFile(Path("kept.rtf")), 0);
    ASSERT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    for (const std::string& kept : {picture, footnote, style})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;

    // Loaded again, the field shows the whole chapter with its picture, and
    // saves the same bytes once more.
    ASSERT_GT(edit.LoadRtfFile(Path("saved.rtf")), 0);
    EXPECT_EQ(rt::PlainText(edit.GetDocument()), "BeforeAfter\r\nSecond paragraph");
    EXPECT_EQ(edit.GetDocument(), rt::ReadRtf(rtf));
    ASSERT_GT(edit.SaveRtfFile(Path("again.rtf")), 0);
    std::string again;
    ASSERT_TRUE(sys::ReadFile(Path("again.rtf"), again));
    EXPECT_EQ(again, saved);
}

namespace {

// Tables the editor shows inside a table's cell.
int TablesInCells(const QTextFrame* frame, bool inCell = false) {
    int count = 0;
    for (const QTextFrame* child : frame->childFrames()) {
        const bool table = qobject_cast<const QTextTable*>(child) != nullptr;
        count += table && inCell ? 1 : 0;
        count += TablesInCells(child, inCell || table);
    }
    return count;
}

}  // namespace

TEST_F(OleRichEditTest, EveryChapterOfTheTableIsShownSavedAndReadBackWhole) {
    // The chapters of the rich-text table through the field: what the field
    // holds once loaded, once saved and loaded again, is what was read.
    for (const chapters::Case& c : chapters::Cases()) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(sys::WriteFileAtomic(Path("chapter.rtf"), c.rtf));
        ASSERT_GT(edit.LoadRtfFile(Path("chapter.rtf")), 0);
        const rt::Document read = rt::ReadRtf(c.rtf);
        EXPECT_EQ(edit.GetDocument(), read);
        c.check(edit.GetDocument());
        // A footnote shows as its mark, its text the mark's tool tip.
        std::vector<std::string> notes, shown;
        for (const rt::Paragraph& p : read.paragraphs)
            for (const rt::Run& r : p.runs)
                if (!r.note.empty()) notes.push_back(r.note);
        QTextEdit* editor = qobject_cast<QTextEdit*>(edit.GetWidget());
        for (QTextBlock b = editor->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat() && !it.fragment().charFormat().toolTip().isEmpty())
                    shown.push_back(it.fragment().charFormat().toolTip().toStdString());
        EXPECT_EQ(shown, notes);
        // A cell merged with those below it shows as one.
        int verticals = 0, spans = 0;
        for (const rt::Paragraph& p : read.paragraphs)
            if (p.endsRow)
                for (const rt::TableCell& cell : p.endsRow->cells)
                    verticals += cell.verticalMerge == rt::TableCell::Merge::First ? 1 : 0;
        for (QTextFrame* frame : editor->document()->rootFrame()->childFrames())
            if (auto* table = qobject_cast<QTextTable*>(frame))
                for (int r = 0; r < table->rows(); ++r)
                    for (int c = 0; c < table->columns(); ++c) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        spans += cell.row() == r && cell.column() == c && cell.rowSpan() > 1 ? 1 : 0;
                    }
        EXPECT_EQ(spans, verticals);
        // A table inside a cell shows as a table in the cell.
        EXPECT_EQ(TablesInCells(editor->document()->rootFrame()), chapters::TablesInCells(rt::Blocks(read.paragraphs)));
        ASSERT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
        ASSERT_GT(edit.LoadRtfFile(Path("saved.rtf")), 0);
        std::string saved;
        ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
        EXPECT_EQ(rt::ReadRtf(saved), read) << saved;
        c.check(edit.GetDocument());
    }
}

TEST_F(OleRichEditTest, ListsPastedFromHtmlKeepTheirNumbersAndBulletsWhenSaved) {
    auto* data = new QMimeData;
    data->setHtml("<ol><li>第一</li><li>第二</li></ol><ul><li>要点</li></ul><p>正文</p>");
    QApplication::clipboard()->setMimeData(data);
    edit.SetSel(0, -1);
    edit.Paste();
    ASSERT_GT(edit.SaveRtfFile(Path("pasted.rtf")), 0);
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("pasted.rtf"), saved));
    EXPECT_NE(saved.find("\\pndec"), std::string::npos) << saved;
    ASSERT_GT(edit.LoadRtfFile(Path("pasted.rtf")), 0);
    const rt::Document back = edit.GetDocument();
    std::vector<std::string> lists, texts;
    for (const rt::Paragraph& p : back.paragraphs) {
        if (p.runs.empty()) continue;
        lists.push_back(p.listText);
        texts.push_back(p.runs.front().text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"第一", "第二", "要点", "正文"})) << saved;
    EXPECT_EQ(lists, (std::vector<std::string>{"1.", "2.", "●", ""})) << saved;
    EXPECT_LT(back.paragraphs.front().format.firstIndentTwips, 0);  // the number hangs before the text
}

TEST_F(OleRichEditTest, TextNestedTooDeepIsToldAndTheFileIsKeptUnlessTheUserLetsItGo) {
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg936 Shown" + std::string(1000, '{') + "Deep" + std::string(1000, '}') +
                            " too\\par}";
    ASSERT_TRUE(sys::WriteFileAtomic(Path("deep.rtf"), rtf));
    TestDriver driver;
    driver.AnswerMessageBox(IDOK);
    ASSERT_GT(edit.LoadRtfFile(Path("deep.rtf")), 0);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_NE(driver.MessageBoxes()[0].text.find("嵌套过深"), std::string::npos);
    EXPECT_EQ(edit.GetWindowText(), "Shown too");

    // Unedited, the file is saved as it came, the deep text with it.
    std::string saved;
    ASSERT_EQ(edit.SaveRtfFile(Path("saved.rtf")), long(rtf.size()));
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(saved, rtf);
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);

    // Edited, the save asks first: refused, nothing is written.
    QTextEdit* editor = qobject_cast<QTextEdit*>(edit.GetWidget());
    QTextCursor cursor(editor->document());
    cursor.insertText("New ");
    driver.AnswerMessageBox(IDNO);
    EXPECT_EQ(edit.SaveRtfFile(Path("saved.rtf")), 0);
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(saved, rtf);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[1].type & MB_TYPEMASK, UINT(MB_YESNO));
    EXPECT_NE(driver.MessageBoxes()[1].text.find("丢失"), std::string::npos);
    // Agreed: the edit is saved, and later saves ask no more.
    driver.AnswerMessageBox(IDYES);
    EXPECT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(rt::PlainTextOfRtf(saved), "New Shown too");
    EXPECT_GT(edit.SaveRtfFile(Path("again.rtf")), 0);
    EXPECT_EQ(driver.MessageBoxes().size(), 3u);

    // Content the program replaces is saved as it is, as is a file read whole.
    driver.AnswerMessageBox(IDOK);
    ASSERT_GT(edit.LoadRtfFile(Path("deep.rtf")), 0);
    edit.SetWindowText("Replaced");
    EXPECT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(rt::PlainTextOfRtf(saved), "Replaced");
    ASSERT_TRUE(sys::WriteFileAtomic(Path("shallow.rtf"), "{\\rtf1\\ansi " + std::string(998, '{') + "Deep" +
                                                              std::string(998, '}') + "\\par}"));
    ASSERT_GT(edit.LoadRtfFile(Path("shallow.rtf")), 0);
    EXPECT_EQ(edit.GetWindowText(), "Deep");
    EXPECT_EQ(driver.MessageBoxes().size(), 4u);
    EXPECT_TRUE(driver.Finished());
}

namespace {

const std::vector<std::string> kRtfTypes = {"text/rtf", "application/rtf"};

// The raw RTF of the pictures and objects of a document, in order.
std::vector<std::string> ObjectsOf(const rt::Document& doc) {
    std::vector<std::string> objects;
    for (const rt::Paragraph& p : doc.paragraphs)
        for (const rt::Run& r : p.runs)
            if (r.kind == rt::Run::Kind::Object) objects.push_back(r.text);
    return objects;
}

}  // namespace

TEST_F(OleRichEditTest, APictureCopiedAndPastedInTheFieldKeepsItsBytes) {
    // Pictures the editor cannot draw (a metafile, an object) and one given
    // as \bin bytes: copied as RTF beside HTML and text, pasted from the RTF.
    const std::string png = PngBytes(8, 6);
    const std::vector<std::string> pictures = {
        "{\\pict\\wmetafile8\\picw265\\pich265\\picwgoal150\\pichgoal150 0100090000030c0000000000}",
        "{\\pict\\pngblip\\picw8\\pich6\\picwgoal120\\pichgoal90\\bin" + std::to_string(png.size()) + " " + png + "}",
        "{\\object\\objemb{\\*\\objclass Paint.Picture}{\\*\\objdata 01050000020000000e000000}}"};
    ASSERT_TRUE(sys::WriteFileAtomic(Path("pictures.rtf"), "{\\rtf1\\ansi\\ansicpg936 A" + pictures[0] + "B" +
                                                               pictures[1] + "C" + pictures[2] + "D\\par End\\par}"));
    ASSERT_GT(edit.LoadRtfFile(Path("pictures.rtf")), 0);
    edit.SetSel(0, 7);  // A, the pictures, D
    edit.Copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    for (const std::string& type : kRtfTypes) EXPECT_TRUE(data->hasFormat(QString::fromStdString(type))) << type;
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text().remove(QChar::ObjectReplacementCharacter).toStdString(), "ABCD");
    EXPECT_TRUE(edit.CanPaste());

    edit.SetSel(edit.GetTextLength(), edit.GetTextLength());
    edit.Paste();
    const rt::Document pasted = edit.GetDocument();
    EXPECT_EQ(rt::PlainText(pasted), "ABCD\r\nEndABCD");
    std::vector<std::string> expected = pictures;
    expected.insert(expected.end(), pictures.begin(), pictures.end());
    EXPECT_EQ(ObjectsOf(pasted), expected);
    // Saved and read back, every copy keeps its bytes.
    ASSERT_GT(edit.SaveRtfFile(Path("saved.rtf")), 0);
    std::string saved;
    ASSERT_TRUE(sys::ReadFile(Path("saved.rtf"), saved));
    EXPECT_EQ(ObjectsOf(rt::ReadRtf(saved)), expected);
}

TEST_F(OleRichEditTest, RtfIsPastedBeforeHtmlAndATableInsideACellStaysOne) {
    // Offered as RTF and HTML, the RTF is taken, under either name; without
    // it, the HTML.
    for (const std::string& type : kRtfTypes) {
        SCOPED_TRACE(type);
        edit.SetWindowText("");
        auto* data = new QMimeData;
        data->setHtml("<p>From HTML</p>");
        data->setData(QString::fromStdString(type), QByteArray::fromStdString(chapters::Chapter(chapters::kNestedTable)));
        QApplication::clipboard()->setMimeData(data);
        edit.Paste();
        const rt::Document doc = edit.GetDocument();
        EXPECT_EQ(chapters::Shape(rt::Blocks(doc.paragraphs)),
                  "[[OuterA1 [[Inner11|内层][Inner21|Inner22]] AfterInner|OuterB1]] Below");
    }
    auto* html = new QMimeData;
    html->setHtml("<p>From HTML</p>");
    QApplication::clipboard()->setMimeData(html);
    edit.SetWindowText("");
    edit.Paste();
    EXPECT_EQ(edit.GetWindowText(), "From HTML");
}
