// The first-review page of the key-laboratory fund by category: general
// projects under 一般基金, key projects under 重点基金.
#pragma once

#include "review/DlgFirstList.h"

class CDlgFirstListLab : public CDlgFirstList {
public:
    static constexpr int IDD = 6017;
    explicit CDlgFirstListLab(const FirstReviewLinks& links) : CDlgFirstList(IDD, links) {}

protected:
    void FillTree() override;
};
