// The duplicate-record prompt that every importer of the library shows
// before it asks for a file, and the rule that applies the chosen policy.
//
// How an importer uses it:
//
//   sysmanage::DuplicatePolicy policy;
//   if (!ChooseDuplicatePolicy(policy, this)) return;      // cancelled: no file is asked for
//   ... for each imported record whose key is stored already:
//   if (!ShouldOverwrite(policy, "<question naming the record>")) continue;   // keep the stored one
//   ... replace the stored record ...
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

namespace sysmanage {

// What an import does with a record whose key is stored already.
enum DuplicatePolicy {
    Overwrite = 0,     // the stored record is replaced by the imported one
    KeepExisting = 1,  // the imported record is skipped
    AskEach = 2,       // a Yes/No question per record: Yes overwrites, No skips
};

}  // namespace sysmanage

class CDlgRepeatRecord : public ui::Dialog {
public:
    static constexpr int IDD = 10011;
    static constexpr int IDC_OVERWRITE = 10050;
    static constexpr int IDC_KEEP = 10051;
    static constexpr int IDC_ASK = 10052;

    explicit CDlgRepeatRecord(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

    int m_nPolicy = -1;  // a DuplicatePolicy once the dialog closed with OK

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
};

namespace sysmanage {

// Shows the prompt with Overwrite preselected; true with the chosen policy
// when it closed with OK.
bool ChooseDuplicatePolicy(DuplicatePolicy& policy, ui::Wnd* parent = nullptr);

// Whether a stored record is to be replaced under `policy`; AskEach asks
// `question` (caption "提示", Yes/No) and overwrites on Yes.
bool ShouldOverwrite(DuplicatePolicy policy, const std::string& question, UINT icon = MB_ICONQUESTION);

}  // namespace sysmanage
