// One program per database. The program holds a lock on its project.mdb from
// the start to the end: a lock file beside it ("project.mdb.lock") that names
// the computer, the login and the time it was opened, held under a lock of
// the operating system, so that the hold ends with the process however it
// ends. A second program on the same database is told who has it open and
// ends before it writes anything. A lock file left by a program that no
// longer runs on this computer is taken over without a question; one written
// on another computer (where this one cannot tell whether the program still
// runs) is shown, and taken over only when the user confirms that the other
// program is closed. Programs that only read the file (a backup, the sqlite3
// tool) are not affected.
#pragma once

#include <string>

#include "platform/sys/Process.h"

class CDatabaseLock {
public:
    // Who holds a database, as its lock file names them.
    struct Holder {
        std::string host, login, since;
        long process = 0;
    };

    // The lock file of the database at `databasePath`.
    static std::string LockPath(const std::string& databasePath);
    // The holder a lock file's text names (empty fields when it names none).
    static Holder ReadHolder(const std::string& text);
    static std::string HolderText(const Holder& holder);

    // Takes the lock of the database, asking and telling through the
    // platform's message boxes; true when this program holds it.
    bool Take(const std::string& databasePath);
    // Gives it up and removes the lock file (also when the object ends).
    void Release() { m_lock.Release(true); }
    bool IsHeld() const { return m_lock.IsHeld(); }

private:
    sys::LockedFile m_lock;
};
