// Files from outside read with bounded memory, and the members text file read
// in linear time.
//
// Peak memory: each case runs in a child process of its own (this program
// started again with the case's name), which reads one file through the
// program's own readers and ends; the parent reads the child's peak resident
// size (getrusage's maxrss, through wait4). The files are made here: genuine
// ones of the largest size an office sends, and oversize ones as sparse files
// (a hole costs no disk), which must be refused without their size in memory.
//
// Members: the 从txt文件导入 of the application's members page, at 10,000 and
// at 100,000 lines; the time per line at both sizes (linear: a ratio near 1).
//
//   bench_input_files            (every case; files in a scratch folder under /tmp)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "application/DlgAppMembers.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LengthPrefixedContainer.h"
#include "platform/ado/Persist.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriver.h"

extern char** environ;

namespace {

std::string g_folder;

std::string File(const std::string& name) { return sys::JoinPath(g_folder, name); }

// A saved recordset of `rows` rows of text columns, about `rowBytes` each,
// as a unit or expert list is saved.
std::string SavedRows(int rows, int rowBytes, const std::string& path) {
    ado::RowsetData data;
    for (const char* name : {"DWDM", "DWMC", "TXDZ", "BZ"}) {
        ado::ColumnInfo c;
        c.name = name;
        c.type = ado::adVarWChar;
        c.definedSize = 255;
        c.attributes = ado::adFldUpdatable | ado::adFldMayBeNull | ado::adFldIsNullable;
        data.columns.push_back(c);
    }
    const std::string filler(std::max(rowBytes - 40, 1), 'x');
    for (int i = 0; i < rows; ++i)
        data.rows.push_back({ado::Variant::Text(text::Format("U%06d", i)), ado::Variant::Text(text::Format("单位%d", i)),
                             ado::Variant::Text("地址"), ado::Variant::Text(filler)});
    std::string error;
    if (!ado::SaveRowsetXml(data, path, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(2);
    }
    return path;
}

// A container of the parts read from these saved recordsets.
void Container(const std::string& path, std::optional<char> marker, const std::vector<std::string>& partFiles) {
    std::vector<std::string> parts;
    for (const std::string& f : partFiles) {
        parts.emplace_back();
        if (!sys::ReadFile(f, parts.back())) std::exit(2);
    }
    if (!LengthPrefixedContainer::Write(path, marker, parts)) std::exit(2);
}

// A file of `bytes` bytes that is all a hole, but for `head` at its start.
void Sparse(const std::string& path, const std::string& head, std::uint64_t bytes) {
    if (!sys::WriteFileAtomic(path, head) || ::truncate(path.c_str(), static_cast<off_t>(bytes)) != 0) std::exit(2);
}

// The head of a container whose first part announces `length` bytes.
std::string AnnouncingPart(std::optional<char> marker, std::uint64_t length) {
    std::string head;
    if (marker) head.push_back(*marker);
    for (int shift = 0; shift < 32; shift += 8) head.push_back(static_cast<char>((length >> shift) & 0xFF));
    return head;
}

// What a child does: read the file as the program reads one of its kind.
bool ReadAsSavedRecordset(const std::string& path) {
    CAdoRecordSet rs;
    const bool ok = rs.OpenFromFile(path);
    if (!ok) std::printf("    refused: %s\n", rs.LoadError().c_str());
    return ok;
}

bool ReadAsBundle(const std::string& path, std::optional<char> marker, std::size_t parts) {
    std::vector<std::string> scratch;
    for (std::size_t i = 0; i < parts; ++i) scratch.push_back(path + ".part" + std::to_string(i));
    const auto result = LengthPrefixedContainer::Extract(path, marker, scratch);
    bool ok = result == LengthPrefixedContainer::ReadResult::Ok;
    if (!ok) std::printf("    refused: %s\n", LengthPrefixedContainer::Refusal(path, result).c_str());
    for (std::size_t i = 0; ok && i < parts; ++i) ok = ReadAsSavedRecordset(scratch[i]);
    for (const std::string& f : scratch) sys::RemoveFile(f);
    return ok;
}

bool ReadAsText(const std::string& path) {
    std::string bytes;
    const sys::InputStatus status = sys::ReadInputFile(path, bytes, std::uint64_t(16) << 20);
    if (status != sys::InputStatus::Ok) {
        std::printf("    refused: %s\n", sys::InputRefusal(path, status, std::uint64_t(16) << 20).c_str());
        return false;
    }
    return !text::DecodeTextFile(bytes).empty();
}

struct Case {
    const char* name;
    std::string path;
    std::function<bool(const std::string&)> read;
    bool expectRead;
};

std::vector<Case> Cases() {
    return {
        {"unit list .uif, 20,000 units (6 MB)", File("units.uif"), ReadAsSavedRecordset, true},
        {"expert list .eif, 30,000 experts (24 MB)", File("experts.eif"), ReadAsSavedRecordset, true},
        {"成果转化（单位） .prosum, 160,000 rows (15 MB)", File("unitchange.prosum"),
         [](const std::string& p) { return ReadAsBundle(p, std::nullopt, 1); }, true},
        {"application .proapp with a 20 MB document", File("big.proapp"),
         [](const std::string& p) { return ReadAsBundle(p, std::nullopt, 2); }, true},
        {"refused: sparse .eif of 600 MB", File("sparse.eif"), ReadAsSavedRecordset, false},
        {"refused: .uif of 1.5 GB", File("huge.uif"), ReadAsSavedRecordset, false},
        {"refused: .prosum with a 1.2 GB part", File("huge.prosum"),
         [](const std::string& p) { return ReadAsBundle(p, std::nullopt, 2); }, false},
        {"refused: .fund with a 600 MB part", File("huge.fund"),
         [](const std::string& p) { return ReadAsBundle(p, '1', 3); }, false},
        {"refused: members .txt that is a pipe", File("pipe.txt"), ReadAsText, false},
        {"refused: members .txt of 600 MB", File("huge.txt"), ReadAsText, false},
    };
}

void MakeFiles() {
    SavedRows(20000, 300, File("units.uif"));
    SavedRows(30000, 800, File("experts.eif"));
    SavedRows(160000, 40, File("unitchange.xml"));
    Container(File("unitchange.prosum"), std::nullopt, {File("unitchange.xml")});
    {
        ado::RowsetData doc;
        ado::ColumnInfo number, body;
        number.name = "XMBH";
        number.type = ado::adVarWChar;
        number.definedSize = 20;
        body.name = "DOC";
        body.type = ado::adLongVarBinary;
        body.attributes = ado::adFldLong | ado::adFldMayBeNull;
        doc.columns = {number, body};
        doc.rows.push_back({ado::Variant::Text("9140A010108080001001"),
                            ado::Variant::Bytes(std::vector<std::uint8_t>(20u << 20, 0x5A))});
        std::string error;
        if (!ado::SaveRowsetXml(doc, File("doc.xml"), error)) std::exit(2);
        SavedRows(10, 100, File("members.xml"));
        Container(File("big.proapp"), std::nullopt, {File("doc.xml"), File("members.xml")});
    }
    Sparse(File("sparse.eif"), "<xml>", 600ull << 20);
    Sparse(File("huge.uif"), "<xml>", 1536ull << 20);
    Sparse(File("huge.prosum"), AnnouncingPart(std::nullopt, 1200ull << 20), (1200ull << 20) + 4 + 1000);
    Sparse(File("huge.fund"), AnnouncingPart('1', 600ull << 20), (600ull << 20) + 5 + 1000);
    ::mkfifo(File("pipe.txt").c_str(), 0600);
    Sparse(File("huge.txt"), "叶英 女 40\n", 600ull << 20);
}

// Seconds the members page takes to import a file of `lines` members.
double MembersSeconds(int lines) {
    std::string bytes;
    for (int i = 0; i < lines; ++i) bytes += text::Format("成员%d 男 40 研究员 一所 12 负责\r\n", i);
    const std::string path = File("members.txt");
    if (!sys::WriteFileAtomic(path, text::Utf8ToGbk(bytes))) std::exit(2);
    CDlgAppMembers page;
    page.Create();
    const auto start = std::chrono::steady_clock::now();
    page.ImportMembers(path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (page.m_wndGrid.GetRowCount() != lines) std::fprintf(stderr, "members: %d rows\n", page.m_wndGrid.GetRowCount());
    page.DestroyWindow();
    return seconds;
}

// Runs this program again with these arguments; its status and resource use.
int RunChild(char* self, std::vector<std::string> args, struct rusage& usage) {
    std::vector<char*> argv{self};
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) std::exit(2);
    int status = 0;
    ::wait4(child, &status, 0, &usage);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--read") == 0) {  // a child: one case
        g_folder = argv[2];
        const Case c = Cases().at(static_cast<std::size_t>(std::atoi(argv[3])));
        return c.read(c.path) == c.expectRead ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--make") == 0) {  // a child: the files
        g_folder = argv[2];
        MakeFiles();
        return 0;
    }
    // This process stays small: a child's peak counts what it had when it
    // started, which is this process's size until it runs the new program.
    char pattern[] = "/tmp/bench-input-XXXXXX";
    if (!::mkdtemp(pattern)) return 2;
    g_folder = pattern;
    struct rusage made {};
    if (RunChild(argv[0], {"--make", g_folder}, made) != 0) return 2;
    std::printf("peak resident memory of one read, each in a child process:\n");
    const std::vector<Case> cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        struct stat info {};
        ::stat(cases[i].path.c_str(), &info);
        struct rusage usage {};
        const auto start = std::chrono::steady_clock::now();
        const int status = RunChild(argv[0], {"--read", g_folder, std::to_string(i)}, usage);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("  %-48s file %8.1f MB  peak %7.1f MB  %6.2f s  %s\n", cases[i].name,
                    double(info.st_size) / (1 << 20), double(usage.ru_maxrss) / 1024, seconds,
                    status == 0 ? "as expected" : "NOT AS EXPECTED");
        std::fflush(stdout);
    }

    ui::EnsureApplication();
    const double small = MembersSeconds(10000), large = MembersSeconds(100000);
    std::printf("members from a txt file: 10,000 lines %.2f s; 100,000 lines %.2f s; time per line %.2fx (linear: about 1)\n",
                small, large, (large / 100000) / (small / 10000));
    sys::RemoveAll(g_folder);
    return 0;
}
