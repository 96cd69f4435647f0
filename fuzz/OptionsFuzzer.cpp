// The settings record options.dat: any file content is read and every field
// given back (texts are GBK of any shape, numbers any value).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "foundation/Options.h"
#include "platform/sys/Sys.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        // The file is written for every input: keep it in memory when possible.
        char inMemory[] = "/dev/shm/corvane-fuzz-options-XXXXXX";
        char onDisk[] = "/tmp/corvane-fuzz-options-XXXXXX";
        char* name = mkdtemp(inMemory);
        if (!name) name = mkdtemp(onDisk);
        if (!name) std::abort();
        sys::SetProgramFolder(name);
        return std::string(name);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Folder();
    if (!sys::WriteFileAtomic(COptions::FilePath(), std::string_view(reinterpret_cast<const char*>(data), size))) {
        std::abort();
    }
    COptions options;
    for (const std::string& text : {options.GetDataSource(), options.GetUserId(), options.GetDbPassword(),
                                    options.GetUserName(), options.GetAppDir(), options.GetProgressDir(),
                                    options.GetAcceptDir(), options.GetPeriod(), options.GetYear()}) {
        if (text.size() > 4 * 500) std::abort();  // a field's GBK bytes give at most this much UTF-8
    }
    options.GetRole();
    options.GetIndexCount();
    options.GetCategory();
    options.GetGradeScores();
    // Setting the weights back reads the index count the file holds.
    options.SetIndexWeights(options.GetIndexWeights());
    return 0;
}
