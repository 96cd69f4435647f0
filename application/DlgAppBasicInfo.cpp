#include "application/DlgAppBasicInfo.h"

#include "platform/text/Text.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"

const std::array<CDlgAppBasicInfo::Field, 23> CDlgAppBasicInfo::kFields = {{
    {IDC_NAME, "XMMC"},           {IDC_CATEGORY, "XMLB"},     {IDC_GUIDE_CODE, "SQZNDM"},
    {IDC_FUND_NUMBER, "JJBH"},    {IDC_UNIT_CODE, "DWDM"},    {IDC_YEAR, "NF"},
    {IDC_APPLY_DATE, "SQRQ"},     {IDC_START_DATE, "XMQSRQ"}, {IDC_END_DATE, "XMZZRQ"},
    {IDC_SUBJECT_WORDS, "ZTC"},   {IDC_SECRET_LEVEL, "MJ"},   {IDC_PHONE, "DH"},
    {IDC_ADDRESS, "DXDZ"},        {IDC_POSTCODE, "YZBM"},     {IDC_APPLICANT, "SQRXM"},
    {IDC_SEX, "SQRXB"},           {IDC_ID_NUMBER, "SQRNL"},   {IDC_DEGREE, "XW"},
    {IDC_TITLE, "ZC"},            {IDC_SPECIALITY, "ZYTC"},   {IDC_WORK_UNIT, "GZDW"},
    {IDC_AFFILIATION, "LSGX"},    {IDC_PARTNERS, "HZDW"},
}};

namespace {

constexpr const char* kDigits = "1234567890";
constexpr const char* kLettersAndDigits = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The masked edits: free text of these characters, at most so many.
struct MaskedField {
    ui::MaskEdit CDlgAppBasicInfo::*edit;
    int id;
    const char* valid;
    int maxLength;
};
constexpr MaskedField kMaskedFields[] = {
    {&CDlgAppBasicInfo::m_editAmount, CDlgAppBasicInfo::IDC_AMOUNT, "1234567890.", 10},
    {&CDlgAppBasicInfo::m_editGuideCode, CDlgAppBasicInfo::IDC_GUIDE_CODE, kLettersAndDigits, 11},
    {&CDlgAppBasicInfo::m_editUnitCode, CDlgAppBasicInfo::IDC_UNIT_CODE, kLettersAndDigits, 4},
    {&CDlgAppBasicInfo::m_editYear, CDlgAppBasicInfo::IDC_YEAR, kDigits, 4},
    {&CDlgAppBasicInfo::m_editPhone, CDlgAppBasicInfo::IDC_PHONE, "1234567890()-", 20},
    {&CDlgAppBasicInfo::m_editPostcode, CDlgAppBasicInfo::IDC_POSTCODE, kDigits, 6},
    {&CDlgAppBasicInfo::m_editIdNumber, CDlgAppBasicInfo::IDC_ID_NUMBER, kDigits, 18},
};

constexpr int kSerialLength = 3;
constexpr int kApplicantLength = 14;

}  // namespace

