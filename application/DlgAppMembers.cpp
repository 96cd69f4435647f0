#include "application/DlgAppMembers.h"

#include <algorithm>
#include <cstdint>

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kCountLength = 6;
constexpr std::size_t kMaxWordBytes = 259;  // in the program's code page
// A members file holds a team: a few hundred lines at most. The bound leaves
// room for a hundred thousand members and still refuses a runaway file.
constexpr std::uint64_t kMaxMembersFileBytes = std::uint64_t(16) << 20;

// The words of a members file: runs of characters between white space, each
// cut to the longest a word may be. The file's encoding is found by
// text::DecodeTextFile (a byte-order mark, else UTF-8 or GBK).
std::vector<std::string> MemberWords(const std::string& bytes) {
    const std::string content = text::DecodeTextFile(bytes);
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty()) words.push_back(text::TruncateGbk(word, kMaxWordBytes));
        word.clear();
    };
    for (char c : content) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') flush();
        else word += c;
    }
    flush();
    return words;
}

}  // namespace

const ui::DialogTemplate& CDlgAppMembers::Template() {
    static const ui::DialogTemplate tpl = [] {
        using ui::Kind;
        constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        ui::DialogTemplate t{IDD, "", {0, 0, 529, 352}, {
            {Kind::Static, IDC_STATIC, "总人数", {10, 30, 40, 10}, SS_RIGHT},
            {Kind::Edit, IDC_TOTAL, "", {54, 28, 40, 13}, kEdit},
        }, WS_CHILD};
        const char* const labels[6] = {"高  级", "中  级", "初  级", "博士后", "博士生", "硕士生"};
        for (int i = 0; i < 6; ++i) {
            const int x = 100 + i * 70;
            t.controls.push_back({Kind::Static, IDC_STATIC, labels[i], {x, 30, 26, 10}, SS_RIGHT});
            t.controls.push_back({Kind::Edit, kCountIds[size_t(i)], "", {x + 28, 28, 36, 13}, kEdit});
        }
        t.controls.push_back({Kind::Static, IDC_GRID_FRAME, "", {4, 48, 521, 220}, SS_BLACKFRAME});
        t.controls.push_back({Kind::PushButton, IDC_INSERT, "插入", {170, 274, 50, 16}, WS_TABSTOP});
        t.controls.push_back({Kind::PushButton, IDC_DELETE, "删除", {230, 274, 50, 16}, WS_TABSTOP});
        t.controls.push_back({Kind::PushButton, IDC_IMPORT, "从txt文件导入", {290, 274, 70, 16}, WS_TABSTOP});
        t.controls.push_back({Kind::PushButton, IDC_CLEAR, "清空", {370, 274, 50, 16}, WS_TABSTOP});
        return t;
    }();
    return tpl;
}

CDlgAppMembers::CDlgAppMembers() : CDlgAppPage(Template()) {
    for (int id : kCountIds) MapCommand(id, EN_KILLFOCUS, [this] { UpdateTotal(); });
    MapClicked(IDC_INSERT, [this] { AddMemberRow(); });
    MapClicked(IDC_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_IMPORT, [this] { OnBtnImport(); });
    MapClicked(IDC_CLEAR, [this] { OnBtnClear(); });
}

BOOL CDlgAppMembers::OnInitDialog() {
    CDlgAppPage::OnInitDialog();
    for (size_t i = 0; i < kCountIds.size(); ++i) {
        ui::MaskEdit& count = m_editCounts[i];
        count.SubclassDlgItem(kCountIds[i], this);
        count.DisableMask();
        count.SetValidChars("1234567890");
        count.LimitText(kCountLength);
    }
    m_wndGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_GRID_FRAME), this, IDC_GRID);
    return TRUE;
}

std::unique_ptr<ui::GridRow> CDlgAppMembers::NewMemberRow() {
    std::unique_ptr<ui::GridRow> row = m_wndGrid.CreateRow(CMemberGridCtrl::kColumnCount);
    for (int column = 0; column < CMemberGridCtrl::kColumnCount; ++column) {
        auto cell = std::make_unique<ui::GridItem>("");
        const std::vector<std::string>* options = column == CMemberGridCtrl::kSex     ? &m_arrSex
                                                  : column == CMemberGridCtrl::kTitle ? &m_arrTitle
                                                                                      : nullptr;
        if (options)
            for (const std::string& option : *options) cell->AddOption(option);
        row->ReplaceItem(column, std::move(cell));
    }
    return row;
}

