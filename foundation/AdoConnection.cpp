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

CAdoConnection::CAdoConnection() = default;

CAdoConnection::~CAdoConnection() { Release(); }

BOOL CAdoConnection::Open(const std::string& connectionString, long options) {
    if (!connectionString.empty()) m_strConnect = connectionString;
    ado::Connection* connection = GetConnection();
    if (m_strConnect.empty() || !connection) return FALSE;
    if (IsOpen()) Close();
    const std::string path = ConnectionValue(m_strConnect, "Data Source");
    if (path.empty()) {
        connection->SetError(ado::FileNotFoundError(path));
        return FALSE;
    }
    return connection->Open(path, ConnectionValue(m_strConnect, "Jet OLEDB:Database Password")) ? TRUE : FALSE;
}

BOOL CAdoConnection::ConnectAccess(const std::string& path, const std::string& password, long options) {
    std::string connection = kJetProvider + path;
    if (!password.empty()) connection += ";Jet OLEDB:Database Password=" + password + ";";
    return Open(connection, options);
}

BOOL CAdoConnection::Close() {
    if (m_bReleased) return FALSE;
    m_connection.Close();
    return TRUE;
}

void CAdoConnection::Release() {
    m_connection.Close();
    m_bReleased = true;
}

BOOL CAdoConnection::IsOpen() { return !m_bReleased && m_connection.IsOpen() ? TRUE : FALSE; }

_RecordsetPtr CAdoConnection::Execute(const std::string& sql, long options) {
    if (m_bReleased) return nullptr;
    return ado::Execute(m_connection, sql);
}

long CAdoConnection::BeginTrans() { return m_bReleased ? -1 : m_connection.BeginTrans(); }

BOOL CAdoConnection::CommitTrans() { return !m_bReleased && m_connection.CommitTrans() ? TRUE : FALSE; }

BOOL CAdoConnection::RollbackTrans() { return !m_bReleased && m_connection.RollbackTrans() ? TRUE : FALSE; }

std::string CAdoConnection::FormatErrors() {
    if (m_bReleased) return "";
    std::string result;
    for (const ado::Error& e : m_connection.Errors())
        result += text::Format("Description: %s\r\nState: %s, Native: %d, Source: %s\r\n", e.description.c_str(),
                               e.sqlState.c_str(), e.nativeError, e.source.c_str());
    return result;
}
