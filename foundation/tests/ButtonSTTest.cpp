// The owner-drawn button: its colours and setters, hover tracking, clicks as
// check box, URL and drop-down menu, and what it draws in each state (read
// from the pixels of an off-screen image).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QToolTip>

#include "foundation/ButtonST.h"
#include "platform/ui/App.h"
#include "platform/ui/DC.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;

namespace {

constexpr int kIcon = 3121, kCursor = 3124, kBitmapIn = 198, kBitmapOut = 195, kMenu = 3140;
constexpr COLORREF kTexture = RGB(242, 246, 255);
constexpr COLORREF kHighlight = GetSysColor(COLOR_BTNHIGHLIGHT), kShadow = GetSysColor(COLOR_BTNSHADOW);

// Our own artwork: a 16 x 16 red square icon, two bitmaps with a magenta frame.
const ResourceRegistration artwork([] {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor(200, 30, 30));
    RegisterIcon(kIcon, icon);
    RegisterCursor(kCursor, Qt::PointingHandCursor);
    for (auto [id, color] : {std::pair{kBitmapIn, QColor(0, 0, 255)}, std::pair{kBitmapOut, QColor(0, 160, 0)}}) {
        QImage bitmap(12, 12, QImage::Format_RGB32);
        bitmap.fill(QColor(255, 0, 255));
        QPainter(&bitmap).fillRect(2, 2, 8, 8, color);
        RegisterBitmap(id, bitmap);
    }
    RegisterMenu(kMenu, {{MF_POPUP | MF_END, 0, "操作"},
                         {MF_STRING, 32801, "导出(&E)"},
                         {MF_STRING | MF_END, 32802, "打印(&P)"}});
});

const DialogTemplate& Template() {
    static const DialogTemplate t{7008, "面板", {0, 0, 200, 100}, {
        {Kind::PushButton, 7020, "导入", {5, 5, 60, 20}},
        {Kind::CheckBox, 7021, "选中", {70, 5, 60, 20}},
        {Kind::PushButton, 7022, "", {5, 30, 60, 20}},
        {Kind::PushButton, 7023, "下一个", {70, 30, 60, 20}},
    }, WS_POPUP};
    return t;
}

class CPanel : public Dialog {
public:
    CPanel() : Dialog(Template()) {
        MapClicked(7020, [this] { ++clicks; });
        MapClicked(7021, [this] { ++clicks; });
        Create();
        ShowWindow(SW_SHOW);
        UpdateData(FALSE);
    }
    // The dialog's styling routine for icon buttons.
    void ButtonTexture(CButtonST& button, DWORD iconId, const std::string& tip) {
        button.SetIcon(int(iconId), 0);
        button.SetHandCursor(kCursor, TRUE);
        button.SetColor(0, 0xFFF6F2, TRUE);
        button.SetColor(2, 0xFFF6F2, TRUE);
        button.SetColor(4, 0xFFF6F2, TRUE);
        button.SetTooltipText(tip.c_str(), TRUE);
    }
    CButtonST import, check, iconOnly;
    int clicks = 0;
    std::vector<int> commands;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(7020, import);
        dx.Control(7021, check);
        dx.Control(7022, iconOnly);
    }
    LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
        if (message == WM_COMMAND && HIWORD(w) == BN_CLICKED && LOWORD(w) > 30000) {
            commands.push_back(LOWORD(w));
            return 0;
        }
        return Dialog::WindowProc(message, w, l);
    }
};

QImage Draw(CButtonST& button, CButtonST::DrawState state, int w = 80, int h = 30) {
    MemoryDC dc(w, h);
    state.rect = Rect{0, 0, w, h};
    button.DrawItem(dc, state);
    return dc.Image();
}

COLORREF At(const QImage& image, int x, int y) { return ToColorRef(image.pixel(x, y)); }

bool Contains(const QImage& image, COLORREF color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == color) return true;
    return false;
}

