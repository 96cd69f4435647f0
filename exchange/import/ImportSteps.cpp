#include "exchange/import/ImportSteps.h"

#include <QPainter>

#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/LongBinary.h"
#include "foundation/ProjectDatabase.h"
#include "platform/ado/Recordset.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Services.h"

namespace elbrin {

namespace {

constexpr int kImportIcon = 8008, kHandCursor = 32004;

// A rounded tile with an arrow pointing in; painting needs the running
// application, so it is registered on first use.
void EnsureButtonArtwork() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour(46, 125, 50);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 16), QPointF(8, 16));
    p.drawLine(QPointF(14, 10), QPointF(8, 16));
    p.drawLine(QPointF(14, 22), QPointF(8, 16));
    p.end();
    ui::RegisterIcon(kImportIcon, image);
    ui::RegisterCursor(kHandCursor, Qt::PointingHandCursor);
}

std::string ColumnName(CAdoRecordSet& recordset, long position) {
    ado::Recordset* fields = recordset.GetFields();
    if (!fields || position < 0 || position >= recordset.GetFieldCount()) return {};
    return fields->Column(position).name;
}

}  // namespace

bool ConnectProject(CAdoConnection& connection, CAdoRecordSet& recordset) {
    if (!ConnectProjectDatabase(connection)) return false;
    Bind(recordset, connection);
    return true;
}

void Bind(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

void SetUpButton(CButtonST& button) {
    EnsureButtonArtwork();
    button.SetIcon(kImportIcon);
    button.SetHandCursor(kHandCursor);
    button.SetColor(CButtonST::BTNST_COLOR_BK_IN, kButtonHover);
    button.SetColor(CButtonST::BTNST_COLOR_BK_OUT, kButtonNormal);
    button.SetColor(CButtonST::BTNST_COLOR_BK_FOCUS, kButtonNormal);
}

bool ShouldReplace(int policy, const std::string& what, const std::string& key) {
    if (policy == Overwrite) return true;
    if (policy != AskEach) return false;
    return ui::MessageBox(what + key + "已存在，是否覆盖原有记录？", "提示", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool ImportFolder(const std::string& extension, const std::function<FileResult(const std::string&)>& importOne) {
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return false;
    int count = 0;
    std::vector<std::string> failed;
    {
        const std::vector<std::string> names = sys::ListFiles(sys::NativePath(folder), extension);
        ui::ProgressDialog progress("导入", int(names.size()));
        for (const std::string& name : names) {
            progress.Next(name);
            switch (importOne(sys::JoinListedName(folder, name))) {
            case FileResult::Imported: ++count; break;
            case FileResult::WriteFailed: failed.push_back(name); break;
            case FileResult::NotImported: break;
            }
        }
    }
    ui::MessageBox(ImportReport(count, failed, sys::ListNonFiles(sys::NativePath(folder), extension)), "提示",
                   MB_OK | MB_ICONINFORMATION);
    return true;
}

bool ImportFolder(const std::string& extension, const std::function<bool(const std::string&)>& importOne) {
    return ImportFolder(extension, [&](const std::string& path) {
        return importOne(path) ? FileResult::Imported : FileResult::NotImported;
    });
}

bool UnpackToScratch(const std::string& bundle, std::optional<char> marker, const std::vector<std::string>& scratch,
                     LengthPrefixedContainer::ReadResult* result) {
    const LengthPrefixedContainer::ReadResult read = LengthPrefixedContainer::Extract(bundle, marker, scratch);
    if (result) *result = read;
    return read == LengthPrefixedContainer::ReadResult::Ok;
}

void RemoveFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) sys::RemoveFile(sys::NativePath(path));
}

bool CopyText(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to) {
    std::string value;
    return from.GetString(column, value) && to.SetString(column, value);
}

bool CopyText(CAdoRecordSet& from, long position, CAdoRecordSet& to) {
    std::string value;
    return from.GetFieldText(position, value) && to.SetFieldText(position, value);
}

bool CopyLong(CAdoRecordSet& from, const std::string& column, CAdoRecordSet& to) {
    return CopyLongBinary(from, column, to);
}

bool CopyLong(CAdoRecordSet& from, long position, CAdoRecordSet& to) {
    const std::string column = ColumnName(from, position);
    return !column.empty() && CopyLong(from, column, to);
}

}  // namespace elbrin
