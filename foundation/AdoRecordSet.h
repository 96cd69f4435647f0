// The recordset class of every screen: opens a query on a CAdoConnection,
// walks and reads the rows, writes rows back, moves long binary values in
// and out, and saves or reads the recordset as a file. Every failure is a
// result value (FALSE, -1, 0, null or an unchanged output).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "foundation/AdoConnection.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Variant.h"
#include "platform/sys/WinTypes.h"

constexpr long adUseServer = 2;
constexpr long adUseClient = 3;
constexpr long adOpenForwardOnly = 0;
constexpr long adOpenStatic = 3;
constexpr long adLockOptimistic = 3;
constexpr long adAffectCurrent = 1;
constexpr long adPersistXML = 1;

// One field of a recordset, as GetField hands it out; valid while the
// recordset stays open.
struct AdoField {
    ado::Recordset* recordset = nullptr;
    long index = -1;
};
using FieldPtr = std::shared_ptr<AdoField>;

// Shows the message of a text read from a recordset that is not open,
// through the UI services' message box unless another hook is installed (an
// empty hook shows nothing).
using MessageBoxHook = std::function<void(const std::string& text, const std::string& caption)>;
void SetDisconnectedMessageHook(MessageBoxHook hook);
void ShowDisconnectedMessage();

class CAdoRecordSet {
public:
    CAdoRecordSet();
    virtual ~CAdoRecordSet();
    CAdoRecordSet(const CAdoRecordSet&) = delete;
    CAdoRecordSet& operator=(const CAdoRecordSet&) = delete;

    void SetConnection(CAdoConnection* connection) { m_pConnection = connection; }
    CAdoConnection* GetConnection() const { return m_pConnection; }
    BOOL SetCursorLocation(long location);
    // Runs `source` (a statement, or a table name with options adCmdTable);
    // an empty source runs the last one again.
    BOOL Open(const std::string& source, long options = adCmdText, long cursorType = adOpenStatic,
              long lockType = adLockOptimistic);
    BOOL Close();
    void Release();
    long GetState();
    BOOL IsOpen();

    BOOL MoveFirst();
    BOOL MoveNext();
    BOOL IsEOF();
    BOOL IsBOF();
    long GetRecordCount();
    long GetFieldCount();
    long GetEditMode();
    long GetAbsolutePosition();
    BOOL SetAbsolutePosition(long position);

    ado::Recordset* GetFields();
    FieldPtr GetField(long index);
    FieldPtr GetField(const std::string& name);
    long GetFieldAttributes(long index);
    long GetFieldAttributes(const std::string& name);
    long GetFieldActualSize(long index);
    long GetFieldActualSize(const std::string& name);

    BOOL GetInt(const std::string& name, long& out);
    BOOL GetFloat(const std::string& name, float& out);
    BOOL GetFieldText(long index, std::string& out);
    BOOL GetString(const std::string& name, std::string& out);
    std::string GetLastErrorText();

    BOOL AddNew();
    BOOL Update();
    BOOL CancelUpdate();
    BOOL Delete(long affect = adAffectCurrent);
    BOOL PutCollect(long index, const ado::Variant& value);
    BOOL PutCollect(const std::string& name, const ado::Variant& value);
    BOOL SetFieldText(long index, const std::string& value);
    BOOL SetString(const std::string& name, const std::string& value);
    BOOL SetInt(const std::string& name, long value);
    BOOL SetFloat(const std::string& name, float value);
    BOOL SetDouble(const std::string& name, double value);
    BOOL SetBool(const std::string& name, bool value);

    BOOL AppendChunk(const FieldPtr& field, const void* bytes, long length);
    BOOL AppendChunk(long index, const void* bytes, long length);
    BOOL AppendChunk(const std::string& name, const void* bytes, long length);
    BOOL AppendChunkFromFile(const std::string& name, const std::string& path);
    // Fills `destination` (at least GetFieldActualSize bytes) with the value.
    BOOL GetChunk(const FieldPtr& field, void* destination);
    BOOL GetChunk(long index, void* destination);
    BOOL GetChunk(const std::string& name, void* destination);

    // Writes the recordset to `path` as a saved recordset; the file is
    // replaced only once the new one is complete.
    BOOL Save(const std::string& path, long format = adPersistXML);
    BOOL OpenFromFile(const std::string& path);
    // Why the last OpenFromFile failed (not found, no regular file, larger
    // than the bound, not XML, a document type, a value its column cannot
    // hold ...), without the path; empty after a success.
    const std::string& LoadError() const { return m_strLoadError; }

private:
    long ColumnIndex(const std::string& name);
    BOOL IsLongColumn(long index);
    BOOL ReadText(long index, std::string& out);

    CAdoConnection* m_pConnection = nullptr;
    std::unique_ptr<ado::Recordset> m_pRecordset;
    std::string m_strSQL;
    std::string m_strSavePath;
    std::string m_strLoadError;
    long m_nCursorLocation = adUseClient;
};

// Whether a recordset read from a file has the layout of `table`: its first
// `columns` columns (at least one) carry the names of the table's first
// `columns`, in order, case aside. Rows copied by position need this before
// anything is written, or a foreign file's values land in the wrong columns.
bool HasLayoutOf(CAdoRecordSet& file, CAdoConnection& connection, const std::string& table, long columns);
