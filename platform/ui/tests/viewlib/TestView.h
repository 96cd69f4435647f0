// A form view that lives in a shared library of its own, as the module views
// of the business libraries do.
#pragma once

#include <string>

#include "platform/ui/Dialog.h"

#ifdef __GNUC__
#define TESTVIEW_EXPORT __attribute__((visibility("default")))
#else
#define TESTVIEW_EXPORT
#endif

class TESTVIEW_EXPORT CTestView : public ui::FormView {
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView();
    void OnInitialUpdate() override;
    static const ui::DialogTemplate& Template();

    int initialUpdates = 0;
    std::string m_strTitle = "初始标题";

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};
