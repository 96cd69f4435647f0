// The import dialog that asks once per import what to do with records that
// are stored already (DuplicatePolicy). The caller sets m_nPolicy before the
// dialog is shown and reads it afterwards; Cancel leaves it as it was.
#pragma once

#include "application/DuplicatePolicy.h"
#include "platform/ui/Dialog.h"

class CDlgImportPolicy : public ui::Dialog {
public:
    static constexpr int IDD = 5501;
    static constexpr int IDC_RADIO_OVERWRITE = 5134;
    static constexpr int IDC_RADIO_KEEP = 5135;
    static constexpr int IDC_RADIO_ASK = 5523;
    static constexpr int IDC_BTN_OK = 5524;

    explicit CDlgImportPolicy(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    DuplicatePolicy m_nPolicy = duplicate_policy::Overwrite;

protected:
    BOOL OnInitDialog() override;
    // Enter does nothing: the dialog ends only through 确定, 取消 or its close box.
    void OnOK() override {}

private:
    void OnBtnOk();
};
