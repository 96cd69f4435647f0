// The three save-folder dialogs (目录设置): an edit with the folder, a
// browse button and OK, which stores the folder with a trailing separator in
// its field of the settings record. A folder never set shows (and is) its
// default folder of the program folder; an emptied edit restores it. The three differ only in their id,
// texts and field.
#pragma once

#include <string>

#include "foundation/Options.h"
#include "platform/ui/Dialog.h"

struct DirSetKind {
    int idd;
    const char* label;
    const char* browseTitle;
    std::string (COptions::*get)() const;
    void (COptions::*set)(const std::string&);
};

class CDlgDirSet : public ui::Dialog {
public:
    static constexpr int IDC_FOLDER = 1044;
    static constexpr int IDC_BROWSE = 1050;

    CDlgDirSet(const DirSetKind& kind, ui::Wnd* parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnBrowse();

    const DirSetKind& m_kind;
    COptions m_options;  // loaded with the dialog object
};

class CDlgAppDirSet : public CDlgDirSet {
public:
    static constexpr int IDD = 210;
    explicit CDlgAppDirSet(ui::Wnd* parent = nullptr);
};

class CDlgProgressDirSet : public CDlgDirSet {
public:
    static constexpr int IDD = 222;
    explicit CDlgProgressDirSet(ui::Wnd* parent = nullptr);
};

class CDlgAcceptDirSet : public CDlgDirSet {
public:
    static constexpr int IDD = 223;
    explicit CDlgAcceptDirSet(ui::Wnd* parent = nullptr);
};
