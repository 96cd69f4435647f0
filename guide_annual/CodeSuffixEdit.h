// The suffix edits of the subject and research-direction editors: free text
// of at most two letters or digits; after each typed character, Backspace
// included, the edit's character hook runs (the editors look the number up
// in the five-year guide there).
#pragma once

#include "platform/ui/MaskEdit.h"

class CCodeSuffixEdit : public ui::MaskEdit {
public:
    // Letters and digits only, at most two of them.
    void ApplySuffixRule();

protected:
    bool OnKeyDown(UINT vk) override;
};

// The subject editor's suffix edit (control 3103).
class CSubjectCodeEdit : public CCodeSuffixEdit {};
// The research-direction editor's suffix edit (control 3106).
class CAspectCodeEdit : public CCodeSuffixEdit {};
