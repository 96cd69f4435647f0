// The first-review page of the key-laboratory fund by number: the projects
// of both key-laboratory categories together, grouped by fund number.
#pragma once

#include "review/DlgFirstList.h"

class CDlgFirstListLabNo : public CDlgFirstList {
public:
    static constexpr int IDD = 6019;
    explicit CDlgFirstListLabNo(const FirstReviewLinks& links) : CDlgFirstList(IDD, links) {}

protected:
    void FillTree() override;
};
