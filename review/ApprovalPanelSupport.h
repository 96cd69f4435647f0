// What the approval, plan and progress panels share: each rich-text value
// passes between its long binary column and one RTF scratch file of fixed
// name in the folder temp of the program folder, and each save ends with one
// message saying whether the row was stored.
#pragma once

#include <string>

class CAdoRecordSet;
class COleRichEdit;

namespace approval {

// "<program folder>\temp\<name>" in native form.
std::string ScratchPath(const std::string& name);

// Writes the long binary value of `column` in the current row into the file,
// created anew. When the value cannot be read the file is emptied instead,
// so an editor never loads what an earlier project left there. True when the
// value was read and written.
bool ColumnToFile(CAdoRecordSet& recordset, const std::string& column, const std::string& path);

// Writes the editor to its scratch file and stores the whole file into the
// column of the current row; false when either step fails (a file that
// could not be written is never stored).
bool EditorToColumn(COleRichEdit& editor, const std::string& path, CAdoRecordSet& recordset,
                    const std::string& column);

// Stores the current row of a pending save: "保存成功！" when stored, else the
// edit is cancelled and "保存失败！" is shown.
void FinishSave(CAdoRecordSet& recordset, bool valuesSet);

}  // namespace approval
