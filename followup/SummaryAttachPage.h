// The basic-data page of a summary document: project number and name, the
// main contributors or the project leader, the attachment and (acceptance
// summary) the technical-indicator text. An applicant keeps one attachment
// file in the document's row (添加, 提取, 删除); the fund office (role 2)
// keeps the attachments as files in the project's folder (添加附件,
// 打开附件所在文件夹) and may type the project number.
// CDlgProSumAttach and CDlgProSum1Attach are its two kinds.
#pragma once

#include <string>

#include "followup/SummaryKind.h"
#include "platform/ui/Dialog.h"

class CAdoConnection;

class CSummaryAttachPage : public ui::Dialog {
public:
    static constexpr int IDC_XMBH = 5536;
    static constexpr int IDC_XMMC = 5522;
    static constexpr int IDC_SJWCR = 5523;
    static constexpr int IDC_ATTACHNAME = 5524;
    static constexpr int IDC_ZBSXQK = 5525;  // acceptance summary only
    static constexpr int IDC_BTN_ADD = 5142;             // 添加
    static constexpr int IDC_BTN_EXTRACT = 5143;         // 提取
    static constexpr int IDC_BTN_DELETE = 5144;          // 删除
    static constexpr int IDC_BTN_OPEN_FOLDER = 5145;     // 打开附件所在文件夹 (role 2)
    static constexpr int IDC_BTN_ADD_TO_FOLDER = 5146;   // 添加附件 (role 2)
    static constexpr int kIndicatorLimit = 800;          // GBK bytes
    static constexpr long long kMaxAttachmentBytes = 50000000;

    CSummaryAttachPage(followup::SummaryKind kind, ui::Wnd* parent);
    static const ui::DialogTemplate& Template(followup::SummaryKind kind);

    // Empties the five fields and shows them.
    void Clear();

    void OnBtnAdd();
    void OnBtnExtract();
    void OnBtnDelete();
    void OnBtnOpenFolder();
    void OnBtnAddToFolder();
    // Appends the names found in the folder to m_strFileList.
    void ListFolder(const std::string& folder);

    followup::SummaryKind Kind() const { return m_kind; }

    // The fields, in the order of the page.
    std::string m_strXMBH;
    std::string m_strXMMC;
    std::string m_strSJWCR;       // main contributors or project leader
    std::string m_strAttachName;
    std::string m_strZBSXQK;      // acceptance summary only
    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;
    // Names found by the folder walk (role 2).
    std::string m_strFileList;
    // The shown name carries the mark of a name that differs from the
    // application's (role 2); the mark is never stored.
    bool m_bNameMarked = false;
    static constexpr const char* kNameMark = "*";
    // The name as it is to be stored.
    std::string NameToStore() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    // False, after telling the user, when no project is open.
    bool ProjectOpen();

    followup::SummaryKind m_kind;
};
