// What the approval, plan and progress panels share: each rich-text value
// passes between its long binary column and one RTF scratch file of fixed
// name in the folder temp of the program folder, and each save ends with one
// message saying whether the row was stored.
#pragma once

#include <string>

#include "numbering/LoadedProject.h"

class CAdoConnection;
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

// Stores the current row of a pending save of the project shown, in one
// transaction and only while the project is still the one loaded
// (projectnumber::SaveLoaded): "保存成功！" when stored; else the edit is
// cancelled and the user told that the project changed elsewhere, or
// "保存失败！".
void FinishSave(CAdoConnection* connection, const projectnumber::LoadedProject& project, CAdoRecordSet& recordset,
                bool valuesSet);
// The same for a save that writes its rows itself (`write` true when it
// did), telling `failure` when it did not. True when saved.
template <class Write>
bool SaveProjectRows(CAdoConnection* connection, const projectnumber::LoadedProject& project, Write write,
                     const std::string& failure);
// What the user is told after a save of a loaded project: "保存成功！", the
// project changed elsewhere, or `failure` (with the database's being in use
// first, when it was).
void TellSaveResult(CAdoConnection* connection, projectnumber::SaveResult result, const std::string& failure);

template <class Write>
bool SaveProjectRows(CAdoConnection* connection, const projectnumber::LoadedProject& project, Write write,
                     const std::string& failure) {
    const projectnumber::SaveResult result =
        connection ? projectnumber::SaveLoaded(*connection, project, write) : projectnumber::SaveResult::Failed;
    TellSaveResult(connection, result, failure);
    return result == projectnumber::SaveResult::Saved;
}

}  // namespace approval
