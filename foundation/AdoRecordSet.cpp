#include "foundation/AdoRecordSet.h"

#include <cstring>
#include <vector>

#include "foundation/VariantConvert.h"
#include "platform/ado/Persist.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

using ado::Variant;

namespace {

constexpr std::size_t kChunkSize = 100;

// By default the message goes to the user through the UI services (a test
// driver answers it in tests); a deliverable that shows nothing installs an
// empty hook.
MessageBoxHook& DisconnectedMessageHook() {
    static MessageBoxHook hook = [](const std::string& text, const std::string& caption) {
        ui::MessageBox(text, caption, MB_OK | MB_ICONINFORMATION);
    };
    return hook;
}

}  // namespace

void SetDisconnectedMessageHook(MessageBoxHook hook) { DisconnectedMessageHook() = std::move(hook); }

void ShowDisconnectedMessage() {
    if (DisconnectedMessageHook()) DisconnectedMessageHook()("数据库可能已经断开,\r\n请重新连接、然后重试.", "提示");
}

CAdoRecordSet::CAdoRecordSet() : m_pRecordset(std::make_unique<ado::Recordset>()) {}

CAdoRecordSet::~CAdoRecordSet() { Release(); }

BOOL CAdoRecordSet::SetCursorLocation(long location) {
    if (!m_pRecordset) return FALSE;
    m_nCursorLocation = location;
    return TRUE;
}

BOOL CAdoRecordSet::Open(const std::string& source, long options, long cursorType, long lockType) {
    if (!source.empty()) m_strSQL = source;
    if (!m_pConnection || !m_pRecordset || m_strSQL.empty()) return FALSE;
    if (IsOpen()) Close();
    ado::Connection* connection = m_pConnection->GetConnection();
    if (!connection) return FALSE;
    const bool isTable = (options & ~adCmdFile) == adCmdTable || options == adCmdTableDirect;
    // A statement without rows runs and leaves the recordset closed, as ADO does.
    return m_pRecordset->Open(*connection, m_strSQL, isTable) ? TRUE : FALSE;
}

BOOL CAdoRecordSet::Close() {
    if (!m_pRecordset) return FALSE;
    if (!m_pRecordset->IsOpen()) return TRUE;
    if (GetEditMode() != ado::adEditNone) CancelUpdate();
    m_pRecordset->Close();
    return TRUE;
}

void CAdoRecordSet::Release() {
    if (IsOpen()) Close();
    m_pRecordset.reset();
}

long CAdoRecordSet::GetState() { return m_pRecordset ? (m_pRecordset->IsOpen() ? adStateOpen : 0) : -1; }

BOOL CAdoRecordSet::IsOpen() { return m_pRecordset && (GetState() & adStateOpen) ? TRUE : FALSE; }

BOOL CAdoRecordSet::MoveFirst() { return m_pRecordset && m_pRecordset->MoveFirst() ? TRUE : FALSE; }

BOOL CAdoRecordSet::MoveNext() { return m_pRecordset && m_pRecordset->MoveNext() ? TRUE : FALSE; }

// A closed or failed recordset answers TRUE, so that every reading loop ends.
BOOL CAdoRecordSet::IsEOF() { return !m_pRecordset || m_pRecordset->IsEOF() ? TRUE : FALSE; }

BOOL CAdoRecordSet::IsBOF() { return !m_pRecordset || m_pRecordset->IsBOF() ? TRUE : FALSE; }

long CAdoRecordSet::GetRecordCount() { return IsOpen() ? m_pRecordset->RecordCount() : -1; }

long CAdoRecordSet::GetFieldCount() { return IsOpen() ? m_pRecordset->FieldCount() : -1; }

long CAdoRecordSet::GetEditMode() { return m_pRecordset ? m_pRecordset->GetEditMode() : ado::adEditNone; }

long CAdoRecordSet::GetAbsolutePosition() { return IsOpen() ? m_pRecordset->AbsolutePosition() : -1; }

BOOL CAdoRecordSet::SetAbsolutePosition(long position) {
    return m_pRecordset && m_pRecordset->SetAbsolutePosition(position) ? TRUE : FALSE;
}

ado::Recordset* CAdoRecordSet::GetFields() { return IsOpen() ? m_pRecordset.get() : nullptr; }

long CAdoRecordSet::ColumnIndex(const std::string& name) { return IsOpen() ? m_pRecordset->FindColumn(name) : -1; }

FieldPtr CAdoRecordSet::GetField(long index) {
    if (!IsOpen() || index < 0 || index >= m_pRecordset->FieldCount()) return nullptr;
    return std::make_shared<AdoField>(AdoField{m_pRecordset.get(), index});
}