TEST(ButtonSTTest, ColourSettersCheckIndexAndShift) {
    CButtonST button;
    COLORREF c = 0;
    EXPECT_EQ(button.SetColor(6, RGB(1, 2, 3)), DWORD(CButtonST::BTNST_INVALIDINDEX));
    EXPECT_EQ(button.ShiftColor(0, 256, TRUE), DWORD(CButtonST::BTNST_BADPARAM));
    EXPECT_EQ(button.ShiftColor(6, 1, TRUE), DWORD(CButtonST::BTNST_INVALIDINDEX));
    button.GetColor(2, &c);
    EXPECT_EQ(c, GetSysColor(COLOR_BTNFACE));
    button.GetColor(3, &c);
    EXPECT_EQ(c, GetSysColor(COLOR_BTNTEXT));

    struct Case {
        COLORREF start;
        int shift;
        COLORREF result;
    };
    const Case cases[] = {
        {RGB(250, 100, 0), 30, RGB(255, 105, 5)},
        {RGB(250, 100, 0), -30, RGB(250, 100, 0)},
        {RGB(40, 100, 50), -30, RGB(10, 70, 20)},
        {RGB(0, 0, 0), 255, RGB(255, 255, 255)},
    };
    for (const Case& k : cases) {
        button.SetColor(0, k.start, FALSE);
        EXPECT_EQ(button.ShiftColor(0, k.shift, FALSE), DWORD(CButtonST::BTNST_OK));
        button.GetColor(0, &c);
        EXPECT_EQ(c, k.result) << k.shift;
    }
}

TEST(ButtonSTTest, DrawsEachStateWithItsColoursAndImage) {
    CPanel panel;
    panel.ButtonTexture(panel.import, kIcon, "导入");
    EXPECT_EQ(panel.import.GetTooltipText(), "导入");
    EXPECT_EQ(panel.import.GetWidget()->toolTip().toStdString(), "导入");
    EXPECT_EQ(panel.import.GetWidget()->cursor().shape(), Qt::PointingHandCursor);

    // At rest: the texture background, the icon 3 pixels from the left edge.
    const QImage rest = Draw(panel.import, {});
    EXPECT_EQ(At(rest, 1, 1), kTexture);
    EXPECT_EQ(At(rest, 3 + 8, 15), RGB(200, 30, 30));
    EXPECT_EQ(At(rest, 2, 15), kTexture);
    EXPECT_FALSE(Contains(rest, kShadow));  // flat: no border at rest

    // Focused at rest: the focus colour; flat buttons draw no focus rectangle.
    EXPECT_EQ(At(Draw(panel.import, {{}, false, true, false}), 1, 1), kTexture);

    // Pressed: the flat border with the shadow at top-left, the icon one pixel on.
    const QImage pressed = Draw(panel.import, {{}, true, false, false});
    EXPECT_EQ(At(pressed, 0, 0), kShadow);
    EXPECT_EQ(At(pressed, 79, 29), kHighlight);
    EXPECT_EQ(At(pressed, 4, 8), RGB(200, 30, 30));
    EXPECT_EQ(At(pressed, 3, 8), kTexture);

    // Disabled: the icon embossed in highlight and shadow, the caption too.
    const QImage disabled = Draw(panel.import, {{}, false, false, true});
    EXPECT_FALSE(Contains(disabled, RGB(200, 30, 30)));
    EXPECT_EQ(At(disabled, 3 + 8, 15), kShadow);
    EXPECT_EQ(At(disabled, 3 + 16, 15 + 8), kHighlight);  // the highlight copy, one pixel right and down
}

TEST(ButtonSTTest, HoverShowsTheInColoursAndBorderUntilThePointerLeaves) {
    CPanel panel;
    panel.import.SetColor(CButtonST::BTNST_COLOR_BK_IN, RGB(10, 20, 30));
    sim::MoveMouse(panel.import, Point{10, 10});
    EXPECT_TRUE(panel.import.IsHovered());
    const QImage hover = Draw(panel.import, {});
    EXPECT_EQ(At(hover, 5, 5), RGB(10, 20, 30));
    EXPECT_EQ(At(hover, 0, 0), kHighlight);  // flat border, raised
    EXPECT_EQ(At(hover, 79, 29), kShadow);

    sim::LeaveMouse(panel.import);
    EXPECT_FALSE(panel.import.IsHovered());
    panel.import.SetFlat(FALSE);
    sim::MoveMouse(panel.import, Point{10, 10});
    EXPECT_FALSE(panel.import.IsHovered());  // only flat buttons track
}

