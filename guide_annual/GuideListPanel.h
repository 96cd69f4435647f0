// What the list panels of the annual and five-year guide views share: the
// period's guides in a list of three centred columns, and the buttons
// import, export, search and delete, which the panel hands to the view, as
// it does a double click on a row. Each guide gives its ids and columns.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/ButtonST.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

class GuideListPanel : public ui::Dialog {
public:
    struct Layout {
        int dialog, list, import, exportButton, search, remove;
    };
    // The view's commands behind the buttons and the double click.
    struct Commands {
        std::function<void()> import, exportGuides, search, remove, open;
    };
    // The commands of a guide view: OnBtnImport, OnBtnExport, OnBtnSearch,
    // OnBtnDelete and OnDblclkListFundinfo.
    template <class View>
    static Commands CommandsOf(View& view) {
        return {[&view] { view.OnBtnImport(); }, [&view] { view.OnBtnExport(); }, [&view] { view.OnBtnSearch(); },
                [&view] { view.OnBtnDelete(); }, [&view] { view.OnDblclkListFundinfo(); }};
    }

    ui::ListCtrl& List() const { return *Item<ui::ListCtrl>(m_layout.list); }

    CButtonST m_btnImport, m_btnExport, m_btnSearch, m_btnDelete;

protected:
    // `columns`: the three columns' titles and widths.
    GuideListPanel(const Layout& layout, const Commands& commands,
                   std::vector<std::pair<std::string, int>> columns);
    static ui::DialogTemplate BuildTemplate(const Layout& layout);

    // Appends a row of the three columns.
    void AddRow(const std::string& first, const std::string& second, const std::string& third);

    BOOL OnInitDialog() override;

private:
    const Layout m_layout;
    const std::vector<std::pair<std::string, int>> m_columns;
};
