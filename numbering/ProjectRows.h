// The tables whose rows belong to one project through its number, and the
// moves that carry those rows from one number to another.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ProjectTables.h"

class CAdoConnection;

namespace projectnumber {

// Two numbers or codes are the same exactly when the database says so: its
// number and code columns compare ASCII letters without case.
bool SameNumber(const std::string& a, const std::string& b);
// The order of numbers as the database compares them (ASCII letters without case).
struct NumberLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// Former number -> new number of every project a renumbering moved.
using Renames = std::map<std::string, std::string, NumberLess>;

// How a view holding a project by its number follows a renumbering: `number`
// becomes the project's new number when the renumbering moved it. True when
// it moved. Every view that shows a project follows the renames of every
// command that renumbers.
bool FollowRename(const Renames& renames, std::string& number);

// The rows of a table that belong to one number (foundation/ProjectTables.h).
using projecttables::KeyedRowsCondition;

// Whether any table keyed by the project number has a row with the number:
// a new number must not adopt rows that another project left behind.
bool IsNumberInUse(CAdoConnection& connection, const std::string& number);

enum class RenumberResult {
    Done,
    Collision,  // a new number belongs to a project outside the renumbered set; nothing changed
    Failed,     // a statement failed; nothing changed
    FoldersNotMoved,  // a project's attachment folder could not follow its number; nothing changed
    // a project to move shares its number, as the database compares it, with
    // another stored application (legacy numbers that differ only in letter
    // case): the move would merge the two; nothing changed
    CaseVariants,
};

// Every table keyed by the project number, the application table first.
using projecttables::KeyedTable;
using projecttables::ProjectKeyedTables;

// Carries every row keyed by `from` (but the application row itself) to `to`.
// Runs inside the caller's transaction, if any.
bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to);

// Deletes the rows of every table keyed by the number, the application row
// among them: left behind, they would belong to the project that is next
// given the number. The project's attachment folders go with them
// (projectfolders::FolderChanges). Runs inside the caller's transaction, if any.
bool DeleteProjectRows(CAdoConnection& connection, const std::string& number);

class Statement;

// DeleteProjectRows for many projects: the statement of each table is
// prepared once, when the remover is made, and run again for each number.
// Each Remove runs inside the caller's transaction, if any; after a failure
// every later Remove fails too.
class ProjectRowsRemover {
public:
    explicit ProjectRowsRemover(CAdoConnection& connection);
    ~ProjectRowsRemover();
    bool Remove(const std::string& number);

private:
    CAdoConnection& connection_;
    std::vector<std::unique_ptr<Statement>> deletes_;  // one per keyed table
};

// DeleteProjectRows for many projects at once, one statement per table over
// the list of their numbers: every project's rows go, or on a failure none.
// One transaction (nested in the caller's, if any).
bool DeleteRowsOfProjects(CAdoConnection& connection, const std::vector<std::string>& numbers);

// Gives each project of `moves` its new number, application row and keyed rows
// alike, in one statement per table: each row is written once, and projects
// may trade numbers (no number lies in between). Collision when a new number
// is held by a project that does not move, or given to two projects;
// CaseVariants (the two numbers in `caseVariants`) when a project to move has
// a stored application whose number differs only in letter case. The
// projects' attachment folders follow (projectfolders::FolderChanges);
// FoldersNotMoved when one cannot.
// One transaction (nested in the caller's, if any); nothing changed unless Done.
RenumberResult MoveProjects(CAdoConnection& connection, const Renames& moves,
                            std::vector<std::string>* caseVariants = nullptr);

}  // namespace projectnumber