TEST(ButtonSTTest, OutImageAtRestInImageWhenHoveredAndAGreyCopy) {
    CPanel panel;
    panel.import.SetBitmaps(kBitmapIn, RGB(255, 0, 255), kBitmapOut, RGB(255, 0, 255));
    const QImage rest = Draw(panel.import, {});
    EXPECT_TRUE(Contains(rest, RGB(0, 160, 0)));
    EXPECT_FALSE(Contains(rest, RGB(255, 0, 255)));  // magenta shows the background
    sim::MoveMouse(panel.import, Point{10, 10});
    EXPECT_TRUE(Contains(Draw(panel.import, {}), RGB(0, 0, 255)));
    sim::LeaveMouse(panel.import);

    panel.iconOnly.SetIcon(kIcon, CButtonST::BTNST_AUTO_GRAY);
    const QImage grey = Draw(panel.iconOnly, {});
    const int v = int(0.299 * 200 + 0.587 * 30 + 0.114 * 30);
    EXPECT_EQ(At(grey, 40, 15), RGB(v, v, v));  // no caption: the icon is centred
    sim::MoveMouse(panel.iconOnly, Point{10, 10});
    EXPECT_EQ(At(Draw(panel.iconOnly, {}), 40, 15), RGB(200, 30, 30));
    EXPECT_EQ(CButtonST().SetBitmaps(999, 0), DWORD(CButtonST::BTNST_INVALIDRESOURCE));
    EXPECT_EQ(CButtonST().SetHandCursor(999), DWORD(CButtonST::BTNST_INVALIDRESOURCE));
}

TEST(ButtonSTTest, ClicksReachTheDialogAndActAsCheckBoxAndUrl) {
    CPanel panel;
    EXPECT_TRUE(panel.check.IsCheckBox());
    EXPECT_FALSE(panel.import.IsCheckBox());
    panel.Click(7021);
    EXPECT_EQ(panel.check.GetCheck(), 1);
    EXPECT_EQ(panel.IsDlgButtonChecked(7021), 1u);
    EXPECT_EQ(panel.clicks, 1);  // the dialog's own handler still runs
    panel.check.SetCheck(0);
    EXPECT_EQ(panel.clicks, 1);

    TestDriver driver;
    panel.import.SetURL("https://example.org/手册");
    panel.Click(7020);
    EXPECT_EQ(driver.ShellOpens(), (std::vector<std::string>{"https://example.org/手册"}));
    EXPECT_EQ(panel.clicks, 2);
    panel.import.SetURL(std::string(300, 'x').c_str());
    EXPECT_EQ(panel.import.GetURL().size(), 259u);

}

TEST(ButtonSTTest, DropDownMenuShowsItsFirstPopupBelowTheButtonAndPostsTheChoice) {
    CPanel panel;
    EXPECT_EQ(panel.iconOnly.SetMenu(9999, &panel), DWORD(CButtonST::BTNST_INVALIDRESOURCE));
    ASSERT_EQ(panel.iconOnly.SetMenu(kMenu, &panel), DWORD(CButtonST::BTNST_OK));
    const HMENU dropDown = panel.iconOnly.GetMenu().GetSubMenu(0);
    ASSERT_NE(dropDown, nullptr);

    PopupMenuDriver popups([](const std::string& m) { ADD_FAILURE() << m; });
    bool shownPressed = false;
    popups.OnPopup([&](const PopupRequest&) {
        shownPressed = panel.iconOnly.IsMenuShown();
        return 32801u;
    });
    popups.Dismiss();
    panel.Click(7022);
    EXPECT_TRUE(shownPressed);
    EXPECT_FALSE(panel.iconOnly.IsMenuShown());
    ASSERT_EQ(popups.Requests().size(), 1u);
    const PopupRequest& shown = popups.Requests()[0];
    EXPECT_EQ(shown.menu, dropDown);
    EXPECT_EQ(shown.flags, 0x182u);
    const Rect button = panel.iconOnly.GetWindowRect();
    EXPECT_EQ(shown.at, (Point{button.left, button.bottom}));
    EXPECT_EQ(panel.commands, std::vector<int>{});  // posted, not sent
    PumpMessages();
    EXPECT_EQ(panel.commands, (std::vector<int>{32801}));

    // Dismissed: no command; the dialog's own handler still sees the click.
    panel.Click(7022);
    PumpMessages();
    EXPECT_EQ(panel.commands, (std::vector<int>{32801}));

    // The menu's mnemonics answer through the button.
    const LRESULT answer = panel.iconOnly.SendMessage(WM_MENUCHAR, MAKEWPARAM('P', MF_POPUP), LPARAM(dropDown));
    EXPECT_EQ(answer, LRESULT(MAKEWPARAM(1, MNC_EXECUTE)));
    EXPECT_EQ(panel.iconOnly.SendMessage(WM_MENUCHAR, MAKEWPARAM('z', MF_POPUP), LPARAM(dropDown)), 0);

    // Emptied: a click shows nothing.
    panel.iconOnly.SetMenu(0, &panel);
    panel.Click(7022);
    EXPECT_EQ(popups.Requests().size(), 2u);
}

