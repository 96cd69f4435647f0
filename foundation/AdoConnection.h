// The connection class of every screen: opens the database with the
// engine's connection text, runs statements and transactions, and reports
// failures as result values (never as exceptions).
#pragma once

#include <memory>
#include <string>

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/sys/WinTypes.h"

// Recordset returned by CAdoConnection::Execute; null on failure.
using _RecordsetPtr = std::shared_ptr<ado::Recordset>;

constexpr long adStateOpen = 1;
constexpr long adConnectUnspecified = -1;
constexpr long adCmdText = 1;
constexpr long adCmdTable = 2;
constexpr long adCmdFile = 256;
constexpr long adCmdTableDirect = 512;

class CAdoConnection {
public:
    CAdoConnection();
    virtual ~CAdoConnection();
    CAdoConnection(const CAdoConnection&) = delete;
    CAdoConnection& operator=(const CAdoConnection&) = delete;

    // Opens with a connection text ("...; Data Source=<path>;Jet OLEDB:Database
    // Password=<password>;"); an empty text reuses the last one.
    BOOL Open(const std::string& connectionString, long options = adConnectUnspecified);
    BOOL ConnectAccess(const std::string& path, const std::string& password, long options = adConnectUnspecified);
    BOOL Close();
    void Release();
    BOOL IsOpen();

    _RecordsetPtr Execute(const std::string& sql, long options = adCmdText);
    long BeginTrans();
    BOOL CommitTrans();
    BOOL RollbackTrans();

    // The connection's error list, one "Description: ...\r\nState: ..., Native:
    // ..., Source: ...\r\n" entry per error.
    std::string FormatErrors();
    std::string GetLastErrorText() { return FormatErrors(); }

    const std::string& GetConnectionString() const { return m_strConnect; }
    // The platform connection that recordsets run on; null after Release.
    ado::Connection* GetConnection() { return m_bReleased ? nullptr : &m_connection; }

private:
    std::string m_strConnect;
    // Release only closes the connection and marks it unusable, so that a
    // recordset still bound to it never reaches freed memory.
    ado::Connection m_connection;
    bool m_bReleased = false;
};
