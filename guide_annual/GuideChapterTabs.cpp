#include "guide_annual/GuideChapterTabs.h"

#include <algorithm>

#include "guide_annual/DlgStudySubject.h"

GuideChapterTabs::GuideChapterTabs(Layout layout, std::unique_ptr<CDlgStudySubjectTree> subjectTree)
    : m_layout(std::move(layout)), m_subjectTree(std::move(subjectTree)) {
    for (int id : m_layout.chapterIds) {
        m_editors.push_back(std::make_unique<COleRichEdit>(m_layout.editorVariant));
        MapNotify(id, ui::EN_SELCHANGE, [this](const ui::NotifyInfo&) {
            if (ui::Wnd* parent = GetParent()) parent->SendMessage(m_layout.selectionMessage);
        });
    }
}

GuideChapterTabs::~GuideChapterTabs() = default;

// The chapters take the format of the research purposes.
BOOL GuideChapterTabs::CreateTabs(const ui::Rect& rect, ui::Wnd* parent) {
    if (!Create(STYLE_3D_ROUNDED, rect, parent, m_layout.tabWindowId, LOCATION_BOTTOM)) return FALSE;
    constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ui::ES_NOHIDESEL | ES_WANTRETURN;
    for (std::size_t i = 0; i < m_editors.size(); ++i) {
        COleRichEdit& editor = *m_editors[i];
        editor.Create(style, {0, 0, 100, 100}, this, m_layout.chapterIds[i]);
        editor.SetDefaultCharFormat(PurposeCharFormat());
        editor.SetParaFormat(PurposeParaFormat());
        editor.SetEventMask(editor.GetEventMask() | ui::ENM_SELCHANGE);
    }
    m_subjectTree->Create(this);
    const int tabCount = static_cast<int>(m_layout.tabLabels.size());
    for (int tab = 0; tab < tabCount; ++tab) {
        const auto chapter = std::find(m_layout.chapterTabs.begin(), m_layout.chapterTabs.end(), tab);
        ui::Wnd* page = chapter == m_layout.chapterTabs.end()
                            ? static_cast<ui::Wnd*>(m_subjectTree.get())
                            : m_editors[chapter - m_layout.chapterTabs.begin()].get();
        AddTab(page, m_layout.tabLabels[tab]);
    }
    m_initialTabColor = GetTabBkColor(tabCount - 1);
    return TRUE;
}

void GuideChapterTabs::ClearAll() {
    for (const auto& editor : m_editors) editor->SetWindowText("");
    m_subjectTree->ResetTree();
}
