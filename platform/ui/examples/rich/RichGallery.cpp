// The controls of the second window set, a rich-text editor with its
// formatting tool bar and a file list. --screenshot <png> saves a picture of
// the window with each tab of the tab window active, one under the other, and ends.
// --chapter-screenshot <png> does the same with a chapter as the Windows rich
// edit writes it (a table with a merged heading, a numbered list, m², H₂O) in
// the editor.
#include <QApplication>
#include <QPainter>
#include <cstring>

#include "platform/richtext/RtfReader.h"
#include "widgets/FileEditListBox.h"
#include "widgets/OleRichEdit.h"
#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/GridCtrl.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/TabWnd.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/TreeCtrl.h"

using namespace ui;

namespace {
const char* const kChapter =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1 \r\n"
    "\\pard\\qc\\f1\\fs24\\b \\'d1\\'d0\\'be\\'bf\\'c4\\'da\\'c8\\'dd\\b0\\par\r\n"
    "\\trowd\\trgaph108\\trleft-108\\clmgf\\cellx2400\\clmrg\\cellx4200\\cellx5600 "
    "\\pard\\intbl\\qc\\f0\\fs21 \\'d6\\'b8\\'b1\\'ea\\cell\\cell \\'d6\\'b5\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx2400\\cellx4200\\cellx5600 \\pard\\intbl "
    "\\'d3\\'c3\\'b5\\'d8\\'c3\\'e6\\'bb\\'fd\\cell m\\super 2\\nosupersub\\cell 120\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx2400\\cellx4200\\cellx5600 \\pard\\intbl "
    "\\'b7\\'cf\\'cb\\'ae\\cell H\\sub 2\\nosupersub O\\cell 3.5\\'a1\\'c110\\super -6\\nosupersub\\cell\\row\r\n"
    "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}"
    "\\fi-360\\li360\\f0\\fs21 \\'b2\\'c4\\'c1\\'cf\\'d6\\'c6\\'b1\\'b8\\par\r\n"
    "{\\pntext\\f0 2.\\tab}\\'d0\\'d4\\'c4\\'dc\\'b2\\'e2\\'ca\\'d4{\\v \\'d2\\'fe\\'b2\\'d8}\\par\r\n"
    "}\r\n";

enum { kBold = 32799, kItalic = 32800, kUnderline = 32802, kLeft = 32803, kCenter = 32804, kRight = 32805 };

// Letters and lines for the format buttons, drawn in code.
QImage FormatStrip() {
    const char* glyphs[] = {"B", "I", "U", "L", "C", "R"};
    QImage strip(16 * 6, 16, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < 6; ++i) {
        QFont f = p.font();
        f.setPixelSize(13);
        f.setBold(i == 0);
        f.setItalic(i == 1);
        f.setUnderline(i == 2);
        p.setFont(f);
        p.drawText(QRect(i * 16, 0, 16, 16), Qt::AlignCenter, glyphs[i]);
    }
    return strip;
}

class Gallery : public Dialog {
public:
    Gallery() : Dialog(Template()), editor_(COleRichEdit::Variant::Standard) {
        MapCommand(kBold, BN_CLICKED, [this] { editor_.ToggleBold(); });
        MapCommand(kItalic, BN_CLICKED, [this] { editor_.ToggleItalic(); });
        MapCommand(kUnderline, BN_CLICKED, [this] { editor_.ToggleUnderline(); });
        MapCommand(kLeft, BN_CLICKED, [this] { editor_.AlignLeft(); });
        MapCommand(kCenter, BN_CLICKED, [this] { editor_.AlignCenter(); });
        MapCommand(kRight, BN_CLICKED, [this] { editor_.AlignRight(); });
    }

protected:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        tree_.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, {8, 8, 200, 300}, this, 6018);
        HTREEITEM root = tree_.InsertItem("KJ01(年度指南)");
        HTREEITEM subject = tree_.InsertItem("1001(新材料)", root);
        tree_.InsertItem("100101(复合材料)", subject);
        tree_.InsertItem("1002(信息技术)", root);
        tree_.Expand(root, TVE_EXPAND);
        tree_.Expand(subject, TVE_EXPAND);
        tree_.SelectItem(subject);

