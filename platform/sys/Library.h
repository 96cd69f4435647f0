// A shared library loaded at run time by name, standing in for
// LoadLibrary/GetProcAddress/FreeLibrary.
#pragma once

#include <string>

namespace sys {

class Library {
public:
    Library() = default;
    ~Library() { Free(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Loads "<name>" as given when it holds a "/", otherwise
    // "lib<name>.so" from the program folder; a name ending in ".dll" is
    // taken without that ending ("Dunmere.dll" loads libDunmere.so).
    bool Load(const std::string& name);
    bool IsLoaded() const { return handle_ != nullptr; }
    // Address of an exported symbol, or null.
    void* Symbol(const char* name) const;
    void Free();
    // Text of the last loading failure.
    const std::string& Error() const { return error_; }

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace sys
