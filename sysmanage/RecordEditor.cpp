#include "sysmanage/RecordEditor.h"

#include "foundation/ColumnLimits.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"

CRecordEditor::CRecordEditor(const ui::DialogTemplate& tpl, const char* table, std::vector<EditorField> fields,
                             ui::Wnd* parent)
    : ui::Dialog(tpl, parent), table_(table), fields_(std::move(fields)), values_(fields_.size()) {}

CRecordEditor::~CRecordEditor() = default;

BOOL CRecordEditor::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    if (!m_pConnection || !m_pRecordSet) {
        ownConnection_ = std::make_unique<CAdoConnection>();
        ownRecordSet_ = std::make_unique<CAdoRecordSet>();
        m_pConnection = ownConnection_.get();
        m_pRecordSet = ownRecordSet_.get();
        if (ConnectDatabase(*m_pConnection, kProjectDatabase)) BindRecordset(*m_pRecordSet, *m_pConnection);
        else ui::AfxMessageBox(kConnectFailed);
    }
    std::vector<std::pair<int, std::string>> boxes;
    for (const EditorField& field : fields_) {
        auto* edit = Item<ui::Edit>(field.id);
        if (!edit || field.choice) continue;
        if (field.validChars) edit->SetValidChars(field.validChars);
        edit->LimitText(field.limit);
        boxes.emplace_back(field.id, field.column);
    }
    ColumnLimits(*m_pConnection, table_).LimitBoxes(*this, boxes);
    return TRUE;
}

void CRecordEditor::DoDataExchange(ui::DataExchange& dx) {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (!fields_[i].choice) dx.Text(fields_[i].id, values_[i]);
}

void CRecordEditor::OpenKeyed(const char* keyColumn, const std::string& key) {
    masterstore::OpenRecord(*m_pRecordSet, table_, keyColumn, key);
}

bool CRecordEditor::LoadRecord(const char* keyColumn, const std::string& key) {
    OpenKeyed(keyColumn, key);
    if (m_pRecordSet->IsEOF()) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        values_[i].clear();
        m_pRecordSet->GetString(fields_[i].column, values_[i]);
        if (fields_[i].choice) SelectExact(fields_[i].id, values_[i]);
    }
    UpdateData(FALSE);
    return true;
}

bool CRecordEditor::CollectValues() {
    if (!UpdateData(TRUE)) return false;
    // A drop-down list without a selection (its stored text is not among the
    // entries) keeps the text it was loaded with rather than erasing it.
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        auto* combo = fields_[i].choice ? Item<ui::ComboBox>(fields_[i].id) : nullptr;
        if (combo && combo->GetCurSel() >= 0) values_[i] = combo->GetLBText(combo->GetCurSel());
    }
    return true;
}

bool CRecordEditor::RequiredFilled() const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].required && values_[i].empty()) return false;
    return true;
}

bool CRecordEditor::WriteFields(bool addNew) {
    bool written = !addNew || m_pRecordSet->AddNew();
    for (std::size_t i = 0; written && i < fields_.size(); ++i)
        written = m_pRecordSet->SetString(fields_[i].column, values_[i]);
    if (written && m_pRecordSet->Update()) return true;
    m_pRecordSet->CancelUpdate();
    return false;
}

std::string CRecordEditor::FailureText(const std::string& failure) const {
    const ColumnLimits limits(*m_pConnection, table_);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (!limits.FirstTooLong({{fields_[i].column, values_[i]}}).empty())
            return TooLongMessage(FieldLabel(*this, fields_[i].id), limits.Of(fields_[i].column), failure);
    return failure;
}

void CRecordEditor::SaveKeyed(const KeyedSaveTexts& texts) {
    if (!CollectValues()) return;
    if (!RequiredFilled()) {
        Prompt(texts.required, MB_ICONSTOP);
        return;
    }
    const EditorField& key = fields_.front();
    OpenKeyed(key.column, values_.front());
    const bool stored = !m_pRecordSet->IsEOF();
    if (stored && Prompt(texts.exists, MB_ICONINFORMATION, MB_YESNO) != IDYES) return;
    db::Transaction transaction(*m_pConnection);
    if (!transaction.Began() || !WriteFields(!stored) || !transaction.Commit()) {
        transaction.Rollback();
        m_pRecordSet->Close();
        Prompt(db::FailureMessage(*m_pConnection, FailureText(stored ? texts.updateFailed : texts.addFailed)),
               MB_ICONSTOP);
        return;
    }
    m_pRecordSet->Close();
    Prompt(stored ? texts.updated : texts.added);
    EndDialog(IDOK);
}

std::string& CRecordEditor::Value(const char* column) {
    const EditorField* field = FieldOf(column);
    return values_[field ? field - fields_.data() : 0];
}

const EditorField* CRecordEditor::FieldOf(const char* column) const {
    for (const EditorField& field : fields_)
        if (text::EqualsNoCase(field.column, column)) return &field;
    return nullptr;
}

void CRecordEditor::FillChoice(int id, const std::vector<std::string>& texts) {
    auto* combo = Item<ui::ComboBox>(id);
    if (!combo) return;
    combo->ResetContent();
    for (const std::string& t : texts) combo->AddString(t);
    combo->SetCurSel(0);
}

void CRecordEditor::SelectExact(int id, const std::string& text) {
    auto* combo = Item<ui::ComboBox>(id);
    if (!combo) return;
    combo->SetCurSel(-1);
    for (int i = 0; i < combo->GetCount(); ++i) {
        if (combo->GetLBText(i) == text) {
            combo->SetCurSel(i);
            return;
        }
    }
}

