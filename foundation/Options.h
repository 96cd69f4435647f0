// The settings record options.dat in the program folder: 1806 bytes, read
// whole at construction and written whole by Save. Texts are stored as GBK
// with a terminating zero inside their field; numbers as 32-bit little-endian
// integers. Every component keeps its own snapshot; the last Save wins.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

// The period offered when the record is first created, from the year:
// 2002-2010 give "2006-2010", 2011-2015 "2011-2015", 2016-2020 "2016-2020",
// every other year "2021-2025".
std::string DefaultPeriodForYear(int year);

// The folders of the program folder that stand for a save folder left empty
// (the record of a fresh install holds only the application's).
inline constexpr const char* kDefaultAppFolder = "申请书汇总";
inline constexpr const char* kDefaultProgressFolder = "阶段进展报告";
inline constexpr const char* kDefaultAcceptFolder = "验收总结报告";

class COptions {
public:
    static constexpr std::size_t kRecordSize = 1806;
    static constexpr std::size_t kIndexWeightCount = 10;
    static constexpr std::size_t kGradeCount = 6;

    // Reads options.dat; when there is none, fills the defaults and saves them.
    COptions();
    virtual ~COptions() = default;

    // Writes the whole record to options.dat. A folder that cannot be written
    // leaves the file as it was; nothing is reported.
    void Save();

    void SetDataSource(const std::string& text);
    void SetUserId(const std::string& text);
    void SetDbPassword(const std::string& text);
    void SetUserName(const std::string& text);
    void SetAppDir(const std::string& folder);
    void SetProgressDir(const std::string& folder);
    void SetAcceptDir(const std::string& folder);
    void SetPeriod(const std::string& text);
    void SetYear(const std::string& text);
    void SetRole(int role);
    void SetIndexCount(int count);
    void SetCategory(int category);
    // Copies as many weights as the index count (field of SetIndexCount), at
    // most 10 and never more than given.
    void SetIndexWeights(std::span<const int> weights);
    // Copies the first six scores (fewer when fewer are given).
    void SetGradeScores(std::span<const int> scores);

    std::string GetDataSource() const;
    std::string GetUserId() const;
    std::string GetDbPassword() const;
    std::string GetUserName() const;
    // The save folders, ending in a separator; an empty field gives its
    // default folder of the program folder (made when a file is stored).
    std::string GetAppDir() const;
    std::string GetProgressDir() const;
    std::string GetAcceptDir() const;
    std::string GetPeriod() const;
    std::string GetYear() const;
    int GetRole() const;
    int GetIndexCount() const;
    int GetCategory() const;
    std::array<int, kIndexWeightCount> GetIndexWeights() const;
    std::array<int, kGradeCount> GetGradeScores() const;

    // Path of options.dat in the program folder.
    static std::string FilePath();

private:
    struct TextField {
        std::size_t offset, size;
    };

    void SetText(TextField field, const std::string& utf8);
    std::string GetText(TextField field) const;
    void SetInt(std::size_t offset, int value);
    int GetInt(std::size_t offset) const;
    void FillDefaults();

    std::array<unsigned char, kRecordSize> m_record{};
};
