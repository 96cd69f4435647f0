#include "platform/ui/OutlookBar.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/ui/FrameWnd.h"

namespace ui {

IMPLEMENT_DYNAMIC(OutlookBar, Wnd)

namespace {
constexpr int kIconSize = 32;
}

BOOL OutlookBar::Create(FrameWnd* frame, const std::string& caption, int width, int id) {
    if (!frame || !frame->MainWindow()) return FALSE;
    frame_ = frame;
    auto* dock = new detail::Bridged<QDockWidget>(QString::fromStdString(caption), frame->MainWindow());
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));  // no title row: the pages carry the names
    pagesBox_ = new QToolBox(dock);
    dock->setWidget(pagesBox_);
    dock->setMinimumWidth(width);
    dock->setMaximumWidth(width);
    frame->MainWindow()->addDockWidget(Qt::LeftDockWidgetArea, dock);
    Attach(dock, false);
    SetDlgCtrlID(id);
    return TRUE;
}

Icon OutlookBar::IconAt(int index) const {
    return index >= 0 && index < int(icons_.size()) ? icons_[index] : Icon{};
}

int OutlookBar::AddPage(int paneId, const std::string& name, int image) {
    if (!pagesBox_) return -1;
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    column->setSpacing(8);
    const Icon icon = IconAt(image);
    pagesBox_->addItem(page, QPixmap::fromImage(icon.image), QString::fromStdString(name));
    pages_.push_back({paneId, name, image, page, {}});
    return int(pages_.size()) - 1;
}

void OutlookBar::AddButton(int page, int image, const std::string& text, int command) {
    if (page < 0 || page >= GetPageCount()) return;
    auto* button = new QToolButton(pages_[page].widget);
    button->setText(QString::fromStdString(text));
    button->setIcon(QPixmap::fromImage(IconAt(image).image));
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setToolButtonStyle(textLabels_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setToolTip(QString::fromStdString(text));
    FrameWnd* frame = frame_;
    QObject::connect(button, &QToolButton::clicked,
                     [frame, command] { frame->PostMessage(WM_COMMAND, MAKEWPARAM(command, 0)); });
    pages_[page].widget->layout()->addWidget(button);
    pages_[page].buttons.push_back({text, command, image});
}

void OutlookBar::SetTextLabels(bool labels) {
    textLabels_ = labels;
    for (const Page& page : pages_)
        for (QToolButton* button : page.widget->findChildren<QToolButton*>())
            button->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

std::string OutlookBar::GetPageName(int page) const {
    return page >= 0 && page < GetPageCount() ? pages_[page].name : std::string();
}

int OutlookBar::GetPageImage(int page) const { return page >= 0 && page < GetPageCount() ? pages_[page].image : -1; }

int OutlookBar::GetPagePaneId(int page) const { return page >= 0 && page < GetPageCount() ? pages_[page].paneId : 0; }

std::vector<OutlookBar::Button> OutlookBar::GetButtons(int page) const {
    return page >= 0 && page < GetPageCount() ? pages_[page].buttons : std::vector<Button>{};
}

Icon OutlookBar::GetButtonIcon(int page, int button) const {
    if (page < 0 || page >= GetPageCount() || button < 0 || button >= int(pages_[page].buttons.size())) return {};
    return IconAt(pages_[page].buttons[button].image);
}

int OutlookBar::GetActivePage() const { return pagesBox_ ? pagesBox_->currentIndex() : -1; }

void OutlookBar::SetActivePage(int page) {
    if (pagesBox_ && page >= 0 && page < GetPageCount()) pagesBox_->setCurrentIndex(page);
}

bool OutlookBar::ClickButton(int command) {
    const int page = GetActivePage();
    if (page < 0 || !frame_) return false;
    for (const Button& button : pages_[page].buttons)
        if (button.command == command) {
            frame_->SendMessage(WM_COMMAND, MAKEWPARAM(command, 0));
            return true;
        }
    return false;
}

}  // namespace ui
