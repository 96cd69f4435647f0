// What the user is told about the files the program writes: where a finished
// export or output went, and, when a file or folder cannot be made, its path
// and the reason the system gave, in Chinese, in one message box (caption
// the program's title).
#pragma once

#include <string>
#include <string_view>

// "无法写入文件“<path>”：<reason>！", the reason of the last failed write of this thread.
void SayFileNotWritten(const std::string& path);
// "无法创建文件夹“<folder>”：<reason>！"
void SayFolderNotMade(const std::string& folder);
// Writes the file whole (replacing one of that name); says so when it cannot.
bool WriteFileOrSay(const std::string& path, std::string_view bytes);
// Makes the folder and every missing level above it; says so when it cannot.
bool MakeFolderOrSay(const std::string& folder);

// A finished export's message naming the folder it wrote:
// "<done>\r\n文件保存在：<folder>".
std::string WithSavedFolder(const std::string& done, const std::string& folder);
