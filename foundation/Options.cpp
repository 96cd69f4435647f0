#include "foundation/Options.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"

namespace {

// Byte offsets of the record's fields.
constexpr std::size_t kDataSource = 0;
constexpr std::size_t kUserId = 50;
constexpr std::size_t kDbPassword = 100;
constexpr std::size_t kUserName = 150;
constexpr std::size_t kShortTextSize = 50;
constexpr std::size_t kAppDir = 200;
constexpr std::size_t kFolderSize = 500;
constexpr std::size_t kRole = 700;
constexpr std::size_t kIndexCount = 704;
constexpr std::size_t kIndexWeights = 708;
constexpr std::size_t kGradeScores = 748;
constexpr std::size_t kPeriod = 772;
constexpr std::size_t kPeriodSize = 20;
constexpr std::size_t kYear = 792;
constexpr std::size_t kYearSize = 10;
constexpr std::size_t kCategory = 802;  // directly after the year text, not 4-aligned
constexpr std::size_t kProgressDir = 806;
constexpr std::size_t kAcceptDir = 1306;

constexpr int kRoleNotChosen = -1;

// A save folder left empty is this folder of the program folder, so that a
// fresh install stores its files from the first start.
std::string DefaultFolder(const char* name) { return sys::JoinPath(sys::ProgramFolder(), name) + "/"; }

std::string OrDefaultFolder(std::string folder, const char* name) {
    return folder.empty() ? DefaultFolder(name) : folder;
}
constexpr int kDefaultIndexCount = 8;

}  // namespace

std::string DefaultPeriodForYear(int year) {
    switch ((year - 2006) / 5) {
    case 0: return "2006-2010";
    case 1: return "2011-2015";
    case 2: return "2016-2020";
    default: return "2021-2025";
    }
}

std::string COptions::FilePath() {
    return sys::JoinPath(sys::ProgramFolder(), "options.dat");
}

COptions::COptions() {
    std::string bytes;
    if (sys::ReadFile(FilePath(), bytes)) {
        // A shorter record (an older component wrote 806 bytes) keeps its
        // missing tail zero; a longer one is read up to the record's size.
        std::memcpy(m_record.data(), bytes.data(), std::min(bytes.size(), kRecordSize));
        return;
    }
    FillDefaults();
    // A file that exists but cannot be read is not replaced by defaults.
    if (!sys::FileExists(FilePath())) Save();
}

void COptions::FillDefaults() {
    m_record.fill(0);
    SetAppDir(DefaultFolder(kDefaultAppFolder));
    SetRole(kRoleNotChosen);
    SetIndexCount(kDefaultIndexCount);
    const std::string year = text::DateTime::Now().Format("%Y");
    SetYear(year);
    SetPeriod(DefaultPeriodForYear(static_cast<int>(text::Atol(year))));
    SetCategory(0);
}

void COptions::Save() {
    sys::WriteFileAtomic(FilePath(),
                         std::string_view(reinterpret_cast<const char*>(m_record.data()), kRecordSize));
}

// Stores the GBK form of the text and its terminating zero; a text too long
// for the field is cut at a character boundary. Bytes after the terminator
// keep whatever they held.
void COptions::SetText(TextField field, const std::string& utf8) {
    std::string gbk = text::Utf8ToGbk(text::TruncateGbk(utf8, field.size - 1));
    gbk.resize(std::min(gbk.size(), field.size - 1));
    std::memcpy(m_record.data() + field.offset, gbk.data(), gbk.size());
    m_record[field.offset + gbk.size()] = 0;
}

std::string COptions::GetText(TextField field) const {
    const char* start = reinterpret_cast<const char*>(m_record.data() + field.offset);
    const std::size_t length = std::find(start, start + field.size, '\0') - start;
    return text::GbkToUtf8(std::string_view(start, length));
}

void COptions::SetInt(std::size_t offset, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) m_record[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

int COptions::GetInt(std::size_t offset) const {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(m_record[offset + i]) << (8 * i);
    return static_cast<int>(bits);
}

void COptions::SetDataSource(const std::string& text) { SetText({kDataSource, kShortTextSize}, text); }
void COptions::SetUserId(const std::string& text) { SetText({kUserId, kShortTextSize}, text); }
void COptions::SetDbPassword(const std::string& text) { SetText({kDbPassword, kShortTextSize}, text); }
void COptions::SetUserName(const std::string& text) { SetText({kUserName, kShortTextSize}, text); }
void COptions::SetAppDir(const std::string& folder) { SetText({kAppDir, kFolderSize}, folder); }
void COptions::SetProgressDir(const std::string& folder) { SetText({kProgressDir, kFolderSize}, folder); }
void COptions::SetAcceptDir(const std::string& folder) { SetText({kAcceptDir, kFolderSize}, folder); }
void COptions::SetPeriod(const std::string& text) { SetText({kPeriod, kPeriodSize}, text); }
void COptions::SetYear(const std::string& text) { SetText({kYear, kYearSize}, text); }
void COptions::SetRole(int role) { SetInt(kRole, role); }
void COptions::SetIndexCount(int count) { SetInt(kIndexCount, count); }
void COptions::SetCategory(int category) { SetInt(kCategory, category); }

void COptions::SetIndexWeights(std::span<const int> weights) {
    const std::size_t count = static_cast<std::size_t>(std::max(GetIndexCount(), 0));
    const std::size_t n = std::min({count, kIndexWeightCount, weights.size()});
    for (std::size_t i = 0; i < n; ++i) SetInt(kIndexWeights + 4 * i, weights[i]);
}

void COptions::SetGradeScores(std::span<const int> scores) {
    const std::size_t n = std::min(kGradeCount, scores.size());
    for (std::size_t i = 0; i < n; ++i) SetInt(kGradeScores + 4 * i, scores[i]);
}

std::string COptions::GetDataSource() const { return GetText({kDataSource, kShortTextSize}); }
std::string COptions::GetUserId() const { return GetText({kUserId, kShortTextSize}); }
std::string COptions::GetDbPassword() const { return GetText({kDbPassword, kShortTextSize}); }
std::string COptions::GetUserName() const { return GetText({kUserName, kShortTextSize}); }
std::string COptions::GetAppDir() const { return OrDefaultFolder(GetText({kAppDir, kFolderSize}), kDefaultAppFolder); }
std::string COptions::GetProgressDir() const {
    return OrDefaultFolder(GetText({kProgressDir, kFolderSize}), kDefaultProgressFolder);
}
std::string COptions::GetAcceptDir() const {
    return OrDefaultFolder(GetText({kAcceptDir, kFolderSize}), kDefaultAcceptFolder);
}
std::string COptions::GetPeriod() const { return GetText({kPeriod, kPeriodSize}); }
std::string COptions::GetYear() const { return GetText({kYear, kYearSize}); }
int COptions::GetRole() const { return GetInt(kRole); }
int COptions::GetIndexCount() const { return GetInt(kIndexCount); }
int COptions::GetCategory() const { return GetInt(kCategory); }

std::array<int, COptions::kIndexWeightCount> COptions::GetIndexWeights() const {
    std::array<int, kIndexWeightCount> weights{};
    for (std::size_t i = 0; i < kIndexWeightCount; ++i) weights[i] = GetInt(kIndexWeights + 4 * i);
    return weights;
}

std::array<int, COptions::kGradeCount> COptions::GetGradeScores() const {
    std::array<int, kGradeCount> scores{};
    for (std::size_t i = 0; i < kGradeCount; ++i) scores[i] = GetInt(kGradeScores + 4 * i);
    return scores;
}
