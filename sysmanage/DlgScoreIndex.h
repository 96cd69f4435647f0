// The scoring settings of the letter review: how many indexes an expert
// grades (6 to 10), the weight of each in percent and the score of each
// grade letter A to F, kept in the settings record. The last shown weight
// is derived: 100 minus the weights before it.
#pragma once

#include <array>

#include "foundation/Options.h"
#include "platform/ui/Dialog.h"

class CDlgScoreIndex : public ui::Dialog {
public:
    static constexpr int IDD = 10007;
    static constexpr int IDC_COUNT = 10016;
    static constexpr int kMinCount = 6;
    static constexpr int kMaxCount = 10;
    // Weight boxes 1 to 10 and grade boxes A to F, left to right.
    static constexpr std::array<int, 10> kWeightIds{10017, 10018, 10020, 10019, 10023,
                                                    10021, 10022, 10024, 10025, 10026};
    static constexpr std::array<int, 6> kGradeIds{10027, 10028, 10029, 10030, 10031, 10032};

    explicit CDlgScoreIndex(ui::Wnd* parent = nullptr);
    static const ui::DialogTemplate& Template();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnSelchangeCount();
    void OnKillfocusWeight();
    // The count chosen in the list (6 to 10), or 0 when its text is none of them.
    int ChosenCount() const;

    COptions m_options;
    int m_nCountIndex = -1;  // count - 6
    std::array<int, 10> m_weights{};
    std::array<int, 6> m_scores{};
    bool m_bDeriving = false;  // a kill-focus exchange is running
};
