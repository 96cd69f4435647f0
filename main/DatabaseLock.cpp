#include "main/DatabaseLock.h"

#include <unistd.h>

#include <cstdlib>

#include "main/FrameLayout.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr const char* kUnknown = "未知";

std::string Field(const std::string& value) { return value.empty() ? kUnknown : value; }

// "计算机：...\r\n用户：...\r\n打开时间：..."
std::string Describe(const CDatabaseLock::Holder& holder) {
    return "计算机：" + Field(holder.host) + "\r\n用户：" + Field(holder.login) + "\r\n打开时间：" + Field(holder.since);
}

}  // namespace

std::string CDatabaseLock::LockPath(const std::string& databasePath) { return sys::NativePath(databasePath) + ".lock"; }

CDatabaseLock::Holder CDatabaseLock::ReadHolder(const std::string& text) {
    Holder holder;
    for (const std::string& line : text::Split(text, "\n")) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = text::Trim(line.substr(eq + 1));
        if (key == "host") holder.host = value;
        else if (key == "login") holder.login = value;
        else if (key == "since") holder.since = value;
        else if (key == "process") holder.process = std::atol(value.c_str());
    }
    return holder;
}

std::string CDatabaseLock::HolderText(const Holder& holder) {
    return "host=" + holder.host + "\nlogin=" + holder.login + "\nsince=" + holder.since +
           "\nprocess=" + std::to_string(holder.process) + "\n";
}

bool CDatabaseLock::Take(const std::string& databasePath) {
    const std::string path = LockPath(databasePath);
    const std::string database = sys::NativePath(databasePath);
    std::string text;
    switch (m_lock.Take(path)) {
    case sys::LockedFile::Result::Failed:
        ui::MessageBox("无法建立数据库“" + database + "”的锁文件“" + path + "”，程序无法启动。\r\n请检查该文件夹是否可以写入。",
                       kProductTitle, MB_OK | MB_ICONSTOP);
        return false;
    case sys::LockedFile::Result::HeldElsewhere:
        sys::ReadFile(path, text);
        ui::MessageBox("数据库“" + database + "”已被另一个程序打开：\r\n" + Describe(ReadHolder(text)) +
                           "\r\n\r\n同一个数据库只能由一个程序使用，本程序将退出。",
                       kProductTitle, MB_OK | MB_ICONSTOP);
        return false;
    case sys::LockedFile::Result::Taken: break;
    }
    // The lock was free: a holder that named this computer has ended. One on
    // another computer may still run where this lock does not reach.
    sys::ReadFile(path, text);
    const Holder before = ReadHolder(text);
    const std::string host = sys::HostName();
    if (!before.host.empty() && before.host != host &&
        ui::MessageBox("数据库“" + database + "”已被另一台计算机上的程序打开：\r\n" + Describe(before) +
                           "\r\n\r\n两个程序同时使用同一个数据库会使数据混乱。\r\n"
                           "如果确认该程序已经关闭，请选择“是”继续；否则请选择“否”退出。",
                       kProductTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
        m_lock.Release(false);  // the other program's lock file stays as it is
        return false;
    }
    const Holder mine{host, sys::LoginName(), text::DateTime::Now().Format("%Y-%m-%d %H:%M:%S"),
                      static_cast<long>(getpid())};
    m_lock.Write(HolderText(mine));
    return true;
}
