// The basic-information page: what each field takes, the date formats and
// the default end of a project.
#include "AppWriterTestSupport.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"

namespace {

class BasicInfoPage : public AppWriterTest {
protected:
    CDlgAppBasicInfo& Page() { return Writer().m_dlgBasicInfo; }
};

}  // namespace

TEST_F(BasicInfoPage, DefaultEndIsTwoYearsAfterTheStartOnTheThird) {
    const struct {
        std::string start;
        int year, month;
    } cases[] = {{"2010/09", 2012, 9}, {"2008/01", 2010, 1}, {"1999/12", 2001, 12}};
    for (const auto& c : cases) {
        const text::DateTime end = CDlgAppBasicInfo::DefaultEndDate(c.start);
        EXPECT_EQ(std::make_tuple(end.year, end.month, end.day), std::make_tuple(c.year, c.month, 3)) << c.start;
    }
}

TEST_F(BasicInfoPage, SetUpGivesTheDateFormatsAndEndsTheProjectTwoYearsOn) {
    auto* apply = Page().Item<ui::DateTimeCtrl>(CDlgAppBasicInfo::IDC_APPLY_DATE);
    auto* start = Page().Item<ui::DateTimeCtrl>(CDlgAppBasicInfo::IDC_START_DATE);
    auto* end = Page().Item<ui::DateTimeCtrl>(CDlgAppBasicInfo::IDC_END_DATE);
    const text::DateTime now = text::DateTime::Now();
    EXPECT_EQ(apply->GetWindowText(), now.Format("%Y/%m/%d"));
    EXPECT_EQ(start->GetWindowText(), now.Format("%Y/%m"));
    text::DateTime endTime;
    ASSERT_TRUE(end->GetTime(endTime));
    EXPECT_EQ(std::make_tuple(endTime.year, endTime.month, endTime.day), std::make_tuple(now.year + 2, now.month, 3));
}

TEST_F(BasicInfoPage, FieldsTakeOnlyTheirCharactersUpToTheirLength) {
    const struct {
        int id;
        std::string typed, kept;
    } cases[] = {
        {CDlgAppBasicInfo::IDC_GUIDE_CODE, "9140a-02B030X", "9140a02B030"},
        {CDlgAppBasicInfo::IDC_UNIT_CODE, "A1-b2c", "A1b2"},
        {CDlgAppBasicInfo::IDC_YEAR, "20x089", "2008"},
        {CDlgAppBasicInfo::IDC_PHONE, "(010)-123 4567", "(010)-1234567"},
        {CDlgAppBasicInfo::IDC_POSTCODE, "10008x12", "100081"},
        {CDlgAppBasicInfo::IDC_ID_NUMBER, "11010119800101123X45", "110101198001011234"},
        {CDlgAppBasicInfo::IDC_APPLICANT, "abcdefghijklmnop", "abcdefghijklmn"},
        {CDlgAppBasicInfo::IDC_NAME, "任意的项目名称 1", "任意的项目名称 1"},
    };
    for (const auto& c : cases) {
        ui::Wnd& edit = *Page().GetDlgItem(c.id);
        edit.SetWindowText("");
        ui::sim::Type(edit, c.typed);
        EXPECT_EQ(edit.GetWindowText(), c.kept) << c.id;
    }
}

TEST_F(BasicInfoPage, NumberAndAmountAreReadOnlyAndTheFundNumberHidden) {
    for (int id : {CDlgAppBasicInfo::IDC_NUMBER_PREFIX, CDlgAppBasicInfo::IDC_SERIAL, CDlgAppBasicInfo::IDC_AMOUNT})
        EXPECT_TRUE(Page().Item<ui::Edit>(id)->IsReadOnly()) << id;
    EXPECT_FALSE(Page().GetDlgItem(CDlgAppBasicInfo::IDC_FUND_NUMBER)->IsWindowVisible());
    Page().SetDlgItemText(CDlgAppBasicInfo::IDC_AMOUNT, "0");  // the form view's texts are taken as they are
    EXPECT_EQ(Page().GetDlgItemText(CDlgAppBasicInfo::IDC_AMOUNT), "0");

    // Made editable (the applicant unit's serial), the serial takes three digits.
    auto* serial = Page().Item<ui::Edit>(CDlgAppBasicInfo::IDC_SERIAL);
    serial->SetReadOnly(FALSE);
    ui::sim::Type(*serial, "0a123");
    EXPECT_EQ(serial->GetWindowText(), "012");
}

TEST_F(BasicInfoPage, CategoryOffersTheTwoKindsOfProject) {
    auto* category = Page().Item<ui::ComboBox>(CDlgAppBasicInfo::IDC_CATEGORY);
    ASSERT_TRUE(category->IsDropDownList());
    ASSERT_EQ(category->GetCount(), 2);
    EXPECT_EQ(category->GetLBText(0), "一般项目");
    EXPECT_EQ(category->GetLBText(1), "重点项目");
    EXPECT_EQ(category->GetCurSel(), -1);
}
