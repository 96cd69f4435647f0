// The chapter page "研究目标及研究内容" (the writer's fourth tab): one
// rich-text field under a fixed heading.
#pragma once

#include <string>

#include "application/DlgAppPage.h"

class CDlgAppChapter : public CDlgAppChapterPage {
public:
    static constexpr int IDD = 5517;
    static constexpr int IDC_HEADING = 5502, IDC_RICHEDIT = 5563;

    CDlgAppChapter();
    static const ui::DialogTemplate& Template();

    // The field's plain text, taken by data exchange.
    std::string m_strText;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};
