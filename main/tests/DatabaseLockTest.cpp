// One program per database: the lock a program takes on its project.mdb at
// start, tried with real processes on one copy of the program folder (a
// program that holds it, one killed, one of another computer) and within one
// process for the exact texts.
#include <signal.h>

#include <QProcess>
#include <QStringList>

#include "main/DatabaseLock.h"
#include "MainTestSupport.h"
#include "foundation/ProjectDatabase.h"
#include "platform/sys/Process.h"
#include "platform/text/Text.h"

namespace {

// The program's start-up as a process of its own (tests/helper/ScriptedStart.cpp).
class Start {
public:
    Start(const std::string& folder, const std::string& answer) {
        process_.setProgram(SCRIPTED_START);
        process_.setArguments({QString::fromStdString(folder), QString::fromStdString(answer)});
        process_.start();
        EXPECT_TRUE(process_.waitForStarted());
        id_ = static_cast<long>(process_.processId());
        // Until it has started or ended.
        while (!Has("started") && !Has("ended") && process_.state() == QProcess::Running)
            process_.waitForReadyRead(1000);
        output_ += process_.readAllStandardOutput().toStdString();
    }
    ~Start() { End(); }

    bool Started() { return Has("started"); }
    // The message boxes it showed, "caption\ttext".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const std::string& line : text::Split(output_, "\n"))
            if (line.rfind("box\t", 0) == 0) boxes.push_back(line.substr(4));
        return boxes;
    }
    // Ends a started program as a user closes it.
    void End() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.closeWriteChannel();
        process_.waitForFinished(60000);
    }
    void Kill() {
        ::kill(static_cast<pid_t>(id_), SIGKILL);
        process_.waitForFinished(60000);
    }
    long Id() const { return id_; }

private:
    bool Has(const std::string& line) {
        output_ += process_.readAllStandardOutput().toStdString();
        return output_.find("\n" + line + "\n") != std::string::npos || output_.rfind(line + "\n", 0) == 0;
    }

    QProcess process_;
    long id_ = 0;
    std::string output_;
};

std::string HeldText(const std::string& database, const CDatabaseLock::Holder& holder) {
    return "Tessaly\t数据库“" + database + "”已被另一个程序打开：\\n计算机：" + holder.host + "\\n用户：" + holder.login +
           "\\n打开时间：" + holder.since + "\\n\\n同一个数据库只能由一个程序使用，本程序将退出。";
}

std::string OtherHostText(const std::string& database, const CDatabaseLock::Holder& holder) {
    return "Tessaly\t数据库“" + database + "”已被另一台计算机上的程序打开：\\n计算机：" + holder.host +
           "\\n用户：" + holder.login + "\\n打开时间：" + holder.since +
           "\\n\\n两个程序同时使用同一个数据库会使数据混乱。\\n如果确认该程序已经关闭，请选择“是”继续；否则请选择“否”退出。";
}

}  // namespace

class DatabaseLockTest : public InstalledFolder {
protected:
    std::string Database() const { return ProgramDatabasePath(); }
    std::string LockPath() const { return CDatabaseLock::LockPath(Database()); }
    CDatabaseLock::Holder Holder() const {
        std::string text;
        sys::ReadFile(LockPath(), text);
        return CDatabaseLock::ReadHolder(text);
    }
    std::vector<std::string> ScratchFolders() const {
        std::vector<std::string> folders;
        for (const std::string& name : sys::ListNonFiles(PathOf("temp"), ""))
            if (name.rfind(".run", 0) == 0) folders.push_back(name);
        return folders;
    }
    std::string DatabaseBytes() const {
        std::string bytes;
        sys::ReadFile(Database(), bytes);
        return bytes;
    }
};