int CDlgAppMembers::InsertMemberRows(std::vector<std::unique_ptr<ui::GridRow>> rows) {
    const std::vector<int> selected = m_wndGrid.GetSelectedRows();
    const int after = selected.empty() ? m_wndGrid.GetRowCount() - 1 : selected.front();
    const int at = m_wndGrid.InsertRowsAfter(after, std::move(rows));
    m_wndGrid.AdjustLayout();
    return at;
}

ui::GridRow* CDlgAppMembers::AddMemberRow() {
    std::vector<std::unique_ptr<ui::GridRow>> rows;
    rows.push_back(NewMemberRow());
    return m_wndGrid.GetRow(InsertMemberRows(std::move(rows)));
}

void CDlgAppMembers::UpdateTotal() {
    bool anyCount = false;
    long total = 0;
    for (int id : kCountIds) {
        const std::string count = GetDlgItemText(id);
        anyCount = anyCount || !count.empty();
        total += text::Atol(count);
    }
    if (anyCount) SetDlgItemText(IDC_TOTAL, text::Format("%ld", total));
}

void CDlgAppMembers::OnBtnDelete() {
    std::vector<int> selected = m_wndGrid.GetSelectedRows();
    if (selected.empty()) {
        ui::MessageBox("你尚未选中任何记录!", "提示");
        return;
    }
    std::sort(selected.rbegin(), selected.rend());  // highest first, so the others keep their index
    for (int row : selected) m_wndGrid.RemoveRow(row, FALSE);
    m_wndGrid.AdjustLayout();
}

void CDlgAppMembers::OnBtnClear() { m_wndGrid.RemoveAll(); }

void CDlgAppMembers::OnBtnImport() {
    ui::FileDialog chooser(TRUE, "txt", {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "申请人信息(*.txt)|*.txt||", this);
    if (chooser.DoModal() != IDOK) return;
    ImportMembers(chooser.GetPathName());
}

bool CDlgAppMembers::ImportMembers(const std::string& path) {
    std::string bytes;
    if (const sys::InputStatus status = sys::ReadInputFile(path, bytes, kMaxMembersFileBytes);
        status != sys::InputStatus::Ok) {
        ui::MessageBox(sys::InputRefusal(path, status, kMaxMembersFileBytes), "提示", MB_OK | MB_ICONSTOP);
        return false;
    }
    // The rows are filled before they join the grid, and join it at once:
    // each row added and filled in the grid would cost a pass over all rows.
    const std::vector<std::string> words = MemberWords(bytes);
    std::vector<std::unique_ptr<ui::GridRow>> rows;
    // A member whose age or months the grid would refuse is left out and named.
    std::vector<std::string> refused;
    for (size_t first = 0; first < words.size(); first += CMemberGridCtrl::kColumnCount) {
        std::string bad;
        for (int column : {CMemberGridCtrl::kAge, CMemberGridCtrl::kMonths})
            if (first + column < words.size() && !CMemberGridCtrl::IsValidValue(column, words[first + column]))
                bad += std::string(bad.empty() ? "" : "，") + (column == CMemberGridCtrl::kAge ? "年龄" : "参加月数") +
                       "“" + words[first + column] + "”";
        if (!bad.empty()) {
            refused.push_back(text::Format("第%zu位：", first / CMemberGridCtrl::kColumnCount + 1) + words[first] +
                              "（" + bad + "不是整数）");
            continue;
        }
        rows.push_back(NewMemberRow());
        for (int column = 0; column < CMemberGridCtrl::kColumnCount && first + column < words.size(); ++column)
            rows.back()->GetItem(column)->SetValue(words[first + column]);
    }
    if (!rows.empty()) InsertMemberRows(std::move(rows));
    if (!refused.empty()) {
        std::string message = "文件" + sys::FileName(path) + "中以下成员的年龄或参加月数不是整数，未导入：";
        for (const std::string& member : refused) message += "\r\n" + member;
        ui::MessageBox(message, "提示", MB_OK | MB_ICONINFORMATION);
    }
    return true;
}
