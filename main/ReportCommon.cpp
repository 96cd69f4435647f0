#include "main/ReportCommon.h"

#include "foundation/ProjectDatabase.h"
#include "main/Login.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

using namespace office;

bool OpenReportDatabase(CAdoConnection& connection) {
    if (ConnectProjectDatabase(connection)) return true;
    ui::AfxMessageBox("数据库连接失败");
    return false;
}

bool OpenReportQuery(CAdoRecordSet& rows, CAdoConnection* connection, const std::string& sql) {
    rows.SetConnection(connection);
    rows.SetCursorLocation(adUseClient);
    return rows.Open(sql) && rows.IsOpen();
}

// The database's own description (in English) stays in the error log: the
// user reads what failed in Chinese.
void ShowReportQueryFailure(CAdoConnection*) {
    ui::MessageBox("读取数据失败，报表未生成。", "提示", MB_OK | MB_ICONERROR);
}

std::string ReportTemplatePath(const std::string& name) {
    return sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "模板"), name);
}

void ShowTemplateFailure(const std::string& path) {
    ui::MessageBox("无法打开模板文件：" + path, "提示", MB_OK | MB_ICONERROR);
}

std::unique_ptr<excel::Application> StartReportExcel() {
    auto app = excel::Application::Create();
    if (!app) ui::AfxMessageBox("Excel启动失败!");
    return app;
}

excel::Worksheet AddReportWorkbook(excel::Application& app, const std::string& templateName) {
    const std::string path = ReportTemplatePath(templateName);
    excel::Workbook book = app.Workbooks().Add(path);
    excel::Worksheet sheet = book.IsValid() ? book.Sheets().Item("sheet1") : excel::Worksheet();
    if (!sheet.IsValid()) ShowTemplateFailure(path);
    return sheet;
}

void BorderEachCell(const excel::Range& range) {
    for (int r = 1; r <= range.RowsCount(); ++r)
        for (int c = 1; c <= range.ColumnsCount(); ++c)
            range.Item(r, c).BorderAround(excel::xlContinuous, excel::xlThin, excel::xlColorIndexAutomatic);
}

std::string CellName(const char* column, int row) { return column + std::to_string(row); }
