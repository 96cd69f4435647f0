// Helpers of the approval, plan and progress tests: statements and reads on
// the test's copy of project.mdb, and seeded applications and review rows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"

namespace approvaltest {

using Rows = std::vector<std::vector<std::string>>;

inline const std::string kGeneral = "共性技术基金——一般项目";
inline const std::string kKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

inline void Connect(CAdoConnection& connection) {
    ASSERT_TRUE(connection.ConnectAccess(sys::ProgramFolder() + "\\project.mdb", "5081"));
}

inline void Exec(const std::string& sql) {
    CAdoConnection connection;
    Connect(connection);
    ASSERT_NE(connection.Execute(sql), nullptr) << sql << "\n" << connection.FormatErrors();
}

inline Rows Query(const std::string& sql) {
    CAdoConnection connection;
    Connect(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    Rows rows;
    if (!rs.Open(sql)) {
        ADD_FAILURE() << sql;
        return rows;
    }
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (long i = 0; i < rs.GetFieldCount(); ++i) {
            std::string value;
            rs.GetFieldText(i, value);
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

// The bytes of a long binary column of the project's row; "<none>" without a row.
inline std::string Blob(const std::string& table, const std::string& column, const std::string& xmbh) {
    CAdoConnection connection;
    Connect(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    if (!rs.Open("select " + column + " from " + table + " where XMBH = '" + xmbh + "'") || rs.IsEOF())
        return "<none>";
    const long size = rs.GetFieldActualSize(column);
    std::string bytes(size > 0 ? size : 0, '\0');
    EXPECT_TRUE(rs.GetChunk(column, bytes.data()));
    return bytes;
}

inline void StoreBlob(const std::string& table, const std::string& column, const std::string& xmbh,
                      const std::string& bytes) {
    CAdoConnection connection;
    Connect(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    ASSERT_TRUE(rs.Open("select * from " + table + " where XMBH = '" + xmbh + "'"));
    ASSERT_FALSE(rs.IsEOF()) << table << " " << xmbh;
    ASSERT_TRUE(rs.AppendChunk(column, bytes.data(), long(bytes.size())));
    ASSERT_TRUE(rs.Update());
}

inline std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

// An application that passed the first review.
inline void AddApplication(const std::string& xmbh, const std::string& year, const std::string& kind,
                           const std::string& extraColumns = "", const std::string& extraValues = "") {
    Exec("insert into CORVANE_ITEMAPPINFO (XMBH, NF, XMLB, FIRSTAPPR, XMMC" + extraColumns + ") values ('" + xmbh +
         "', '" + year + "', '" + kind + "', '+', '名称" + xmbh + "'" + extraValues + ")");
}

inline void AddReview(const std::string& xmbh, const std::string& result) {
    Exec("insert into CORVANE_ITEMPF (XMBH, PSJG) values ('" + xmbh + "', '" + result + "')");
}

}  // namespace approvaltest
