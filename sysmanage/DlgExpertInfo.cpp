#include "sysmanage/DlgExpertInfo.h"

#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"

namespace {

using C = CDlgExpertInfo;

// In the order the columns are written.
const std::vector<EditorField>& Fields() {
    static const std::vector<EditorField> fields = {
        {C::IDC_SSJJLB, "SSJJLB", false, nullptr, 0, true},
        {C::IDC_ID, "ID", true, kLettersAndDigits},
        {C::IDC_XM, "XM", true},
        {C::IDC_XB, "XB", false, nullptr, 0, true},
        {C::IDC_NL, "NL", false, kDigits, 3},
        {C::IDC_ZC, "ZC", false, nullptr, 0, true},
        {C::IDC_ZYTC, "ZYTC"},
        {C::IDC_GZDW, "GZDW"},
        {C::IDC_TXDZ, "TXDZ"},
        {C::IDC_YZBM, "YZBM", false, kDigits, 6},
        {C::IDC_DH, "DH", false, kTelephoneChars, 20},
        {C::IDC_SJ, "SJ", false, kDigits, 11},
        {C::IDC_SFXSWYHCY, "SFXSWYHCY", false, nullptr, 0, true},
    };
    return fields;
}

// The last `count` characters of a UTF-8 text.
std::string LastCharacters(const std::string& s, int count) {
    std::size_t start = s.size();
    while (start > 0 && count > 0) {
        --start;
        if ((static_cast<unsigned char>(s[start]) & 0xC0) != 0x80) --count;
    }
    return s.substr(start);
}

}  // namespace

const ui::DialogTemplate& CDlgExpertInfo::Template() {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    // Two columns of seven rows; x of the labels and boxes, y of the rows.
    constexpr int kLeftLabel = 15, kLeftBox = 95, kRightLabel = 205, kRightBox = 285;
    auto y = [](int row) { return 22 + 18 * row; };
    auto label = [&](const char* text, int x, int row, bool hidden = false) {
        return ui::ControlTemplate{Kind::Static, IDC_STATIC, text, {x, y(row) + 2, 78, 10}, 0, {}, hidden};
    };
    static const ui::DialogTemplate tpl{IDD, "专家信息管理", {0, 0, 400, 177}, {
        {Kind::GroupBox, IDC_STATIC, "专家详细信息", {7, 7, 386, 140}},
        label("所属基金类别(必填)：", kLeftLabel, 0),
        {Kind::ComboBox, IDC_SSJJLB, "", {kLeftBox, y(0), 100, 100}, kList},
        label("ID(必填)：", kLeftLabel, 1),
        {Kind::Edit, IDC_ID, "", {kLeftBox, y(1), 100, 13}, kEdit},
        label("姓名(必填)：", kLeftLabel, 2),
        {Kind::Edit, IDC_XM, "", {kLeftBox, y(2), 100, 13}, kEdit},
        label("性别：", kLeftLabel, 3),
        {Kind::ComboBox, IDC_XB, "", {kLeftBox, y(3), 100, 60}, kList},
        label("年龄：", kLeftLabel, 4),
        {Kind::Edit, IDC_NL, "", {kLeftBox, y(4), 100, 13}, kEdit},
        label("职称：", kLeftLabel, 5),
        {Kind::ComboBox, IDC_ZC, "", {kLeftBox, y(5), 100, 120}, kList},
        label("专业特长：", kLeftLabel, 6),
        {Kind::Edit, IDC_ZYTC, "", {kLeftBox, y(6), 100, 13}, kEdit},
        label("工作单位：", kRightLabel, 0),
        {Kind::Edit, IDC_GZDW, "", {kRightBox, y(0), 100, 13}, kEdit},
        label("通信地址：", kRightLabel, 1),
        {Kind::Edit, IDC_TXDZ, "", {kRightBox, y(1), 100, 13}, kEdit},
        label("邮政编码：", kRightLabel, 2),
        {Kind::Edit, IDC_YZBM, "", {kRightBox, y(2), 100, 13}, kEdit},
        label("电话：", kRightLabel, 3),
        {Kind::Edit, IDC_DH, "", {kRightBox, y(3), 100, 13}, kEdit},
        label("手机：", kRightLabel, 4),
        {Kind::Edit, IDC_SJ, "", {kRightBox, y(4), 100, 13}, kEdit},
        label("是否学术委员会成员：", kRightLabel, 5, true),
        {Kind::ComboBox, IDC_SFXSWYHCY, "", {kRightBox, y(5), 100, 60}, kList, {}, true},
        {Kind::DefPushButton, IDOK, "保存", {140, 156, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {210, 156, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgExpertInfo::CDlgExpertInfo(ui::Wnd* parent) : CRecordEditor(Template(), "corvane_expertinfo", Fields(), parent) {}

BOOL CDlgExpertInfo::OnInitDialog() {
    CRecordEditor::OnInitDialog();
    std::vector<std::string> categories;
    for (const std::string& jjbh : masterstore::FundNumbers(*m_pRecordSet))
        categories.push_back("J" + LastCharacters(jjbh, 2));
    FillChoice(IDC_SSJJLB, categories);
    FillChoice(IDC_XB, {"男", "女"});
    FillChoice(IDC_SFXSWYHCY, {"是", "否"});
    FillChoice(IDC_ZC, masterstore::TitleNames(*m_pRecordSet));
    if (!m_strKey.empty()) LoadExpert();
    return TRUE;
}

void CDlgExpertInfo::LoadExpert() {
    if (LoadRecord("id", m_strKey))
        m_strLoadedId = Value("ID");
    m_pRecordSet->Close();
}

bool CDlgExpertInfo::IdHeldByAnother(const std::string& id) {
    if (!m_strLoadedId.empty() && text::EqualsNoCase(id, m_strLoadedId)) return false;
    OpenKeyed("id", id);
    const bool held = !m_pRecordSet->IsEOF();
    m_pRecordSet->Close();
    return held;
}

void CDlgExpertInfo::OnOK() {
    const std::string orig = m_strLoadedId;
    if (!CollectValues()) return;
    if (!RequiredFilled()) {
        Prompt("请将必填项填写完整", MB_ICONSTOP);
        return;
    }
    if (IdHeldByAnother(Value("ID"))) {
        Prompt("专家ID：" + Value("ID") + "已存在，请使用其他ID！", MB_ICONSTOP);
        return;
    }
    OpenKeyed("id", orig);
    const bool change = !orig.empty() && !m_pRecordSet->IsEOF();
    if (change && Prompt("确定更新专家信息吗？", MB_ICONINFORMATION, MB_YESNO) != IDYES) return;
    db::Transaction transaction(*m_pConnection);
    if (!transaction.Began() || !WriteFields(!change) || !transaction.Commit()) {
        transaction.Rollback();
        Prompt(db::FailureMessage(*m_pConnection, FailureText(change ? "专家信息更新失败！" : "专家信息插入失败！")),
               MB_ICONSTOP);
        return;
    }
    Prompt(change ? "专家信息更新成功！" : "专家信息保存成功！");
    EndDialog(IDOK);
}
