// The project a view loaded, and the check a save of it makes: another
// program (or another view) may have deleted or renumbered the project since
// it was loaded, and a save that wrote to the number alone would land on the
// project that now holds it. A view keeps the LoadedProject it was given,
// follows it through the renames of its own commands, and saves through
// SaveLoaded, which writes only while the application row is the one loaded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "numbering/ProjectRows.h"

class CAdoConnection;

namespace projectnumber {

// The stored application a view shows: its number and the application row
// that held it when it was loaded (the row keeps its place through every
// renumbering, which changes the number in place).
struct LoadedProject {
    std::string number;
    std::string row;  // the application row's rowid; empty when nothing is loaded
    // A view that writes columns of the application row keeps what they held
    // when it loaded them (`stamp`): a save then also fails when another
    // program changed them meanwhile, rather than writing back what it showed.
    std::vector<std::string> columns;
    std::string stamp;

    bool IsLoaded() const { return !row.empty(); }
};

// The application stored under the number now (of a legacy pair of numbers
// that differ only in case, the one stored so); not loaded when there is none
// (or, against the rules, more than one). With `columns`, stamped with what
// they hold.
LoadedProject LoadProject(CAdoConnection& connection, const std::string& number,
                          const std::vector<std::string>& columns = {});
// The stamp of the loaded row as it is now; nothing when it cannot be read.
// Taken inside the view's save transaction, before the commit, so that what
// another program writes after it is not taken for the view's own.
std::optional<std::string> StampNow(CAdoConnection& connection, const LoadedProject& project);

// Follows a renumbering: the project keeps its row and takes its new number.
// True when it moved.
bool FollowRename(const Renames& renames, LoadedProject& project);

// Takes the database's write lock now, at the start of the caller's
// transaction, so that what the transaction reads before it writes (the
// check below, a free number) cannot be changed by another program before
// the write: the read and the write are one.
bool TakeWriteLock(CAdoConnection& connection);

enum class SaveResult {
    Saved,
    ChangedElsewhere,  // the project was deleted, renumbered or its stamped columns changed since it
                       // was loaded; nothing written
    Failed,            // a read or write failed; nothing written
};

// Whether the application row loaded still holds the loaded number (and its
// stamped columns what they held): Saved when it does (the save may write),
// else why not. Run inside the save's
// transaction, after TakeWriteLock.
SaveResult CheckLoaded(CAdoConnection& connection, const LoadedProject& project);

// Runs `write` in one transaction that first takes the write lock and checks
// that the project is still the one loaded; committed only when `write`
// returns true.
template <class Write>
SaveResult SaveLoaded(CAdoConnection& connection, const LoadedProject& project, Write write);

// What a view tells the user when the project it shows has gone or moved.
extern const char* const kChangedElsewhereMessage;
// Shows it (system prompt, exclamation).
void TellChangedElsewhere();
// What a command on the projects ticked in a list tells when one of them has
// gone or moved since the list was shown (the list is shown anew).
extern const char* const kListChangedElsewhereMessage;

}  // namespace projectnumber

#include "foundation/Transaction.h"

namespace projectnumber {

template <class Write>
SaveResult SaveLoaded(CAdoConnection& connection, const LoadedProject& project, Write write) {
    db::Transaction transaction(connection);
    if (!transaction.Began() || !TakeWriteLock(connection)) return SaveResult::Failed;
    if (const SaveResult loaded = CheckLoaded(connection, project); loaded != SaveResult::Saved) return loaded;
    return write() && transaction.Commit() ? SaveResult::Saved : SaveResult::Failed;
}

}  // namespace projectnumber
