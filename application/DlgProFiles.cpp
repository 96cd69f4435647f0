#include "application/DlgProFiles.h"

#include <QAbstractButton>
#include <array>

#include "application/ApplicationStore.h"
#include "foundation/FileMessages.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

using Kind = CDlgProFiles::Kind;

const std::array<Kind, 3> kKinds = {{
    {CDlgProFiles::IDC_LIST_GF, CDlgProFiles::IDC_GF_ADD, CDlgProFiles::IDC_GF_EXTRACT, CDlgProFiles::IDC_GF_DELETE,
     "GF报告", "corvane_gf", "gfbgname", "gfbg", &CDlgProFiles::m_listGF},
    {CDlgProFiles::IDC_LIST_LW, CDlgProFiles::IDC_LW_ADD, CDlgProFiles::IDC_LW_EXTRACT, CDlgProFiles::IDC_LW_DELETE,
     "论文", "corvane_lw", "lwname", "lw", &CDlgProFiles::m_listLW},
    {CDlgProFiles::IDC_LIST_ATTACH, CDlgProFiles::IDC_ATTACH_ADD, CDlgProFiles::IDC_ATTACH_EXTRACT,
     CDlgProFiles::IDC_ATTACH_DELETE, "其他附件", "corvane_attach", "attachname", "attach",
     &CDlgProFiles::m_listAttach},
}};

const char* const kAnyFileFilter = "(*.*)|*.*||";

// The place of each list, left to right, in dialog units.
ui::DluRect ListRect(std::size_t index) { return {7 + int(index) * 164, 7, 156, 150}; }

void Stop(const std::string& text) { ui::MessageBox(text, "系统提示", MB_OK | MB_ICONSTOP); }

}  // namespace

CDlgProFiles::CDlgProFiles(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    for (const Kind& kind : kKinds) {
        MapClicked(kind.addId, [this, &kind] { OnAdd(kind); });
        MapClicked(kind.extractId, [this, &kind] { OnExtract(kind); });
        MapClicked(kind.deleteId, [this, &kind] { OnDelete(kind); });
    }
    MapClicked(IDC_CGHB_ADD, [this] { OnAddCompilation(); });
    MapClicked(IDC_CGHB_EXTRACT, [this] { OnExtractCompilation(); });
    MapClicked(IDC_CGHB_DELETE, [this] { OnDeleteCompilation(); });
}

// Out of line, so that the lists are made and destroyed inside this library.
CDlgProFiles::~CDlgProFiles() = default;

const ui::DialogTemplate& CDlgProFiles::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t = [] {
        ui::DialogTemplate d{IDD, "", {0, 0, 500, 210}, {}, WS_CHILD};
        // The three lists are made in code over their rectangles; their
        // buttons lie below them.
        for (std::size_t i = 0; i < kKinds.size(); ++i) {
            const ui::DluRect r = ListRect(i);
            const int y = r.y + r.cy + 4;
            d.controls.push_back({Kind::PushButton, kKinds[i].addId, "添加", {r.x + 6, y, 40, 14}, WS_TABSTOP});
            d.controls.push_back({Kind::PushButton, kKinds[i].extractId, "提取", {r.x + 58, y, 40, 14}, WS_TABSTOP});
            d.controls.push_back({Kind::PushButton, kKinds[i].deleteId, "删除", {r.x + 110, y, 40, 14}, WS_TABSTOP});
        }
        d.controls.push_back({Kind::Static, IDC_STATIC, "成果汇编：", {7, 188, 44, 10}});
        d.controls.push_back({Kind::Edit, IDC_CGHB, "", {52, 186, 290, 14}, WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY});
        d.controls.push_back({Kind::PushButton, IDC_CGHB_ADD, "添加", {350, 186, 40, 14}, WS_TABSTOP});
        d.controls.push_back({Kind::PushButton, IDC_CGHB_EXTRACT, "提取", {396, 186, 40, 14}, WS_TABSTOP});
        d.controls.push_back({Kind::PushButton, IDC_CGHB_DELETE, "删除", {442, 186, 40, 14}, WS_TABSTOP});
        return d;
    }();
    return t;
}

BOOL CDlgProFiles::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        CFileEditListBox& list = this->*kKinds[i].list;
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, MapDialogRect(ListRect(i)), this, kKinds[i].listId,
                    kKinds[i].caption);
        // Items stand for the stored rows by position, so the bar offers no
        // delete or move of its own: only a new item filled by browsing.
        list.SetStandardButtons(ui::EditListBox::BTN_NEW);
        list.EnableBrowseButton();
    }
    return TRUE;
}

bool CDlgProFiles::OpenStored(const char* table, const std::string& columns) {
    if (!m_pRecordset) return false;
    return appstore::OpenFileRows(*m_pRecordset, table, columns, m_strXMBH);
}

void CDlgProFiles::SetCompilationText(const std::string& text) {
    m_strCGHB = text;
    SetDlgItemText(IDC_CGHB, text);
}

void CDlgProFiles::LoadFileNames() {
    for (const Kind& kind : kKinds) {
        CFileEditListBox& list = this->*kind.list;
        list.RemoveAllItems();
        if (OpenStored(kind.table, kind.nameColumn)) {
            for (; !m_pRecordset->IsEOF(); m_pRecordset->MoveNext()) {
                std::string name;
                m_pRecordset->GetString(kind.nameColumn, name);
                list.AddItem(name);
            }
        }
        if (m_pRecordset) m_pRecordset->Close();
    }
    SetCompilationText({});
    if (OpenStored("corvane_cghb", "xmbh,cghbname,cghb") && !m_pRecordset->IsEOF()) {
        std::string name;
        m_pRecordset->GetString("cghbname", name);
        SetCompilationText(name);
    }
    if (m_pRecordset) m_pRecordset->Close();
}

