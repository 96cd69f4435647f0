#include "sysmanage/DlgUnitInfo.h"

#include "foundation/Transaction.h"
#include "foundation/ColumnLimits.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"
#include "sysmanage/UnitColumns.h"

namespace {

// One box of the editor: its id, label, column position and the characters
// it takes (null: any). Its length limit is its column's.
struct UnitBox {
    int id;
    const char* label;
    int column;
    const char* valid;
};

constexpr const char* kCodeChars = "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr UnitBox kBoxes[] = {
    {CDlgUnitInfo::IDC_CODE, "单位代码(必填)：", 0, kCodeChars},
    {CDlgUnitInfo::IDC_NAME, "单位名称(必填)：", 1, nullptr},
    {CDlgUnitInfo::IDC_DEPARTMENT, "所属部门：", 2, nullptr},
    {CDlgUnitInfo::IDC_MAIL_NAME, "机要地址名称(必填)：", 3, nullptr},
    {CDlgUnitInfo::IDC_RESEARCH_OFFICE, "科研管理部门名称：", 4, nullptr},
    {CDlgUnitInfo::IDC_ADDRESS, "通信地址：", 6, nullptr},
    {CDlgUnitInfo::IDC_PROVINCE, "省：", 7, nullptr},
    {CDlgUnitInfo::IDC_CITY, "市：", 8, nullptr},
    {CDlgUnitInfo::IDC_POSTCODE, "邮政编码：", 5, "1234567890"},
    {CDlgUnitInfo::IDC_CONTACT, "联系人(必填)：", 9, nullptr},
    {CDlgUnitInfo::IDC_PHONE, "电话(必填)：", 10, "1234567890()-"},
    {CDlgUnitInfo::IDC_MOBILE, "手机(必填)：", 11, "1234567890"},
    {CDlgUnitInfo::IDC_BANK, "开户银行(必填)：", 12, nullptr},
    {CDlgUnitInfo::IDC_HOLDER, "开户单位(必填)：", 13, nullptr},
    {CDlgUnitInfo::IDC_ACCOUNT, "账号(必填)：", 14, "1234567890-"},
};

// The order in which the columns are written, by position.
constexpr int kWriteOrder[] = {0, 1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

constexpr const char* kUnitTable = "corvane_unit";

}  // namespace

const ui::DialogTemplate& CDlgUnitInfo::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl = [] {
        ui::DialogTemplate t{IDD, "单位信息管理", {0, 0, 462, 200}, {
            {Kind::GroupBox, IDC_STATIC, "单位详细信息", {7, 7, 448, 162}},
        }};
        // Two columns of label and box, eight rows on the left, seven on the right.
        for (size_t i = 0; i < std::size(kBoxes); ++i) {
            // Labels wide enough for the longest, the required marker included.
            const int x = i < 8 ? 14 : 234;
            const int y = 22 + int(i % 8) * 18;
            DWORD style = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
            if (kBoxes[i].id == IDC_CODE) style |= ES_READONLY;
            t.controls.push_back({Kind::Static, IDC_STATIC, kBoxes[i].label, {x, y + 2, 100, 10}, SS_RIGHT});
            t.controls.push_back({Kind::Edit, kBoxes[i].id, "", {x + 104, y, 110, 13}, style});
        }
        t.controls.push_back({Kind::DefPushButton, IDOK, "保存", {338, 178, 50, 14}, WS_TABSTOP});
        t.controls.push_back({Kind::PushButton, IDCANCEL, "取消", {402, 178, 50, 14}, WS_TABSTOP});
        return t;
    }();
    return tpl;
}

CDlgUnitInfo::CDlgUnitInfo(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

void CDlgUnitInfo::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_CODE, m_editCode);
    dx.Control(IDC_POSTCODE, m_editPostcode);
    dx.Control(IDC_PHONE, m_editPhone);
    dx.Control(IDC_MOBILE, m_editMobile);
    dx.Control(IDC_ACCOUNT, m_editAccount);
    for (const UnitBox& box : kBoxes) dx.Text(box.id, m_fields[box.column]);
}

