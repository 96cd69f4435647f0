// The faces of the commands as each role sees them: every picture button of
// every view (the workflow panels, the forms and lists) and every button of
// a formatting bar shows a picture, and commands that differ show pictures
// that differ; each navigation group shows its own picture.
#include "MainTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QToolBar>
#include <QToolBox>
#include <map>

#include "main/Artwork.h"
#include "main/Commands.h"
#include "platform/ui/OutlookBar.h"
#include "platform/ui/Resources.h"

namespace {

QImage Picture(const QIcon& icon) { return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32); }

struct Face {
    std::string command;  // what the user reads of it: its tool tip, or its id
    QImage picture;
};

// Pictures of different commands must differ; one command may show one
// picture in several places.
void ExpectDistinct(const std::vector<Face>& faces, const std::string& where) {
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            if (faces[i].command != faces[j].command)
                EXPECT_NE(faces[i].picture, faces[j].picture)
                    << where << ": \"" << faces[i].command << "\" and \"" << faces[j].command << "\" look alike";
}

// The picture buttons of a view: owner-drawn buttons without a caption that
// the view shows (those hidden for the role left out), the pages of its tab
// windows included.
std::vector<Face> PictureButtons(QWidget* view, const std::string& where, int& seen) {
    std::vector<Face> faces;
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>()) {
        ui::Wnd* wnd = ui::Wnd::FromWidget(button);
        if (!wnd || button->isHidden() || (wnd->GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW) continue;
        if (!button->text().isEmpty()) continue;
        ++seen;
        const std::string tip = button->toolTip().toStdString();
        const std::string command = tip.empty() ? "#" + std::to_string(wnd->GetDlgCtrlID()) : tip;
        EXPECT_FALSE(button->icon().isNull()) << where << ": the button \"" << command << "\" shows no picture";
        if (!button->icon().isNull()) faces.push_back({command, Picture(button->icon())});
    }
    return faces;
}

// The buttons of the view's tool bars: each with a picture, all different.
void CheckToolBars(QWidget* view, const std::string& where, int& seen) {
    for (QToolBar* bar : view->findChildren<QToolBar*>()) {
        std::vector<Face> faces;
        int index = 0;
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) continue;
            ++seen;
            const std::string command = where + " bar button " + std::to_string(++index);
            EXPECT_FALSE(action->icon().isNull()) << command << " shows no picture";
            faces.push_back({command, Picture(action->icon())});
        }
        ExpectDistinct(faces, where + " tool bar");
    }
}

using CommandFaces = MainWindowTest;

TEST_F(CommandFaces, EveryPictureButtonAndToolBarButtonOfEveryViewShowsItsOwnPicture) {
    int buttons = 0, barButtons = 0;
    ForEachView([&](const std::string& where, ui::Wnd& view) {
        ExpectDistinct(PictureButtons(view.GetWidget(), where, buttons), where);
        CheckToolBars(view.GetWidget(), where, barButtons);
    });
    EXPECT_GT(buttons, 50);      // the views were really made, with their buttons
    EXPECT_GT(barButtons, 16);   // and the formatting bars of their text fields
}

// The pictures that once were mixed up, by the command's tool tip in the
// view that shows them: 成果转化's Word the application's Word document and
// its Excel another, the application form's two saves (the form, the
// document) apart.
TEST_F(CommandFaces, WordAndExcelAndTheTwoSavesShowTheirOwnPictures) {
    const auto picture = [](QWidget* view, const char* tip) {
        for (QAbstractButton* button : view->findChildren<QAbstractButton*>())
            if (!button->isHidden() && button->toolTip() == QString::fromUtf8(tip)) return Picture(button->icon());
        return QImage();
    };
    CMainFrame& main = OpenFrame(2, "jjb");
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kAchievement, 0));
    QWidget* achievement = main.GetPaneView()->GetWidget();
    const QImage word = picture(achievement, "Word"), excel = picture(achievement, "Excel");
    ASSERT_FALSE(word.isNull());
    ASSERT_FALSE(excel.isNull());

    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kApplication, 0));
    QWidget* application = main.GetPaneView()->GetWidget();
    const QImage save = picture(application, "保存"), saveDocument = picture(application, "保存申请书文档"),
                 makeWord = picture(application, "生成word文档");
    ASSERT_FALSE(save.isNull());
    ASSERT_FALSE(saveDocument.isNull());
    EXPECT_NE(save, saveDocument);
    // The same command, the same picture in every library's views.
    EXPECT_EQ(word, makeWord) << "成果转化's Word is not the application's Word document";
    EXPECT_NE(word, excel);
}

// The open bar's groups: each shows its own picture, none a button's.
TEST_F(CommandFaces, EachNavigationGroupShowsItsOwnPicture) {
    const std::map<std::string, int> groupIcon = {{"指南管理", artwork::kGuideGroupIcon},
                                                  {"项目申报", artwork::kDeclareGroupIcon},
                                                  {"项目管理", artwork::kManageGroupIcon}};
    for (const InstalledUser& user : kInstalledUsers) {
        CMainFrame& main = OpenFrame(user.role, user.name);
        ui::OutlookBar& bar = main.GetOutlookBar();
        auto* box = bar.GetWidget()->findChild<QToolBox*>();
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->count(), bar.GetPageCount());
        for (int page = 0; page < bar.GetPageCount(); ++page) {
            const std::string name = bar.GetPageName(page);
            SCOPED_TRACE(std::string(user.name) + " " + name);
            const QImage shown = Picture(box->itemIcon(page));
            const QImage own = ui::resources::LoadIcon(ui::ProgramModule(), groupIcon.at(name)).image;
            ASSERT_FALSE(own.isNull());
            EXPECT_EQ(shown, Picture(QIcon(QPixmap::fromImage(own))));
            for (std::size_t b = 0; b < bar.GetButtons(page).size(); ++b)
                EXPECT_NE(shown, Picture(QIcon(QPixmap::fromImage(bar.GetButtonIcon(page, int(b)).image))))
                    << bar.GetButtons(page)[b].text;
        }
        frame.reset();
    }
}

}  // namespace
