// The first-review page of the common-technology fund (category 专业组):
// general projects under 一般基金, key projects under 重点基金.
#pragma once

#include "review/DlgFirstList.h"

class CDlgFirstListCommon : public CDlgFirstList {
public:
    static constexpr int IDD = 6015;
    explicit CDlgFirstListCommon(const FirstReviewLinks& links) : CDlgFirstList(IDD, links) {}

protected:
    void FillTree() override;
};
