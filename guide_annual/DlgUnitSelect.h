// The unit picker (查看单位信息) of the research-direction editor: the unit
// table filtered by code prefix and name part, with check boxes; the ticked
// units go straight into the editor's unit grid.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

class CAdoConnection;
class CAdoRecordSet;
class CUnitGridCtrl;

// A filter edit: a change of its text (re)starts its timer, so that a burst
// of typing refreshes the list once.
class CUnitFilterEdit : public ui::Edit {
public:
    static constexpr UINT kDelayMs = 50;
    // Timer id and the refresh to run when the typing pauses.
    void SetRefresh(UINT_PTR timerId, std::function<void()> refresh);
    void RestartTimer() { SetTimer(timerId_, kDelayMs); }

protected:
    void OnTimer(UINT_PTR id) override;

private:
    UINT_PTR timerId_ = 0;
    std::function<void()> refresh_;
};

class CDlgUnitSelect : public ui::Dialog {
public:
    static constexpr int IDD = 7013;
    static constexpr int IDC_DWDM = 3130, IDC_DWMC = 3131, IDC_UNITLIST = 3109;

    explicit CDlgUnitSelect(ui::Wnd* parent = nullptr);
    ~CDlgUnitSelect() override;
    static const ui::DialogTemplate& Template();

    // The grid that receives the chosen units; set before DoModal.
    CUnitGridCtrl* m_pUnitGrid = nullptr;

    // Lists the units that the two filters let through, in code order.
    void RefreshUnits();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void RefreshFrom(CUnitFilterEdit& edit);

    CUnitFilterEdit m_editCode, m_editName;
    std::unique_ptr<CAdoConnection> m_pConnection;
    bool m_bRefreshing = false;
};
