// 导出成word文档 of the annual-guide view: stored guides with the chosen
// chapters printed into one new document made from 模板\template.doc, which
// is left open for the user and not saved by the system.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace ui {
class Wnd;
}

// Prints the guides (fund numbers and years in step, in this order) with
// the chosen chapters ("0" to "3"). The rich texts pass through scratch files
// in the program folder's "output" (chapters 0 and 1, the purposes), which
// are removed again, as is "output" when nothing else is in it, and through
// the editor's chapter file 2, which is overwritten. The document is then
// handed to the desktop. False, with the message shown, when Word or the
// template cannot be used.
bool ExportGuidesToWord(CAdoConnection& connection, const std::vector<std::string>& funds,
                        const std::vector<std::string>& years, const std::vector<std::string>& chapters);

// The whole command: the choose-output dialog (with the period and the view's
// recordset), the chosen chapters kept in `chosenChapters`, then the output.
// Nothing happens when the dialog is cancelled.
void OutputGuidesToWord(ui::Wnd* parent, CAdoConnection& connection, CAdoRecordSet& recordset,
                        const std::string& period, std::vector<std::string>& chosenChapters);