FieldPtr CAdoRecordSet::GetField(const std::string& name) { return GetField(ColumnIndex(name)); }

long CAdoRecordSet::GetFieldAttributes(long index) {
    if (!IsOpen() || index < 0 || index >= m_pRecordset->FieldCount()) return -1;
    return m_pRecordset->Column(index).attributes;
}

long CAdoRecordSet::GetFieldAttributes(const std::string& name) { return GetFieldAttributes(ColumnIndex(name)); }

long CAdoRecordSet::GetFieldActualSize(long index) {
    long size = -1;
    return m_pRecordset && m_pRecordset->ActualSize(index, size) ? size : -1;
}

long CAdoRecordSet::GetFieldActualSize(const std::string& name) { return GetFieldActualSize(ColumnIndex(name)); }

BOOL CAdoRecordSet::GetInt(const std::string& name, long& out) {
    Variant value;
    if (!m_pRecordset || !m_pRecordset->GetValue(ColumnIndex(name), value)) {
        out = 0;
        return FALSE;
    }
    out = VariantToInt(value);
    return TRUE;
}

BOOL CAdoRecordSet::GetFloat(const std::string& name, float& out) {
    Variant value;
    if (!m_pRecordset || !m_pRecordset->GetValue(ColumnIndex(name), value)) {
        out = 0;
        return FALSE;
    }
    switch (value.Type()) {
    case ado::VT_EMPTY:
    case ado::VT_NULL: out = 0; return TRUE;
    case ado::VT_I2:
    case ado::VT_UI2: out = static_cast<std::int16_t>(value.IntBits()); return TRUE;
    case ado::VT_R4: out = static_cast<float>(value.RealValue()); return TRUE;
    case ado::VT_I1:
    case ado::VT_UI1: out = static_cast<std::uint8_t>(value.IntBits()); return TRUE;
    default: return FALSE;
    }
}

BOOL CAdoRecordSet::ReadText(long index, std::string& out) {
    // Checked without recording anything first: reading every value of a
    // large result is the common case.
    const ado::RowValues* row = m_pRecordset ? m_pRecordset->LoadedRow(index) : nullptr;
    if (!row) {
        if (!IsOpen()) {
            ShowDisconnectedMessage();
            return FALSE;
        }
        if (IsEOF()) return FALSE;
        row = m_pRecordset->CurrentRow(index);  // loads a deferred value, or records why there is none
        if (!row) return FALSE;
    }
    if (row->Type(index) == ado::VT_BSTR)
        out.assign(row->Bytes(index));  // texts are read in place, into the caller's buffer
    else
        out = VariantToText(row->Get(index));
    return TRUE;
}

BOOL CAdoRecordSet::GetFieldText(long index, std::string& out) {
    if (index < 0 || index >= GetFieldCount()) return FALSE;
    return ReadText(index, out);
}

BOOL CAdoRecordSet::GetString(const std::string& name, std::string& out) {
    return ReadText(ColumnIndex(name), out);
}

std::string CAdoRecordSet::GetLastErrorText() { return m_pConnection ? m_pConnection->FormatErrors() : ""; }

BOOL CAdoRecordSet::AddNew() { return m_pRecordset && m_pRecordset->AddNew() ? TRUE : FALSE; }

BOOL CAdoRecordSet::Update() {
    if (!m_pRecordset) return FALSE;
    if (m_pRecordset->Update()) return TRUE;
    CancelUpdate();  // a failed write leaves no pending edit behind
    return FALSE;
}

BOOL CAdoRecordSet::CancelUpdate() {
    if (!m_pRecordset) return FALSE;
    return m_pRecordset->GetEditMode() == ado::adEditNone || m_pRecordset->CancelUpdate() ? TRUE : FALSE;
}

BOOL CAdoRecordSet::Delete(long affect) { return m_pRecordset && m_pRecordset->Delete() ? TRUE : FALSE; }

BOOL CAdoRecordSet::PutCollect(long index, const Variant& value) {
    return m_pRecordset && m_pRecordset->SetValue(index, value) ? TRUE : FALSE;
}

BOOL CAdoRecordSet::PutCollect(const std::string& name, const Variant& value) {
    return PutCollect(ColumnIndex(name), value);
}

BOOL CAdoRecordSet::SetFieldText(long index, const std::string& value) {
    return PutCollect(index, value.empty() ? Variant::Null() : Variant::Text(value));
}

BOOL CAdoRecordSet::SetString(const std::string& name, const std::string& value) {
    return SetFieldText(ColumnIndex(name), value);
}

BOOL CAdoRecordSet::SetInt(const std::string& name, long value) {
    return PutCollect(name, Variant::I4(static_cast<std::int32_t>(value)));
}

