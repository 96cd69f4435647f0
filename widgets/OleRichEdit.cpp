#include "widgets/OleRichEdit.h"

#include <QMenu>
#include <QTextEdit>
#include <cmath>

#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

IMPLEMENT_DYNAMIC(COleRichEdit, ui::RichEditCtrl)

namespace {
ui::CharFormat StandardDefaultFormat() {
    ui::CharFormat f;
    f.dwMask = ui::CFM_SIZE | ui::CFM_COLOR | ui::CFM_FACE | ui::CFM_CHARSET | ui::CFM_BOLD | ui::CFM_ITALIC |
               ui::CFM_UNDERLINE | ui::CFM_STRIKEOUT;
    f.szFaceName = "宋体";
    f.yHeight = 210;
    f.crTextColor = RGB(255, 0, 0);
    return f;
}
}  // namespace

BOOL COleRichEdit::Create(DWORD style, const ui::Rect& rect, ui::Wnd* parent, int id) {
    if (!Control::Create(style, rect, parent, id)) return FALSE;
    if (variant_ == Variant::Standard) SetDefaultCharFormat(StandardDefaultFormat());
    Install();
    return TRUE;
}

void COleRichEdit::PreSubclassWindow() { Install(); }

void COleRichEdit::Install() {
    // Embedded objects and pasted data are taken as offered; the right
    // button opens this control's own menu.
    QWidget* widget = GetWidget();
    if (!widget || installed_) return;
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [widget](const QPoint& at) {
        if (auto* self = dynamic_cast<COleRichEdit*>(ui::Wnd::FromWidget(widget))) {
            const QPoint global = widget->mapToGlobal(at);
            self->OnRightButton({global.x(), global.y()});
        }
    });
    installed_ = true;
}

// ---- files ----

namespace {
const char* const kLeftOutOnLoad =
    "内容中有一部分嵌套过深（超过 1000 层），无法读入，未能显示。\n"
    "不修改内容时，保存仍保留原文件的全部内容。";
const char* const kLeftOutOnSave =
    "内容中有一部分嵌套过深，未能读入；保存修改后的内容将丢失这一部分。\n是否仍要保存？";
}  // namespace

long COleRichEdit::LoadRtfFile(const std::string& path) {
    std::string bytes;
    if (!sys::ReadFile(path, bytes)) return 0;
    bool leftOut = false;
    SetDocument(richtext::ReadRtf(bytes, &leftOut));
    partlyShown_.reset();
    if (leftOut) {
        partlyShown_ = PartlyShown{std::move(bytes), GetDocument(), Replacements()};
        ui::AfxMessageBox(kLeftOutOnLoad, MB_OK | MB_ICONWARNING);
    }
    return GetTextLength();
}