TEST(ButtonSTTest, PaintsThroughItsWindowAndADisabledButtonPassesTheFocusOn) {
    CPanel panel;
    panel.ButtonTexture(panel.import, kIcon, "导入");
    const QImage shot = panel.import.GetWidget()->grab().toImage();
    EXPECT_EQ(At(shot, 1, 1), kTexture);

    panel.import.SetFocus();
    ASSERT_EQ(Wnd::GetFocus(), &panel.import);
    panel.import.EnableWindow(FALSE);
    EXPECT_NE(Wnd::GetFocus(), &panel.import);
    EXPECT_NE(Wnd::GetFocus(), nullptr);
}

}  // namespace

namespace {

// Two owner-drawn push buttons, the second the template's default, and an edit.
class CDlgTwoButtons : public Dialog {
public:
    CDlgTwoButtons()
        : Dialog({700, "默认按钮", {0, 0, 160, 60}, {
                      {Kind::Edit, 701, "", {8, 8, 60, 12}, WS_TABSTOP},
                      {Kind::PushButton, 702, "甲", {8, 30, 50, 14}, WS_TABSTOP},
                      {Kind::DefPushButton, 703, "乙", {70, 30, 50, 14}, WS_TABSTOP},
                  }}) {}
    CButtonST first, second;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(702, first);
        dx.Control(703, second);
    }
};

}  // namespace

TEST(ButtonSTDefault, TheDefaultLookFollowsTheFocusAndTheDialogsDefault) {
    CDlgTwoButtons dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.ShowWindow(SW_SHOW);
    dlg.UpdateData(FALSE);
    EXPECT_FALSE(dlg.first.IsDefaultButton());
    EXPECT_TRUE(dlg.second.IsDefaultButton());

    dlg.first.SetFocus();
    PumpMessages();
    EXPECT_TRUE(dlg.first.IsDefaultButton());  // a focused push button looks default
    EXPECT_FALSE(dlg.second.IsDefaultButton());
    dlg.GetDlgItem(701)->SetFocus();
    PumpMessages();
    EXPECT_FALSE(dlg.first.IsDefaultButton());  // back to the dialog's default
    EXPECT_TRUE(dlg.second.IsDefaultButton());

    dlg.SetDefID(702);
    EXPECT_TRUE(dlg.first.IsDefaultButton());
    EXPECT_FALSE(dlg.second.IsDefaultButton());
    EXPECT_EQ(dlg.first.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));  // still drawn by the button
}

TEST(ButtonSTTest, TracksTheDialogsDefaultButtonAndDrawsItFramedWhenNotFlat) {
    CPanel panel;
    EXPECT_FALSE(panel.import.IsDefaultButton());
    EXPECT_EQ(panel.import.SendMessage(WM_GETDLGCODE), DLGC_UNDEFPUSHBUTTON);

    panel.SetDefID(7020);
    EXPECT_TRUE(panel.import.IsDefaultButton());
    EXPECT_EQ(panel.import.SendMessage(WM_GETDLGCODE), DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(panel.import.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);  // still drawn by itself
    panel.import.SetFlat(FALSE);
    EXPECT_EQ(At(Draw(panel.import, {}), 0, 0), RGB(0, 0, 0));

    panel.SetDefID(7022);  // the default moves on
    EXPECT_FALSE(panel.import.IsDefaultButton());
    EXPECT_TRUE(panel.iconOnly.IsDefaultButton());
    EXPECT_NE(At(Draw(panel.import, {}), 0, 0), RGB(0, 0, 0));

    panel.SetDefID(0);  // no default button at all
    EXPECT_FALSE(panel.iconOnly.IsDefaultButton());
    EXPECT_EQ(panel.iconOnly.SendMessage(WM_GETDLGCODE), DLGC_UNDEFPUSHBUTTON);
}

TEST(ButtonSTTest, LongToolTipsWrapAt400Pixels) {
    CPanel panel;
    const QFontMetrics metrics(QToolTip::font());
    struct Case {
        QString text, joiner;  // what the lines join with to give the text back
    } cases[] = {
        {QString("导入申请书文档并检查").repeated(8), ""},
        {QString("import the application document ").repeated(6).trimmed(), " "},
    };
    for (const Case& c : cases) {
        panel.import.SetTooltipText(c.text.toStdString().c_str());
        const QStringList lines = panel.import.GetWidget()->toolTip().split('\n');
        EXPECT_GT(lines.size(), 1) << c.text.toStdString();
        for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), CButtonST::kTooltipWidth);
        EXPECT_EQ(lines.join(c.joiner), c.text);
    }
    EXPECT_EQ(panel.import.GetTooltipText(), cases[1].text.toStdString());  // the text itself is kept whole
}
