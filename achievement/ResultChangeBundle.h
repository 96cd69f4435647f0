// The achievement-transfer bundle (.cgzh): one project's record as six
// saved recordsets in a length-prefixed container without marker, in the
// order main row, _JCYJ, _GGLL, _YYSSGG, _XHSSGG, _GZZDLIST.
#pragma once

#include <functional>
#include <string>

#include "platform/text/DateTime.h"

class CAdoConnection;

namespace resultchange {

// The chosen folder's subfolder for one day's export:
// "<chosen>\<yyyy-mm-dd>由课题组填报的信息表".
std::string ExportFolder(const std::string& chosen, const text::DateTime& day);
// The bundle of a project in an export folder: "<number>.cgzh", the number
// made safe as a file name.
std::string BundlePath(const std::string& exportFolder, const std::string& number);

// Writes the project's bundle into the export folder (created when the
// project has a record). False when the record is missing or a part cannot
// be saved; the scratch files of the failing project then stay behind.
bool WriteBundle(CAdoConnection& connection, const std::string& number, const std::string& exportFolder);

enum class ImportResult {
    Imported,
    Declined,    // the user kept the existing record
    Unreadable,  // the file is no complete bundle, or a row could not be stored
    OtherKind,   // a part lacks its table's columns: another kind of file
    WrongRows,   // no main row with a number, more than one, or child rows of another project
};

// Asked before an existing record is replaced; true replaces it.
using ConfirmOverwrite = std::function<bool(const std::string& number)>;

// Reads one bundle and stores its record in one transaction: an existing
// record of the same number is replaced whole (main row and child rows)
// after `confirm` agrees. On any failure the database is left as it was.
// The parts pass through scratch files in `scratchFolder`, removed afterwards.
ImportResult ReadBundle(CAdoConnection& connection, const std::string& path, const std::string& scratchFolder,
                        const ConfirmOverwrite& confirm);

}  // namespace resultchange
