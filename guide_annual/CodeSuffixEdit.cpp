#include "guide_annual/CodeSuffixEdit.h"

#include <QLineEdit>

#include "guide_annual/TopicScopeDocument.h"

void CCodeSuffixEdit::ApplySuffixRule() {
    SetValidChars(topic::kSuffixChars);
    LimitText(2);
}

bool CCodeSuffixEdit::OnKeyDown(UINT vk) {
    auto* line = qobject_cast<QLineEdit*>(GetWidget());
    if (vk != VK_BACK || !line || line->isReadOnly()) return false;
    // Backspace is a typed character too: erase, then the hook.
    line->backspace();
    OnChar(VK_BACK);
    return true;
}
