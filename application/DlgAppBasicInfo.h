// The basic-information page (申请书基本信息): the project's number, name,
// category, amount, codes, dates and the applicant. The form view reads and
// fills its controls; the page limits what can be typed into them.
#pragma once

#include <array>
#include <string>

#include "application/DlgAppPage.h"
#include "platform/text/DateTime.h"
#include "platform/ui/MaskEdit.h"

class CDlgAppBasicInfo : public CDlgAppPage {
public:
    static constexpr int IDD = 5001;
    static constexpr int IDC_NUMBER_PREFIX = 5168, IDC_SERIAL = 5568, IDC_NAME = 5169, IDC_CATEGORY = 5112,
                         IDC_AMOUNT = 5172, IDC_GUIDE_CODE = 5170, IDC_UNIT_CODE = 5171, IDC_YEAR = 5173,
                         IDC_APPLY_DATE = 5559, IDC_START_DATE = 5560, IDC_END_DATE = 5561, IDC_PHONE = 5110,
                         IDC_POSTCODE = 5109, IDC_ADDRESS = 5176, IDC_SUBJECT_WORDS = 5526,
                         IDC_SECRET_LEVEL = 5540, IDC_APPLICANT = 5177, IDC_SEX = 5513, IDC_ID_NUMBER = 5179,
                         IDC_DEGREE = 5119, IDC_TITLE = 5121, IDC_SPECIALITY = 5123, IDC_WORK_UNIT = 5180,
                         IDC_AFFILIATION = 5124, IDC_PARTNERS = 5125, IDC_FUND_NUMBER = 5550;

    // A control whose text is stored as it stands in a column of the
    // application row (the number, composed of two fields, and the amount,
    // taken from the budget, are not among them).
    struct Field {
        int id;
        const char* column;
    };
    static const std::array<Field, 23> kFields;

    CDlgAppBasicInfo();
    static const ui::DialogTemplate& Template();

    // The end of a project by default: two years after the start ("yyyy/MM"
    // text: the year its first four characters, the month its last two), day 3.
    static text::DateTime DefaultEndDate(const std::string& startText);

    ui::MaskEdit m_editAmount, m_editGuideCode, m_editUnitCode, m_editYear, m_editPhone, m_editPostcode,
        m_editIdNumber;

protected:
    BOOL OnInitDialog() override;
};