BOOL CAdoRecordSet::SetFloat(const std::string& name, float value) { return PutCollect(name, Variant::R4(value)); }

BOOL CAdoRecordSet::SetDouble(const std::string& name, double value) { return PutCollect(name, Variant::R8(value)); }

BOOL CAdoRecordSet::SetBool(const std::string& name, bool value) { return PutCollect(name, Variant::Bool(value)); }

BOOL CAdoRecordSet::IsLongColumn(long index) {
    const long attributes = GetFieldAttributes(index);
    return attributes != -1 && (attributes & ado::adFldLong) ? TRUE : FALSE;
}

BOOL CAdoRecordSet::AppendChunk(const FieldPtr& field, const void* bytes, long length) {
    if (!field || field->recordset != m_pRecordset.get() || length < 0 || (length > 0 && !bytes)) return FALSE;
    return m_pRecordset->AppendChunk(field->index, static_cast<const std::uint8_t*>(bytes), length) ? TRUE : FALSE;
}

BOOL CAdoRecordSet::AppendChunk(long index, const void* bytes, long length) {
    return IsLongColumn(index) ? AppendChunk(GetField(index), bytes, length) : FALSE;
}

BOOL CAdoRecordSet::AppendChunk(const std::string& name, const void* bytes, long length) {
    return AppendChunk(ColumnIndex(name), bytes, length);
}

BOOL CAdoRecordSet::AppendChunkFromFile(const std::string& name, const std::string& path) {
    const long index = ColumnIndex(name);
    std::string bytes;
    if (!IsLongColumn(index) || !sys::ReadFile(sys::NativePath(path), bytes)) return FALSE;
    return AppendChunk(GetField(index), bytes.data(), static_cast<long>(bytes.size()));
}

BOOL CAdoRecordSet::GetChunk(const FieldPtr& field, void* destination) {
    if (!field || field->recordset != m_pRecordset.get()) return FALSE;
    auto* out = static_cast<std::uint8_t*>(destination);
    std::size_t copied = 0;
    std::vector<std::uint8_t> chunk;
    for (;;) {
        const long size = GetFieldActualSize(field->index);
        if (size < 0) return FALSE;
        if (copied >= static_cast<std::size_t>(size)) return TRUE;
        if (!m_pRecordset->GetChunk(field->index, copied, kChunkSize, chunk) || chunk.empty()) return FALSE;
        std::memcpy(out + copied, chunk.data(), std::min(chunk.size(), size - copied));
        copied += chunk.size();
    }
}

BOOL CAdoRecordSet::GetChunk(long index, void* destination) {
    return IsLongColumn(index) ? GetChunk(GetField(index), destination) : FALSE;
}

BOOL CAdoRecordSet::GetChunk(const std::string& name, void* destination) {
    return GetChunk(ColumnIndex(name), destination);
}

BOOL CAdoRecordSet::Save(const std::string& path, long format) {
    if (!path.empty()) m_strSavePath = path;  // a later Save with the same path writes the same file again
    if (!m_pRecordset || !IsOpen() || m_strSavePath.empty()) return FALSE;
    ado::RowsetData data;
    std::string error;
    if (!m_pRecordset->ToRowset(data)) return FALSE;
    return ado::SaveRowsetXml(data, m_strSavePath, error) ? TRUE : FALSE;
}

BOOL CAdoRecordSet::OpenFromFile(const std::string& path) {
    if (!m_pRecordset) return FALSE;
    if (IsOpen()) Close();
    ado::RowsetData data;
    std::string error;
    m_strLoadError.clear();
    if (!ado::LoadRowsetXml(path, data, error)) {
        const std::string prefix = sys::ExistingOrNativePath(path) + ": ";
        m_strLoadError = error.starts_with(prefix) ? error.substr(prefix.size()) : error;
        return FALSE;
    }
    m_pRecordset->Open(std::move(data));
    return TRUE;
}

bool HasLayoutOf(CAdoRecordSet& file, CAdoConnection& connection, const std::string& table, long columns) {
    CAdoRecordSet stored;
    stored.SetConnection(&connection);
    if (columns < 1 || !stored.Open("select * from " + table + " where 1 = 0")) return false;
    ado::Recordset* fileColumns = file.GetFields();
    ado::Recordset* tableColumns = stored.GetFields();
    if (!fileColumns || !tableColumns || fileColumns->FieldCount() < columns || tableColumns->FieldCount() < columns)
        return false;
    for (long i = 0; i < columns; ++i)
        if (!text::EqualsNoCase(fileColumns->Column(i).name, tableColumns->Column(i).name)) return false;
    return true;
}
