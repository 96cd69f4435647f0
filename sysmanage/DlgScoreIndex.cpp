#include "sysmanage/DlgScoreIndex.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "sysmanage/ManageCommon.h"

const ui::DialogTemplate& CDlgScoreIndex::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl = [] {
        ui::DialogTemplate t{IDD, "评分指标管理", {0, 0, 330, 128}, {
            {Kind::GroupBox, IDC_STATIC, "指标设置", {7, 7, 316, 88}},
            {Kind::Static, IDC_STATIC, "指标个数：", {16, 24, 60, 10}},
            {Kind::ComboBox, IDC_COUNT, "", {80, 22, 40, 80}, CBS_DROPDOWNLIST | WS_TABSTOP, {"6", "7", "8", "9", "10"}},
            {Kind::Static, IDC_STATIC, "权重(%)：", {16, 46, 60, 10}},
        }};
        for (size_t i = 0; i < kWeightIds.size(); ++i)
            t.controls.push_back({Kind::Edit, kWeightIds[i], "", {80 + int(i) * 24, 44, 21, 13},
                                  WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL});
        t.controls.push_back({Kind::Static, IDC_STATIC, "分值设置(A-F)：", {16, 70, 62, 10}});
        for (size_t i = 0; i < kGradeIds.size(); ++i)
            t.controls.push_back({Kind::Edit, kGradeIds[i], "", {80 + int(i) * 24, 68, 21, 13},
                                  WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL});
        t.controls.push_back({Kind::DefPushButton, IDOK, "确定", {200, 104, 50, 14}, WS_TABSTOP});
        t.controls.push_back({Kind::PushButton, IDCANCEL, "取消", {264, 104, 50, 14}, WS_TABSTOP});
        return t;
    }();
    return tpl;
}

CDlgScoreIndex::CDlgScoreIndex(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapCommand(IDC_COUNT, CBN_SELCHANGE, [this] { OnSelchangeCount(); });
    for (int id : kWeightIds) MapCommand(id, EN_KILLFOCUS, [this] { OnKillfocusWeight(); });
}

BOOL CDlgScoreIndex::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    // A stored count outside 6 to 10 is shown as the nearest of them, so no
    // more than ten weights are ever read.
    const int count = std::clamp(m_options.GetIndexCount(), kMinCount, kMaxCount);
    m_nCountIndex = count - kMinCount;
    const auto weights = m_options.GetIndexWeights();
    std::copy_n(weights.begin(), count, m_weights.begin());
    m_scores = m_options.GetGradeScores();
    UpdateData(FALSE);
    OnSelchangeCount();
    return TRUE;
}

void CDlgScoreIndex::DoDataExchange(ui::DataExchange& dx) {
    dx.CBIndex(IDC_COUNT, m_nCountIndex);
    for (size_t i = 0; i < kWeightIds.size(); ++i) {
        dx.Text(kWeightIds[i], m_weights[i]);
        dx.MinMaxInt(m_weights[i], 0, 100);
    }
    for (size_t i = 0; i < kGradeIds.size(); ++i) {
        dx.Text(kGradeIds[i], m_scores[i]);
        dx.MinMaxInt(m_scores[i], 0, 100);
    }
}

int CDlgScoreIndex::ChosenCount() const {
    const std::string chosen = GetDlgItemText(IDC_COUNT);
    for (int count = kMinCount; count <= kMaxCount; ++count)
        if (chosen == std::to_string(count)) return count;
    return 0;
}

void CDlgScoreIndex::OnSelchangeCount() {
    const int count = ChosenCount();
    if (!count) return;
    for (int i = 0; i < int(kWeightIds.size()); ++i) {
        ui::Wnd* box = GetDlgItem(kWeightIds[i]);
        if (i < count) {
            box->ShowWindow(SW_SHOW);
        } else {
            box->SetWindowText("0");
            box->ShowWindow(SW_HIDE);
        }
    }
}

void CDlgScoreIndex::OnKillfocusWeight() {
    // The range message itself takes the focus from a box; that kill focus
    // must not start a second exchange.
    // Nor does a closing dialog, or a box left for "取消", which stores nothing.
    if (m_bDeriving || !IsRunningModal()) return;
    if (ui::Wnd* next = ui::Wnd::GetFocus(); next && next->GetDlgCtrlID() == IDCANCEL) return;
    m_bDeriving = true;
    if (UpdateData(TRUE)) {
        if (const int count = ChosenCount()) {
            m_weights[count - 1] = 100 - std::accumulate(m_weights.begin(), m_weights.begin() + count - 1, 0);
            UpdateData(FALSE);
        }
    }
    m_bDeriving = false;
}

void CDlgScoreIndex::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_options.SetIndexCount(m_nCountIndex + kMinCount);
    m_options.SetIndexWeights(m_weights);
    m_options.SetGradeScores(m_scores);
    m_options.Save();
    EndDialog(IDOK);
}
