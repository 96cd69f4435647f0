#include "foundation/AdoConnection.h"

#include "platform/text/Text.h"

namespace {

constexpr const char* kJetProvider = "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=";

// The value of `key` in a "key=value;key=value" connection text.
std::string ConnectionValue(const std::string& connection, const char* key) {
    for (const std::string& part : text::Split(connection, ";")) {
        const std::size_t eq = part.find('=');
        if (eq != std::string::npos && text::EqualsNoCase(text::Trim(part.substr(0, eq)), key))
            return text::Trim(part.substr(eq + 1));
    }
    return "";
}

}  // namespace

CAdoConnection::CAdoConnection() : m_pConnection(std::make_unique<ado::Connection>()) {}

CAdoConnection::~CAdoConnection() { Release(); }

BOOL CAdoConnection::Open(const std::string& connectionString, long options) {
    if (!connectionString.empty()) m_strConnect = connectionString;
    if (m_strConnect.empty() || !m_pConnection) return FALSE;
    if (IsOpen()) Close();
    const std::string path = ConnectionValue(m_strConnect, "Data Source");
    if (path.empty()) {
        m_pConnection->SetError(ado::FileNotFoundError(path));
        return FALSE;
    }
    return m_pConnection->Open(path, ConnectionValue(m_strConnect, "Jet OLEDB:Database Password")) ? TRUE : FALSE;
}

BOOL CAdoConnection::ConnectAccess(const std::string& path, const std::string& password, long options) {
    std::string connection = kJetProvider + path;
    if (!password.empty()) connection += ";Jet OLEDB:Database Password=" + password + ";";
    return Open(connection, options);
}

BOOL CAdoConnection::Close() {
    if (!m_pConnection) return FALSE;
    m_pConnection->Close();
    return TRUE;
}

void CAdoConnection::Release() {
    if (IsOpen()) Close();
    m_pConnection.reset();
}

BOOL CAdoConnection::IsOpen() { return m_pConnection && m_pConnection->IsOpen() ? TRUE : FALSE; }

_RecordsetPtr CAdoConnection::Execute(const std::string& sql, long options) {
    if (!m_pConnection) return nullptr;
    return ado::Execute(*m_pConnection, sql);
}

long CAdoConnection::BeginTrans() { return m_pConnection ? m_pConnection->BeginTrans() : -1; }

BOOL CAdoConnection::CommitTrans() { return m_pConnection && m_pConnection->CommitTrans() ? TRUE : FALSE; }

BOOL CAdoConnection::RollbackTrans() { return m_pConnection && m_pConnection->RollbackTrans() ? TRUE : FALSE; }

std::string CAdoConnection::FormatErrors() {
    if (!m_pConnection) return "";
    std::string result;
    for (const ado::Error& e : m_pConnection->Errors())
        result += text::Format("Description: %s\r\nState: %s, Native: %d, Source: %s\r\n", e.description.c_str(),
                               e.sqlState.c_str(), e.nativeError, e.source.c_str());
    return result;
}
