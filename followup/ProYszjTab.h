// The tab window of the acceptance-summary report editor: the seven report
// sections, each a rich-text box under its own tab, and the project's
// stored documents (CDlgProFiles) as the eighth tab "相关附件". A selection
// move in a section box is passed to the view as WM_USER+100.
#pragma once

#include <array>
#include <string>

#include "application/DlgProFiles.h"
#include "widgets/OleRichEdit.h"
#include "platform/ui/TabWnd.h"

class CProYszjTab : public ui::TabWnd {
public:
    static constexpr int kSectionCount = 7;
    static constexpr int kFirstSectionId = 5229;  // to 5235
    static constexpr UINT WM_SECTION_SELCHANGE = WM_USER + 100;

    // One report section: its tab caption, its column and its scratch file.
    struct Section {
        const char* caption;
        const char* column;
        const char* scratchFile;
    };
    static const std::array<Section, kSectionCount>& Sections();

    CProYszjTab();
    ~CProYszjTab() override;

    // Creates the window and then its pages (OnCreate).
    BOOL Create(int style, const ui::Rect& rect, ui::Wnd* parent, int id, Location location = LOCATION_BOTTOM);

    std::array<COleRichEdit, kSectionCount> m_richSections;
    CDlgProFiles m_dlgProFiles;
    COLORREF m_crStdTab = DefaultTabColor();

private:
    void OnCreate();
    void OnSectionSelChange();
};