long COleRichEdit::SaveRtfFile(const std::string& path) {
    if (partlyShown_ && partlyShown_->replacement != Replacements()) partlyShown_.reset();  // replaced since
    const richtext::Document document = GetDocument();
    if (partlyShown_ && document == partlyShown_->shown)
        return sys::WriteFileAtomic(path, partlyShown_->bytes) ? long(partlyShown_->bytes.size()) : 0;
    if (partlyShown_ && ui::AfxMessageBox(kLeftOutOnSave, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return 0;
    const std::string rtf = richtext::WriteRtf(document);
    if (!sys::WriteFileAtomic(path, rtf)) return 0;
    partlyShown_.reset();  // the user let the text go
    return long(rtf.size());
}

// ---- formatting ----

void COleRichEdit::ApplyToSelectionOrWord(const ui::CharFormat& format) {
    long start = 0, end = 0;
    GetSel(start, end);
    if (start != end) SetSelectionCharFormat(format);
    else SetWordCharFormat(format);
}

void COleRichEdit::ToggleEffect(DWORD effect) {
    ui::CharFormat f;
    GetSelectionCharFormat(f);
    f.dwMask = effect;
    f.dwEffects ^= effect;
    ApplyToSelectionOrWord(f);
}

void COleRichEdit::Align(int alignment) {
    ui::ParaFormat p;
    GetParaFormat(p);
    p.dwMask = ui::PFM_ALIGNMENT;
    p.wAlignment = alignment;
    SetParaFormat(p);
}

void COleRichEdit::ChooseFont() {
    ui::CharFormat f;
    long start = 0, end = 0;
    GetSel(start, end);
    if (start == end) GetDefaultCharFormat(f);
    else GetSelectionCharFormat(f);
    ui::FontSpec font;
    font.face = f.szFaceName;
    font.pointSize = int(std::lround(f.yHeight / 20.0));
    font.bold = f.dwEffects & ui::CFE_BOLD;
    font.italic = f.dwEffects & ui::CFE_ITALIC;
    font.underline = f.dwEffects & ui::CFE_UNDERLINE;
    font.color = f.crTextColor;
    const int offeredSize = font.pointSize;
    if (!ui::ChooseFont(font)) return;
    ui::CharFormat chosen;
    chosen.dwMask = ui::CFM_FACE | ui::CFM_COLOR | ui::CFM_BOLD | ui::CFM_ITALIC | ui::CFM_UNDERLINE;
    chosen.szFaceName = font.face;
    chosen.crTextColor = font.color;
    chosen.dwEffects = (font.bold ? ui::CFE_BOLD : 0) | (font.italic ? ui::CFE_ITALIC : 0) |
                       (font.underline ? ui::CFE_UNDERLINE : 0);
    // The chooser knows whole points only: a size left as offered keeps the
    // exact height (10.5 points stays 10.5).
    if (font.pointSize != offeredSize) {
        chosen.dwMask |= ui::CFM_SIZE;
        chosen.yHeight = font.pointSize * 20;
    }
    ApplyToSelectionOrWord(chosen);
}

void COleRichEdit::ChooseColor() {
    ui::CharFormat f;
    GetSelectionCharFormat(f);
    COLORREF chosen = f.crTextColor;
    if (!ui::ChooseColor(f.crTextColor, chosen)) return;
    ui::CharFormat colour;
    colour.dwMask = ui::CFM_COLOR;
    colour.crTextColor = chosen;
    ApplyToSelectionOrWord(colour);
}

// ---- the right-button menu ----

std::vector<COleRichEdit::MenuItem> COleRichEdit::ContextMenu() const {
    long start = 0, end = 0;
    GetSel(start, end);
    const bool selection = start != end;
    std::vector<MenuItem> items;
    int id = 101;
    items.push_back({id++, "撤销", bool(CanUndo())});
    if (variant_ != Variant::AnnualGuide) {
        items.push_back({0, "", true});
        items.push_back({id++, "字体", true});
    }
    items.push_back({0, "", true});
    items.push_back({id++, "剪切", selection});
    items.push_back({id++, "复制", selection});
    items.push_back({id++, "粘贴", bool(CanPaste())});
    items.push_back({id++, "清空", selection});
    items.push_back({0, "", true});
    items.push_back({id++, "全选", true});
    return items;
}

void COleRichEdit::OnMenuCommand(int id) {
    const int font = variant_ == Variant::AnnualGuide ? 0 : 1;  // the 字体 item shifts the rest
    if (id == 101) Undo();
    else if (font && id == 102) ChooseFont();
    else if (id == 102 + font) Cut();
    else if (id == 103 + font) Copy();
    else if (id == 104 + font) Paste();
    else if (id == 105 + font) Clear();
    else if (id == 106 + font) SetSel(0, -1);
}

int COleRichEdit::TrackContextMenu(const std::vector<MenuItem>& items, ui::Point screen) {
    QMenu menu;
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(item.id);
        action->setEnabled(item.enabled);
    }
    QAction* chosen = menu.exec(QPoint(screen.x, screen.y));
    return chosen ? chosen->data().toInt() : 0;
}

void COleRichEdit::OnRightButton(ui::Point screen) {
    SetFocus();
    if (const int id = TrackContextMenu(ContextMenu(), screen)) OnMenuCommand(id);
}
