#include "review/ApprovalPanelSupport.h"

#include <vector>

#include "foundation/Transaction.h"
#include "widgets/OleRichEdit.h"
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

void FinishSave(CAdoRecordSet& recordset, bool valuesSet) {
    if (valuesSet && recordset.Update()) {
        workflow::Prompt("保存成功！");
        return;
    }
    recordset.CancelUpdate();
    CAdoConnection* connection = recordset.GetConnection();
    ui::MessageBox(connection ? db::FailureMessage(*connection, "保存失败！") : std::string("保存失败！"), "提示",
                   MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace approval
