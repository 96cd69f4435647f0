// Another program writing the program folder's project.mdb: a connection of
// its own that holds a write transaction from its making until Release, or
// until the time given to ReleaseAfter has passed (on a thread of its own, so
// that the test's save meanwhile waits for it). With it a test shows that a
// save waits for a write held a moment and says that the database is in use
// when the write is held past the busy timeout (ado::SetBusyTimeout, set
// before the view opens its connection).
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "foundation/AdoConnection.h"
#include "foundation/ProjectDatabase.h"
#include "platform/ado/Connection.h"

namespace testdb {

// The two cases of a busy test: the other program's write held 2 s, within a
// long busy timeout (the save waits and goes on), and held past a short one
// (the save fails and says the database is in use).
struct BusyCase {
    const char* name;
    int timeoutMs;
    bool released;
};
inline constexpr BusyCase kBusyCases[] = {{"held 2 s", 60000, true}, {"held past the timeout", 200, false}};

// The message of a save that found the database held past the busy timeout.
inline std::string InUse(const std::string& failure) { return "数据库正被其他程序使用，请稍后再试。\r\n" + failure; }

class HeldDatabase {
public:
    HeldDatabase() {
        EXPECT_TRUE(ConnectProjectDatabase(connection_)) << connection_.FormatErrors();
        held_ = connection_.BeginTrans() > 0;
        EXPECT_TRUE(held_) << connection_.FormatErrors();
    }
    // Held as the case holds it: released after 2 s, or until the end.
    explicit HeldDatabase(const BusyCase& c) : HeldDatabase() {
        if (c.released) ReleaseAfter(std::chrono::seconds(2));
    }
    ~HeldDatabase() {
        if (releaser_.joinable()) releaser_.join();
        Release();
    }
    HeldDatabase(const HeldDatabase&) = delete;
    HeldDatabase& operator=(const HeldDatabase&) = delete;

    void ReleaseAfter(std::chrono::milliseconds wait) {
        releaser_ = std::thread([this, wait] {
            std::this_thread::sleep_for(wait);
            Release();
        });
    }
    void Release() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (held_) connection_.CommitTrans();
        held_ = false;
    }

private:
    CAdoConnection connection_;
    std::mutex mutex_;
    bool held_ = false;
    std::thread releaser_;
};

// Sets the busy timeout of the connections opened while it lives.
class BusyTimeout {
public:
    explicit BusyTimeout(int milliseconds) { ado::SetBusyTimeout(milliseconds); }
    ~BusyTimeout() { ado::SetBusyTimeout(5000); }
};

}  // namespace testdb