const ui::DialogTemplate& CDlgAppBasicInfo::Template() {
    static const ui::DialogTemplate tpl = [] {
        using ui::Kind;
        constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        ui::DialogTemplate t{IDD, "", {0, 0, 529, 352}, {}, WS_CHILD};
        // Two columns of labelled fields, row by row.
        auto label = [&t](int column, int row, const char* text) {
            t.controls.push_back({Kind::Static, IDC_STATIC, text, {10 + column * 262, 30 + row * 22, 56, 10}, SS_RIGHT});
        };
        auto place = [](int column, int row, int dx, int width, int height = 13) {
            return ui::DluRect{70 + column * 262 + dx, 28 + row * 22, width, height};
        };
        auto field = [&](int column, int row, const char* text, Kind kind, int id, DWORD style,
                         std::vector<std::string> items = {}) {
            label(column, row, text);
            t.controls.push_back({kind, id, "", place(column, row, 0, 180, kind == Kind::ComboBox ? 100 : 13), style,
                                  std::move(items)});
        };
        label(0, 0, "项目编号:");
        t.controls.push_back({Kind::Edit, IDC_NUMBER_PREFIX, "", place(0, 0, 0, 130), kEdit | ES_READONLY});
        t.controls.push_back({Kind::Edit, IDC_SERIAL, "", place(0, 0, 134, 46), kEdit | ES_READONLY});
        field(1, 0, "项目名称:", Kind::Edit, IDC_NAME, kEdit);
        field(0, 1, "项目类别:", Kind::ComboBox, IDC_CATEGORY, kList, {"一般项目", "重点项目"});
        label(1, 1, "申请金额:");
        t.controls.push_back({Kind::Edit, IDC_AMOUNT, "", place(1, 1, 0, 150), kEdit | ES_READONLY});
        t.controls.push_back({Kind::Static, IDC_STATIC, "万元", place(1, 1, 154, 26, 10)});
        field(0, 2, "指南代码:", Kind::Edit, IDC_GUIDE_CODE, kEdit);
        field(1, 2, "单位代码:", Kind::Edit, IDC_UNIT_CODE, kEdit);
        field(0, 3, "年份:", Kind::Edit, IDC_YEAR, kEdit);
        field(1, 3, "申请日期:", Kind::DateTimePicker, IDC_APPLY_DATE, WS_TABSTOP);
        label(0, 4, "起止年月:");
        t.controls.push_back({Kind::DateTimePicker, IDC_START_DATE, "", place(0, 4, 0, 82), WS_TABSTOP});
        t.controls.push_back({Kind::Static, IDC_STATIC, "—", place(0, 4, 84, 12, 10), SS_CENTER});
        t.controls.push_back({Kind::DateTimePicker, IDC_END_DATE, "", place(0, 4, 98, 82), WS_TABSTOP});
        field(1, 4, "电话:", Kind::Edit, IDC_PHONE, kEdit);
        field(0, 5, "邮政编码:", Kind::Edit, IDC_POSTCODE, kEdit);
        field(1, 5, "通信地址:", Kind::Edit, IDC_ADDRESS, kEdit);
        field(0, 6, "主题词:", Kind::Edit, IDC_SUBJECT_WORDS, kEdit);
        field(1, 6, "密级:", Kind::Edit, IDC_SECRET_LEVEL, kEdit);
        field(0, 7, "申请人:", Kind::Edit, IDC_APPLICANT, kEdit);
        field(1, 7, "性别:", Kind::ComboBox, IDC_SEX, kList);
        field(0, 8, "身份证号:", Kind::Edit, IDC_ID_NUMBER, kEdit);
        field(1, 8, "学位:", Kind::ComboBox, IDC_DEGREE, kList);
        field(0, 9, "职称:", Kind::ComboBox, IDC_TITLE, kList);
        field(1, 9, "专业特长:", Kind::Edit, IDC_SPECIALITY, kEdit);
        field(0, 10, "工作单位:", Kind::Edit, IDC_WORK_UNIT, kEdit);
        field(1, 10, "隶属关系:", Kind::Edit, IDC_AFFILIATION, kEdit);
        field(0, 11, "合作单位:", Kind::Edit, IDC_PARTNERS, kEdit);
        t.controls.push_back({Kind::Edit, IDC_FUND_NUMBER, "", place(1, 11, 0, 180), kEdit, {}, true});
        return t;
    }();
    return tpl;
}

CDlgAppBasicInfo::CDlgAppBasicInfo() : CDlgAppPage(Template()) {}

text::DateTime CDlgAppBasicInfo::DefaultEndDate(const std::string& startText) {
    text::DateTime end;
    end.year = int(text::Atol(startText.substr(0, 4))) + 2;
    end.month = int(text::Atol(startText.size() >= 2 ? startText.substr(startText.size() - 2) : startText));
    end.day = 3;
    return end;
}

BOOL CDlgAppBasicInfo::OnInitDialog() {
    CDlgAppPage::OnInitDialog();
    for (const MaskedField& masked : kMaskedFields) {
        ui::MaskEdit& edit = this->*masked.edit;
        edit.SubclassDlgItem(masked.id, this);
        edit.DisableMask();
        edit.SetValidChars(masked.valid);
        edit.LimitText(masked.maxLength);
    }
    auto* serial = Item<ui::Edit>(IDC_SERIAL);
    serial->SetValidChars(kDigits);
    serial->LimitText(kSerialLength);
    Item<ui::Edit>(IDC_APPLICANT)->LimitText(kApplicantLength);

    auto* start = Item<ui::DateTimeCtrl>(IDC_START_DATE);
    auto* end = Item<ui::DateTimeCtrl>(IDC_END_DATE);
    Item<ui::DateTimeCtrl>(IDC_APPLY_DATE)->SetFormat("yyyy/MM/dd");
    start->SetFormat("yyyy/MM");
    end->SetFormat("yyyy/MM");
    end->SetTime(DefaultEndDate(start->GetWindowText()));
    return TRUE;
}
