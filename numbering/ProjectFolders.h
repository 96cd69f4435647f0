// The folders named by a project number: the fund office keeps the
// attachments of a project's progress report and acceptance summary in
// <save folder>/<fund number>/<category>/<number>/所有文件 (the save folder
// of each kind in the settings record). They follow the project's rows: a
// renumbering (MoveProjects) moves them with the renames, a deletion of the
// project's rows removes them. Both happen while the rows' transaction is
// open and are undone when it does not commit, so that rows and folders
// never disagree; a move that fails fails the renumbering, which changes
// nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "numbering/ProjectRows.h"

class CAdoConnection;

namespace projectfolders {

// The attachment folder of a project in a save folder (empty when the save
// folder is): <save folder>/<fund number>/<last four characters of the
// category>/<number>/所有文件, each part made a safe file name.
std::string AttachmentFolder(const std::string& saveFolder, const std::string& number, const std::string& category);

// The changes of one statement group on the project folders, done at once
// and undone unless handed over to the connection's transaction (Keep).
class FolderChanges {
public:
    FolderChanges();
    ~FolderChanges();  // undoes what was done unless kept
    FolderChanges(const FolderChanges&) = delete;
    FolderChanges& operator=(const FolderChanges&) = delete;

    // Moves the folders of every renamed project (projects may trade
    // numbers); a folder left at a new number by no project is set aside.
    // False, and everything undone, when a folder cannot be moved.
    bool Move(const projectnumber::Renames& renames);
    // Sets the folders of the numbers aside, to be removed at the commit.
    bool Remove(const std::vector<std::string>& numbers);
    // Hands the changes to the connection's transaction: removed for good
    // when it commits, undone when it rolls back.
    void Keep(CAdoConnection& connection);

    struct Step;

private:
    std::vector<Step> steps_;
};

// What a folder change that failed tells the user (the renumbering or
// deletion changed nothing).
extern const char* const kFolderMoveFailedMessage;

}  // namespace projectfolders
