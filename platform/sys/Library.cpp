#include "platform/sys/Library.h"

#include <dlfcn.h>

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace sys {

bool Library::Load(const std::string& name) {
    Free();
    std::string path = NativePath(name);
    if (path.find('/') == std::string::npos) {
        std::string stem = path;
        if (stem.size() > 4 && text::EqualsNoCase(stem.substr(stem.size() - 4), ".dll")) stem.resize(stem.size() - 4);
        path = JoinPath(ProgramFolder(), "lib" + stem + ".so");
    }
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : "cannot load " + path;
        return false;
    }
    error_.clear();
    return true;
}

void* Library::Symbol(const char* name) const {
    if (!handle_) return nullptr;
    return dlsym(handle_, name);
}

void Library::Free() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
}

}  // namespace sys