// The list's own add-with-browse: a new blank item, then the file chooser
// that fills it.
void CDlgProFiles::OnAdd(const Kind& kind) {
    CFileEditListBox& list = this->*kind.list;
    QAbstractButton* add = list.GetButton(ui::EditListBox::BTN_NEW);
    QAbstractButton* browse = list.GetButton(ui::EditListBox::BTN_BROWSE);
    if (!add || !browse) return;
    add->click();
    browse->click();
}

void CDlgProFiles::OnExtract(const Kind& kind) {
    const int item = (this->*kind.list).GetSelItem();
    if (item < 0) {
        Stop("请选择要提取的文件！");
        return;
    }
    if (!OpenStored(kind.table, std::string(kind.nameColumn) + "," + kind.dataColumn)) return;
    if (m_pRecordset->GetRecordCount() < item + 1) {
        Stop("该文件还未保存入库！");
    } else {
        m_pRecordset->SetAbsolutePosition(item + 1);
        ExtractCurrentRow(kind.nameColumn, kind.dataColumn);
    }
    m_pRecordset->Close();
}

void CDlgProFiles::OnDelete(const Kind& kind) {
    CFileEditListBox& list = this->*kind.list;
    const int item = list.GetSelItem();
    if (item < 0) {
        Stop("请选择要删除的文件！");
        return;
    }
    if (!OpenStored(kind.table, std::string(kind.nameColumn) + "," + kind.dataColumn)) return;
    if (m_pRecordset->GetRecordCount() < item + 1) {
        list.RemoveItem(item);  // added but not stored yet
    } else if (ui::MessageBox("确定删除该文件？", "提示", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        m_pRecordset->SetAbsolutePosition(item + 1);
        // The item goes with its row, so the items after it still match
        // their rows and files added but not yet stored stay listed.
        if (m_pRecordset->Delete(adAffectCurrent)) list.RemoveItem(item);
    }
    m_pRecordset->Close();
}

void CDlgProFiles::OnAddCompilation() {
    const bool stored = OpenStored("corvane_cghb", "xmbh,cghbname,cghb") && !m_pRecordset->IsEOF();
    if (m_pRecordset) m_pRecordset->Close();
    if (stored) {
        Stop("成果汇编已存在！");
        return;
    }
    ui::FileDialog dialog(TRUE, {}, {}, OFN_HIDEREADONLY, kAnyFileFilter, this);
    if (dialog.DoModal() == IDOK) SetCompilationText(dialog.GetPathName());
}

void CDlgProFiles::OnExtractCompilation() {
    if (!OpenStored("corvane_cghb", "xmbh,cghbname,cghb")) return;
    if (!m_pRecordset->IsEOF())
        ExtractCurrentRow("cghbname", "cghb");
    else
        Stop(m_strCGHB.empty() ? "成果汇编不存在！" : "成果汇编还未保存入库！");
    m_pRecordset->Close();
}

void CDlgProFiles::OnDeleteCompilation() {
    if (!OpenStored("corvane_cghb", "xmbh,cghbname,cghb")) return;
    if (m_pRecordset->IsEOF()) {
        if (m_strCGHB.empty()) Stop("成果汇编不存在！");
        else SetCompilationText({});
    } else if (ui::MessageBox("确定删除成果汇编？", "提示", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (m_pRecordset->Delete(adAffectCurrent)) SetCompilationText({});
    }
    m_pRecordset->Close();
}

void CDlgProFiles::ExtractCurrentRow(const char* nameColumn, const char* dataColumn) {
    std::string name;
    m_pRecordset->GetString(nameColumn, name);
    ui::FileDialog dialog(FALSE, {}, sys::SafeFileName(name), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          kAnyFileFilter, this);
    if (dialog.DoModal() != IDOK) return;
    const long size = m_pRecordset->GetFieldActualSize(dataColumn);
    std::string bytes(std::size_t(std::max(size, 0L)), '\0');
    if (size > 0 && !m_pRecordset->GetChunk(dataColumn, bytes.data())) {
        Stop("无法读取数据库中保存的文件“" + name + "”！");
        return;
    }
    WriteFileOrSay(dialog.GetPathName(), bytes);
}

bool CDlgProFiles::StoreFile(const char* nameColumn, const char* dataColumn, const std::string& path) {
    std::string bytes;
    if (!sys::ReadFile(sys::NativePath(path), bytes)) {
        Stop("无法读取文件：" + path);
        return false;
    }
    m_pRecordset->AddNew();
    m_pRecordset->SetString("xmbh", m_strXMBH);
    m_pRecordset->SetString(nameColumn, sys::FileName(path));
    m_pRecordset->AppendChunk(dataColumn, bytes.data(), long(bytes.size()));
    return m_pRecordset->Update() != FALSE;
}

void CDlgProFiles::SaveFiles() {
    if (!m_pRecordset) return;
    for (const Kind& kind : kKinds) {
        const CFileEditListBox& list = this->*kind.list;
        if (OpenStored(kind.table, std::string("xmbh,") + kind.nameColumn + "," + kind.dataColumn)) {
            const int stored = std::max(0L, m_pRecordset->GetRecordCount());
            for (int item = stored; item < list.GetCount(); ++item)
                StoreFile(kind.nameColumn, kind.dataColumn, list.GetItemText(item));
        }
        m_pRecordset->Close();
    }
    if (OpenStored("corvane_cghb", "xmbh,cghbname,cghb") && m_pRecordset->IsEOF() && !m_strCGHB.empty())
        StoreFile("cghbname", "cghb", m_strCGHB);
    m_pRecordset->Close();
    LoadFileNames();
}
