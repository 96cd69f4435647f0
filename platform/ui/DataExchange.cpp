#include "platform/ui/DataExchange.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>

#include "platform/text/Text.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Services.h"

namespace ui {

namespace {
// The framework's own messages for refused values.
constexpr const char* kNotInteger = "请输入一个整数。";
constexpr const char* kIntRange = "请输入一个介于 %ld 和 %ld 之间的整数。";
constexpr const char* kNotNumber = "请输入一个数字。";
constexpr const char* kNumberRange = "请输入一个介于 %g 和 %g 之间的数字。";
constexpr const char* kTooLong = "请输入不超过 %d 个字符。";

// A whole number: blanks, an optional sign, digits, blanks.
bool ParseLong(const std::string& s, long& out) {
    const std::string t = text::Trim(s);
    if (t.empty()) return false;
    size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) return false;
    for (size_t k = i; k < t.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(t[k]))) return false;
    errno = 0;
    const long long value = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return false;
    out = long(value);
    return true;
}

bool ParseDouble(const std::string& s, double& out) {
    const std::string t = text::Trim(s);
    if (t.empty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && errno != ERANGE;
}

// The radio buttons of the group that starts at `firstId`, in tab order.
std::vector<Button*> RadioGroup(Dialog& dialog, int firstId) {
    std::vector<Button*> group;
    bool inGroup = false;
    for (const ControlTemplate& entry : dialog.GetTemplate().controls) {
        if (!inGroup) {
            inGroup = entry.id == firstId && entry.kind == Kind::RadioButton;
        } else if (entry.kind != Kind::RadioButton || (entry.style & WS_GROUP)) {
            break;
        }
        if (inGroup)
            if (auto* radio = dialog.Item<Button>(entry.id)) group.push_back(radio);
    }
    return group;
}
}  // namespace

Wnd* DataExchange::PrepareCtrl(int id) {
    lastId_ = id;
    return dialog_.GetDlgItem(id);
}

void DataExchange::Fail() { throw Failure{}; }

void DataExchange::Refuse(const std::string& message) {
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    if (Wnd* control = dialog_.GetDlgItem(lastId_)) {
        control->SetFocus();
        if (auto* edit = dynamic_cast<Edit*>(control)) edit->SetSel(0, -1);
    }
    Fail();
}

void DataExchange::Text(int id, std::string& value) {
    Wnd* control = PrepareCtrl(id);
    if (!control) return;
    if (m_bSaveAndValidate) value = control->GetWindowText();
    else control->SetWindowText(value);
}

void DataExchange::Text(int id, long& value) {
    Wnd* control = PrepareCtrl(id);
    if (!control) return;
    if (!m_bSaveAndValidate) {
        control->SetWindowText(std::to_string(value));
        return;
    }
    long parsed = 0;
    if (!ParseLong(control->GetWindowText(), parsed)) Refuse(kNotInteger);
    value = parsed;
}

void DataExchange::Text(int id, int& value) {
    long wide = value;
    Text(id, wide);
    value = int(wide);
}

void DataExchange::Text(int id, double& value) {
    Wnd* control = PrepareCtrl(id);
    if (!control) return;
    if (!m_bSaveAndValidate) {
        control->SetWindowText(text::Format("%.*g", DBL_DIG, value));
        return;
    }
    double parsed = 0;
    if (!ParseDouble(control->GetWindowText(), parsed)) Refuse(kNotNumber);
    value = parsed;
}

void DataExchange::Text(int id, float& value) {
    Wnd* control = PrepareCtrl(id);
    if (!control) return;
    if (!m_bSaveAndValidate) {
        control->SetWindowText(text::Format("%.*g", FLT_DIG, double(value)));
        return;
    }
    double parsed = 0;
    if (!ParseDouble(control->GetWindowText(), parsed) || parsed > FLT_MAX || parsed < -FLT_MAX) Refuse(kNotNumber);
    value = float(parsed);
}

void DataExchange::Check(int id, int& value) {
    auto* button = dynamic_cast<Button*>(PrepareCtrl(id));
    if (!button) return;
    if (m_bSaveAndValidate) value = button->GetCheck();
    else button->SetCheck(value);
}

void DataExchange::Radio(int firstId, int& index) {
    PrepareCtrl(firstId);
    const std::vector<Button*> group = RadioGroup(dialog_, firstId);
    if (m_bSaveAndValidate) {
        index = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (group[i]->GetCheck()) index = int(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i) group[i]->SetCheck(int(i) == index ? 1 : 0);
}

void DataExchange::CBIndex(int id, int& index) {
    auto* combo = dynamic_cast<ComboBox*>(PrepareCtrl(id));
    if (!combo) return;
    if (m_bSaveAndValidate) index = combo->GetCurSel();
    else combo->SetCurSel(index);
}

void DataExchange::CBString(int id, std::string& value) {
    auto* combo = dynamic_cast<ComboBox*>(PrepareCtrl(id));
    if (!combo) return;
    if (m_bSaveAndValidate) {
        value = combo->GetWindowText();
        return;
    }
    // Selects the first item that begins with the text; without such an
    // item the box shows the text itself (a drop-down list keeps it, see
    // ComboBox::SetWindowText, so that saving does not blank it).
    if (combo->SelectString(-1, value) < 0) combo->SetWindowText(value);
}

void DataExchange::LBIndex(int id, int& index) {
    auto* list = dynamic_cast<ListBox*>(PrepareCtrl(id));
    if (!list) return;
    if (m_bSaveAndValidate) index = list->GetCurSel();
    else list->SetCurSel(index);
}

void DataExchange::DateTime(int id, text::DateTime& value) {
    auto* picker = dynamic_cast<DateTimeCtrl*>(PrepareCtrl(id));
    if (!picker) return;
    if (m_bSaveAndValidate) picker->GetTime(value);
    else picker->SetTime(value);
}

void DataExchange::Control(int id, Wnd& control) {
    PrepareCtrl(id);
    if (dialog_.GetDlgItem(id) != &control) control.SubclassDlgItem(id, &dialog_);
}

void DataExchange::MaxChars(const std::string& value, int maxGbkBytes) {
    if (!m_bSaveAndValidate) {
        Wnd* control = dialog_.GetDlgItem(lastId_);
        if (auto* edit = dynamic_cast<Edit*>(control)) edit->LimitText(maxGbkBytes);
        // A rich edit counts its limit in characters.
        if (auto* rich = dynamic_cast<RichEditCtrl*>(control)) rich->LimitText(maxGbkBytes);
        return;
    }
    if (text::GbkLength(value) > size_t(maxGbkBytes)) Refuse(text::Format(kTooLong, maxGbkBytes));
}

void DataExchange::MinMaxInt(long value, long minValue, long maxValue) {
    if (m_bSaveAndValidate && (value < minValue || value > maxValue))
        Refuse(text::Format(kIntRange, minValue, maxValue));
}

void DataExchange::MinMaxDouble(double value, double minValue, double maxValue) {
    if (m_bSaveAndValidate && (value < minValue || value > maxValue))
        Refuse(text::Format(kNumberRange, minValue, maxValue));
}

}  // namespace ui
