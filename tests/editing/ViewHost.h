// One business view open at a time, as the main window shows them: hosted in
// a plain dialog, opened for a user of a role (the settings record says
// which) with the period the main program gives, and closed when another is
// opened. `Kind` names the views a test opens; its value-initialised value
// means none.
#pragma once

#include <memory>

#include "application/Dlgproappl.h"
#include "exchange/export/DlgGuideExport.h"
#include "foundation/Options.h"
#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "review/DlgFirstAPPR.h"

template <class Kind>
class ViewHost {
public:
    ViewHost() {
        ui::EnsureApplication();
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
    }
    ~ViewHost() { Close(); }

    void Close() {
        view_.reset();
        kind_ = Kind{};
        CDlgproappl::m_strPublishYear.clear();
        CDlgFirstAPPR::m_strPublishYear.clear();
    }
    // The view of `kind`, of class T: the one open, or opened now (the one
    // open closed) for a user of `role`; `opened` tells which.
    template <class T>
    T& Open(Kind kind, int role, bool* opened = nullptr) {
        if (opened) *opened = kind_ != kind;
        if (kind_ == kind) return static_cast<T&>(*view_);
        Close();
        COptions options;
        options.SetRole(role);
        options.SetCategory(0);
        options.Save();
        CDlgproappl::m_strPublishYear = CDlgFirstAPPR::m_strPublishYear = CDlgGuideExport::kPeriod;
        auto view = std::make_unique<T>();
        T& shown = *view;
        view->CreateView(host_.get(), {0, 0, 1300, 900});
        view_ = std::move(view);
        kind_ = kind;
        shown.OnInitialUpdate();
        return shown;
    }
    Kind Shown() const { return kind_; }
    template <class T>
    T& View() const {
        return static_cast<T&>(*view_);
    }

private:
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<ui::FormView> view_;
    Kind kind_{};
};