BOOL CDlgUnitInfo::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    m_editCode.SetReadOnly(FALSE);
    m_strLoadedCode = m_strCode;
    if (!m_strCode.empty()) LoadUnit();
    for (const UnitBox& box : kBoxes) {
        if (!box.valid) continue;
        auto* edit = Item<ui::MaskEdit>(box.id);
        edit->DisableMask();
        edit->SetValidChars(box.valid);
    }
    std::vector<std::pair<int, std::string>> boxes;
    for (const UnitBox& box : kBoxes) boxes.emplace_back(box.id, kUnitColumns[box.column].name);
    if (m_pConnection) ColumnLimits(*m_pConnection, kUnitTable).LimitBoxes(*this, boxes);
    return TRUE;
}

void CDlgUnitInfo::LoadUnit() {
    m_fields = {};
    if (masterstore::OpenUnit(*m_pRecordset, m_strCode) && !m_pRecordset->IsEOF()) {
        for (size_t i = 0; i < kUnitColumns.size(); ++i) m_pRecordset->GetString(kUnitColumns[i].name, m_fields[i]);
    }
    m_pRecordset->Close();
    UpdateData(FALSE);
}

bool CDlgUnitInfo::UnitStored(const std::string& code) {
    const bool stored = masterstore::OpenUnit(*m_pRecordset, code) && !m_pRecordset->IsEOF();
    m_pRecordset->Close();
    return stored;
}

bool CDlgUnitInfo::WriteFields() {
    for (int column : kWriteOrder)
        if (!m_pRecordset->SetString(kUnitColumns[column].name, m_fields[column])) return false;
    return m_pRecordset->Update() != FALSE;
}

bool CDlgUnitInfo::Save(bool update) {
    db::Transaction transaction(*m_pConnection);
    bool saved = transaction.Began() && masterstore::OpenUnit(*m_pRecordset, m_strLoadedCode);
    if (saved && update) saved = !m_pRecordset->IsEOF();
    else if (saved) saved = m_pRecordset->AddNew();
    saved = saved && WriteFields() && transaction.Commit();
    if (!saved) {
        m_pRecordset->CancelUpdate();
        transaction.Rollback();
    }
    m_pRecordset->Close();
    return saved;
}

std::string CDlgUnitInfo::FailureMessage(const std::string& failure) const {
    const ColumnLimits limits(*m_pConnection, kUnitTable);
    for (const UnitBox& box : kBoxes) {
        const std::string column = kUnitColumns[box.column].name;
        if (!limits.FirstTooLong({{column, m_fields[box.column]}}).empty())
            return TooLongMessage(FieldLabel(*this, box.id), limits.Of(column), failure);
    }
    return failure;
}

void CDlgUnitInfo::OnOK() {
    if (!UpdateData(TRUE)) return;
    const std::string& code = m_fields[kUnitCode];
    if (code.empty() || m_fields[kUnitName].empty()) {
        Prompt("请将必填项填写完整", MB_ICONSTOP);
        return;
    }
    const bool update = !m_strLoadedCode.empty() && UnitStored(m_strLoadedCode);
    // The code is the unit's key: no second row may take it.
    const bool sameUnit = update && text::EqualsNoCase(code, m_strLoadedCode);
    if (!sameUnit && UnitStored(code)) {
        Prompt("单位代码：" + code + "已存在！", MB_ICONSTOP);
        return;
    }
    if (update) {
        if (Prompt("确定更新单位信息吗？", MB_ICONINFORMATION, MB_YESNO) != IDYES) return;
        if (!Save(true)) {
            Prompt(db::FailureMessage(*m_pConnection, FailureMessage("单位信息更新失败！")), MB_ICONSTOP);
            return;
        }
        Prompt("单位信息更新成功！");
    } else {
        if (!Save(false)) {
            Prompt(db::FailureMessage(*m_pConnection, FailureMessage("单位信息插入失败！")), MB_ICONSTOP);
            return;
        }
        Prompt("单位信息保存成功！");
    }
    EndDialog(IDOK);
}
