#include "review/ApprovalPanelSupport.h"

#include <vector>

#include "foundation/Transaction.h"
#include "widgets/OleRichEdit.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"
#include "review/WorkflowSupport.h"

namespace approval {

std::string ScratchPath(const std::string& name) { return sys::ScratchPath(name); }

bool ColumnToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path) {
    const long size = recordset.GetFieldActualSize(column);
    if (size >= 0) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
        if (recordset.GetChunk(column, buffer.data()) &&
            sys::WriteFileAtomic(path, std::string_view(buffer.data(), static_cast<std::size_t>(size))))
            return true;
    }
    sys::TruncateFile(path);
    return false;
}

bool EditorToColumn(COleRichEdit& editor, const std::string& path, CAdoRecordSet& recordset,
                    const std::string& column) {
    return editor.SaveRtfFile(path) > 0 && recordset.AppendChunkFromFile(column, path);
}

void FinishSave(CAdoConnection* connection, const projectnumber::LoadedProject& project, CAdoRecordSet& recordset,
                bool valuesSet) {
    if (!valuesSet) {
        recordset.CancelUpdate();
        TellSaveResult(connection, projectnumber::SaveResult::Failed, "保存失败！");
        return;
    }
    if (!SaveProjectRows(connection, project, [&] { return recordset.Update() != FALSE; }, "保存失败！"))
        recordset.CancelUpdate();
}

void TellSaveResult(CAdoConnection* connection, projectnumber::SaveResult result, const std::string& failure) {
    switch (result) {
    case projectnumber::SaveResult::Saved: workflow::Prompt("保存成功！"); return;
    case projectnumber::SaveResult::ChangedElsewhere: projectnumber::TellChangedElsewhere(); return;
    case projectnumber::SaveResult::Failed: break;
    }
    ui::MessageBox(connection ? db::FailureMessage(*connection, failure) : failure, "提示", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace approval