// Same computer, program running: the second start is refused with the
// holder's name and ends before its login, writing nothing.
TEST_F(DatabaseLockTest, ASecondProgramOnTheDatabaseIsToldWhoHasItAndEnds) {
    Start first(Folder(), "none");
    ASSERT_TRUE(first.Started());
    EXPECT_TRUE(first.Boxes().empty());
    const CDatabaseLock::Holder holder = Holder();
    EXPECT_EQ(holder.host, sys::HostName());
    EXPECT_EQ(holder.login, sys::LoginName());
    EXPECT_EQ(holder.process, first.Id());
    EXPECT_FALSE(holder.since.empty());

    const std::string before = DatabaseBytes();
    Start second(Folder(), "none");
    EXPECT_FALSE(second.Started());
    EXPECT_EQ(second.Boxes(), std::vector<std::string>{HeldText(sys::NativePath(Database()), holder)});
    EXPECT_EQ(DatabaseBytes(), before);
    EXPECT_EQ(Holder().process, first.Id());

    // Closed, the first removes its lock file; the next start goes on.
    first.End();
    EXPECT_FALSE(sys::FileExists(LockPath()));
    Start third(Folder(), "none");
    EXPECT_TRUE(third.Started());
    EXPECT_TRUE(third.Boxes().empty());
}

// Same computer, program killed: its lock ended with it, the lock file it
// left is taken over without a question.
TEST_F(DatabaseLockTest, TheLockOfAKilledProgramIsTakenOverWithoutAQuestion) {
    Start killed(Folder(), "none");
    ASSERT_TRUE(killed.Started());
    killed.Kill();
    ASSERT_EQ(Holder().process, killed.Id());  // the file stays, naming it

    Start next(Folder(), "none");
    EXPECT_TRUE(next.Started());
    EXPECT_TRUE(next.Boxes().empty());
    EXPECT_EQ(Holder().process, next.Id());
    // The killed program's scratch folder went at this start: one is left, the running program's.
    EXPECT_EQ(ScratchFolders().size(), 1u);
    next.End();
    EXPECT_TRUE(ScratchFolders().empty());
}

// Another computer: whether its program still runs cannot be told from here.
// The lock is shown; it is taken over only when the user confirms that the
// other program is closed, and otherwise left as it was.
TEST_F(DatabaseLockTest, ALockOfAnotherComputerIsTakenOverOnlyOnConfirmation) {
    const CDatabaseLock::Holder other{"办公室-2", "wangwu", "2026-03-04 08:09:10", 4242};
    ASSERT_TRUE(sys::WriteFileAtomic(LockPath(), CDatabaseLock::HolderText(other)));
    const std::string before = DatabaseBytes();
    {
        Start refused(Folder(), "none");  // answered No
        EXPECT_FALSE(refused.Started());
        EXPECT_EQ(refused.Boxes(), std::vector<std::string>{OtherHostText(sys::NativePath(Database()), other)});
    }
    EXPECT_EQ(Holder().host, other.host);
    EXPECT_EQ(Holder().login, other.login);
    EXPECT_EQ(DatabaseBytes(), before);

    Start confirmed(Folder(), "yes");
    EXPECT_TRUE(confirmed.Started());
    EXPECT_EQ(confirmed.Boxes().size(), 1u);
    EXPECT_EQ(Holder().host, sys::HostName());
    EXPECT_EQ(Holder().process, confirmed.Id());
}

// Within one process: a second holder is refused while the first holds the
// lock, readers that are not this program open the database all the same,
// and the end of the holder frees it.
TEST_F(DatabaseLockTest, TheLockBindsProgramsNotReaders) {
    ui::TestDriver driver;
    CDatabaseLock first, second;
    ASSERT_TRUE(first.Take(Database()));
    const CDatabaseLock::Holder holder = Holder();
    driver.ExpectMessageBox("Tessaly", text::ReplaceAll(HeldText(sys::NativePath(Database()), holder).substr(8),
                                                        "\\n", "\r\n"));
    EXPECT_FALSE(second.Take(Database()));
    EXPECT_TRUE(driver.Finished());

    CAdoConnection reader;
    ASSERT_TRUE(ConnectProjectDatabase(reader));
    EXPECT_EQ(testdb::Count(reader, "select * from CORVANE_USERS where YHM = 'jjb'"), 1);

    first.Release();
    EXPECT_FALSE(sys::FileExists(LockPath()));
    EXPECT_TRUE(second.Take(Database()));
}