        toolbar_.Create(this);
        toolbar_.LoadToolBar(139);
        toolbar_.MoveWindow(210, 8, 420, 26);
        tabs_.Create(TabWnd::STYLE_3D_ROUNDED, {210, 36, 630, 300}, this, 5007);
        page_.Create(this);
        editor_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, {0, 0, 410, 230}, &page_, 3130);
        editor_.SetWindowText("研究目标：本项目研究关键技术。\r\n第二段。");
        editor_.SetSel(0, 5);
        editor_.ToggleBold();
        editor_.SetSel(5, 12);
        CharFormat blue;
        blue.dwMask = CFM_COLOR;
        blue.crTextColor = RGB(0, 0, 255);
        editor_.SetSelectionCharFormat(blue);
        grid_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, {0, 0, 410, 230}, this, 5008);
        for (const char* c : {"姓名", "性别", "在职"}) grid_.InsertColumn(grid_.GetColumnCount(), c, 110);
        auto row = grid_.CreateRow(3);
        row->GetItem(0)->SetValue("张三");
        auto sex = std::make_unique<GridItem>("男");
        sex->AddOption("男");
        sex->AddOption("女");
        row->ReplaceItem(1, std::move(sex));
        row->ReplaceItem(2, std::make_unique<GridCheckItem>(true));
        grid_.AddRow(std::move(row));
        tabs_.AddTab(&page_, "研究目标及研究内容");
        tabs_.AddTab(&grid_, "申请人及成员");
        tabs_.SetTabBkColor(0, RGB(63, 131, 240));
        mask_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, {8, 308, 200, 332}, this, 3106);
        mask_.EnableMask("DDDD DD DD", "____/__/__", '_');
        mask_.SetWindowText("2024/03/__");
        files_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, {8, 340, 200, 452}, this, 5552, "论文");
        files_.EnableBrowseButton();
        files_.AddItem("/home/user/论文一.pdf");
        files_.AddItem("/home/user/论文二.pdf");
        files_.SelectItem(1);
        return TRUE;
    }

public:
    void ShowChapter() { editor_.SetDocument(richtext::ReadRtf(kChapter)); }

    // The window with each tab active in turn, one picture under the other.
    QImage Pictures() {
        std::vector<QImage> shots;
        for (int tab = 0; tab < tabs_.GetTabsNum(); ++tab) {
            tabs_.SetActiveTab(tab);
            PumpMessages();
            shots.push_back(GetWidget()->grab().toImage());
        }
        tabs_.SetActiveTab(0);
        if (shots.empty()) return {};
        QImage all(shots[0].width(), shots[0].height() * int(shots.size()), QImage::Format_ARGB32);
        QPainter painter(&all);
        for (size_t i = 0; i < shots.size(); ++i) painter.drawImage(0, int(i) * shots[0].height(), shots[i]);
        return all;
    }

private:
    static const DialogTemplate& Template() {
        static const DialogTemplate t{9000, "控件示例", {0, 0, 430, 230}, {}};
        return t;
    }
    static const DialogTemplate& PageTemplate() {
        static const DialogTemplate t{5517, "", {0, 0, 280, 160}, {}, WS_CHILD};
        return t;
    }
    TreeCtrl tree_;
    ToolBar toolbar_;
    TabWnd tabs_;
    Dialog page_{PageTemplate(), this};
    COleRichEdit editor_;
    GridCtrl grid_;
    MaskEdit mask_;
    CFileEditListBox files_;
};
}  // namespace

int main(int argc, char** argv) {
    EnsureApplication(argc, argv);
    RegisterToolBar(139, {{kBold, kItalic, kUnderline, ID_SEPARATOR, kLeft, kCenter, kRight}, FormatStrip()});
    Gallery gallery;
    gallery.Create();
    gallery.ShowWindow(SW_SHOW);
    const bool chapter = argc == 3 && std::strcmp(argv[1], "--chapter-screenshot") == 0;
    if (chapter) gallery.ShowChapter();
    if (argc == 3 && (chapter || std::strcmp(argv[1], "--screenshot") == 0)) {
        PumpMessages();
        return gallery.Pictures().save(argv[2]) ? 0 : 1;
    }
    return QApplication::exec();
}
