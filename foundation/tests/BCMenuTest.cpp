// The owner-drawn menu: appending items and their shared images, loading a
// menu resource, mnemonics, measuring, and what each look draws for each
// item state (read from the pixels of an off-screen image).
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include "foundation/BCMenu.h"
#include "foundation/OffscreenDC.h"
#include "platform/ui/App.h"
#include "platform/ui/Resources.h"
#include "platform/ui/ToolBar.h"

using namespace ui;

namespace {

constexpr int kSaveBitmap = 3201, kOtherSaveBitmap = 3202, kToolBar = 3203, kMenu = 3204, kOpenEnded = 3205;
constexpr COLORREF kRed = RGB(200, 30, 30), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 230);
constexpr COLORREF kFace = GetSysColor(COLOR_BTNFACE), kShadow = GetSysColor(COLOR_BTNSHADOW),
                   kLight = GetSysColor(COLOR_BTNHIGHLIGHT), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kHighlight = RGB(0, 120, 215), kMenuFace = RGB(240, 240, 240);

// A square of one colour on the button face (the transparent colour).
QImage Square(int width, COLORREF color) {
    QImage image(width, 15, QImage::Format_RGB32);
    image.fill(ToQColor(kFace));
    QPainter painter(&image);
    for (int x = 0; x + 16 <= width; x += 16) painter.fillRect(x + 2, 2, 12, 11, ToQColor(color));
    return image;
}

const ResourceRegistration artwork([] {
    RegisterBitmap(kSaveBitmap, Square(16, kRed));
    RegisterBitmap(kOtherSaveBitmap, Square(16, kGreen));
    QImage strip = Square(32, kGreen);
    QPainter(&strip).fillRect(18, 2, 12, 11, ToQColor(kBlue));
    RegisterToolBar(kToolBar, ToolBarResource{{40010, ID_SEPARATOR, 40011}, strip, 16});
    RegisterMenu(kMenu, {
        {MF_POPUP, 0, "文件(&F)"},
        {MF_STRING, 40101, "打开(&O)\tCtrl+O"},
        {MF_STRING, 40102, "另存为(&A)...\tCtrl+Shift+S"},
        {MF_SEPARATOR, 0, ""},
        {MF_POPUP, 0, "最近(&R)"},
        {MF_STRING | MF_END, 40103, "清单(&L)"},
        {MF_STRING | MF_END, 40104, "退出(&X)"},
        {MF_POPUP | MF_END, 0, "帮助(&H)"},
        {MF_STRING | MF_END, 40105, "关于(&B)"},
    });
    // A template that ends before its levels do.
    RegisterMenu(kOpenEnded, {{MF_POPUP, 0, "编辑"}, {MF_STRING, 40111, "复制"}});
});

COLORREF At(const QImage& image, int x, int y) { return ToColorRef(image.pixel(x, y)); }

bool Contains(const QImage& image, const Rect& area, COLORREF color) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(image, x, y) == color) return true;
    return false;
}

// The darkest and the lightest pixel's grey value in an area.
int Darkest(const QImage& image, const Rect& area) {
    int darkest = 255;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

int Lightest(const QImage& image, const Rect& area) {
    int lightest = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) lightest = std::max(lightest, qGray(image.pixel(x, y)));
    return lightest;
}

// The rightmost column with a pixel darker than `grey` in an area, or -1.
int RightmostDark(const QImage& image, const Rect& area, int grey) {
    for (int x = area.right - 1; x >= area.left; --x)
        for (int y = area.top; y < area.bottom; ++y)
            if (qGray(image.pixel(x, y)) < grey) return x;
    return -1;
}

// Runs a block with another system version (1: the classic look).
struct SystemVersion {
    explicit SystemVersion(int code) : saved(BCMenu::s_windowsVersion) { BCMenu::s_windowsVersion = code; }
    ~SystemVersion() { BCMenu::s_windowsVersion = saved; }
    int saved;
};

// A menu whose records and check images a test can reach.
class TestMenu : public BCMenu {
public:
    TestMenu() { CreatePopupMenu(); }
    MenuItemRecord& Record(int i) { return *m_items[size_t(i)]; }
    void UseMonoDisabled() { m_monoDisabled = 1; }

    // Draws item `position` in a width x height image with the given states.
    QImage Draw(int position, UINT state, int width = 200, int height = 22) {
        MemoryDC dc(width, height);
        DRAWITEMSTRUCT draw;
        draw.itemID = GetMenuItemID(position);
        draw.itemState = state;
        draw.hMenu = m_hMenu;
        draw.dc = &dc;
        draw.rcItem = Rect{0, 0, width, height};
        draw.itemData = GetMenuItemData(UINT(position), MF_BYPOSITION);
        DrawItem(draw);
        return dc.Image();
    }
    MEASUREITEMSTRUCT Measure(int position) {
        MEASUREITEMSTRUCT measure;
        measure.itemData = GetMenuItemData(UINT(position), MF_BYPOSITION);
        MeasureItem(measure);
        return measure;
    }
};

TEST(BCMenuTest, SeparatorsAndItemsAreOwnerDrawnWithTheirRecords) {
    TestMenu menu;
    EXPECT_TRUE(menu.AppendMenu("", MF_BYPOSITION | MF_CHECKED | MF_STRING, 0));
    EXPECT_TRUE(menu.AppendMenu("复制(&C)", MF_STRING, 40001));
    EXPECT_EQ(menu.Record(0).flags, MF_SEPARATOR | MF_OWNERDRAW | MF_BYPOSITION);
    EXPECT_EQ(menu.GetMenuState(0, MF_BYPOSITION), MF_SEPARATOR | MF_OWNERDRAW);
    EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION), MF_OWNERDRAW);
    EXPECT_EQ(menu.GetMenuItemData(40001, MF_BYCOMMAND), DWORD_PTR(&menu.Record(1)));
    std::string text;
    EXPECT_TRUE(menu.GetItemText(40001, text, MF_BYCOMMAND));
    EXPECT_EQ(text, "复制(&C)");
    EXPECT_FALSE(menu.GetItemText(2, text, MF_BYPOSITION));
    EXPECT_FALSE(menu.GetItemText(40999, text, MF_BYCOMMAND));
}

TEST(BCMenuTest, SharedImagesAreKeptPerCommandInThreeVariants) {
    TestMenu menu;
    const int before = BCMenu::s_images ? BCMenu::s_images->GetImageCount() : 0;
    menu.AppendMenu("保存", 0, 40002, kSaveBitmap);
    const int index = menu.Record(0).sharedImageIndex;
    ASSERT_EQ(index, before);
    EXPECT_TRUE(BCMenu::HasImageTriple(index));  // plain, faded, shadow
    EXPECT_EQ(BCMenu::s_images->GetImageCount(), before + 3);
    EXPECT_EQ(ToColorRef(BCMenu::s_images->ExtractIcon(index).image.pixel(8, 7)), kRed);
    EXPECT_EQ(ToColorRef(BCMenu::s_images->ExtractIcon(index + 1).image.pixel(8, 7)), BCMenu::BlendTowardWhite(kRed, 0.3));
    EXPECT_EQ(ToColorRef(BCMenu::s_images->ExtractIcon(index + 2).image.pixel(8, 7)), kShadow);
    EXPECT_EQ(qAlpha(BCMenu::s_images->ExtractIcon(index).image.pixel(0, 0)), 0);  // the face is transparent

    // The same command elsewhere takes its image without naming one.
    TestMenu other;
    other.AppendMenu("保存", 0, 40002);
    EXPECT_EQ(other.Record(0).sharedImageIndex, index);
    // A new picture for the command replaces it in place.
    other.AppendMenu("保存", 0, 40002, kOtherSaveBitmap);
    EXPECT_EQ(other.Record(1).sharedImageIndex, index);
    EXPECT_EQ(BCMenu::s_images->GetImageCount(), before + 3);
    EXPECT_EQ(ToColorRef(BCMenu::s_images->ExtractIcon(index).image.pixel(8, 7)), kGreen);

    // From a tool bar: the command's own picture of the strip.
    other.AppendMenu("打印", 0, 40011, kToolBar);
    EXPECT_EQ(ToColorRef(BCMenu::s_images->ExtractIcon(other.Record(2).sharedImageIndex).image.pixel(8, 7)), kBlue);
    // A missing resource gives no image.
    other.AppendMenu("无图", 0, 40012, 9999);
    EXPECT_EQ(other.Record(3).sharedImageIndex, -1);

    // In the classic look a command's image takes one slot.
    SystemVersion classic(1);
    const int count = BCMenu::s_images->GetImageCount();
    other.AppendMenu("查找", 0, 40013, kSaveBitmap);
    EXPECT_EQ(BCMenu::s_images->GetImageCount(), count + 1);
    EXPECT_FALSE(BCMenu::HasImageTriple(other.Record(4).sharedImageIndex));
}

TEST(BCMenuTest, LoadedMenuHasAPlainTopLevelOwnerDrawnPopupsAndAlignedAccelerators) {
    BCMenu menu;
    EXPECT_FALSE(menu.LoadMenu(9999));
    ASSERT_TRUE(menu.LoadMenu(kMenu));
    EXPECT_TRUE(menu.IsLoaded());
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_EQ(menu.GetMenuState(0, MF_BYPOSITION) & 0xFF, MF_POPUP);
    EXPECT_EQ(menu.GetMenuString(1, MF_BYPOSITION), "帮助(&H)");  // a plain text item
    EXPECT_EQ(menu.GetRecord(0)->flags, MF_BYPOSITION | MF_POPUP);

    auto* file = dynamic_cast<BCMenu*>(Menu::FromHandlePermanent(menu.GetSubMenu(0)));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(BCMenu::IsOwnSubMenu(file));
    ASSERT_EQ(file->GetMenuItemCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(file->GetMenuState(UINT(i), MF_BYPOSITION) & MF_OWNERDRAW) << i;
    EXPECT_TRUE(file->GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);

    // The accelerators start at one column; texts without a tab are unchanged.
    const QFontMetrics metrics(MenuFont());
    auto before = [&](int i) {
        const QString text = QString::fromStdString(file->GetRecord(i)->GetText());
        return metrics.horizontalAdvance(text.left(text.indexOf('\t')));
    };
    const int widest = metrics.horizontalAdvance(QString("另存为(&A)... "));
    EXPECT_GE(before(0), widest);
    EXPECT_GE(before(1), widest);
    EXPECT_LT(before(0), widest + metrics.horizontalAdvance(' '));
    EXPECT_LT(before(1), widest + metrics.horizontalAdvance(' '));
    EXPECT_NE(file->GetRecord(0)->GetText().find("\tCtrl+O"), std::string::npos);
    EXPECT_EQ(file->GetRecord(4)->GetText(), "退出(&X)");

    // Commands are found through the nested pop-ups.
    int position = -1;
    BCMenu* recent = menu.FindMenuItemById(40103, position);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->GetSafeHmenu(), file->GetSubMenu(3));
    EXPECT_EQ(position, 0);
    std::string text;
    EXPECT_TRUE(menu.GetItemText(40105, text, MF_BYCOMMAND));
    EXPECT_EQ(text, "关于(&B)");
    EXPECT_EQ(menu.FindMenuItemById(40999, position), nullptr);
    EXPECT_EQ(position, -1);

    // Destroying the menu deletes the pop-ups it made.
    const HMENU fileHandle = file->GetSafeHmenu();
    menu.DestroyMenu();
    EXPECT_FALSE(IsMenu(fileHandle));
    EXPECT_FALSE(BCMenu::IsOwnSubMenu(fileHandle));
    EXPECT_EQ(Menu::FromHandlePermanent(fileHandle), nullptr);

    // A template cut short loads what it holds.
    BCMenu cut;
    ASSERT_TRUE(cut.LoadMenu(kOpenEnded));
    int at = -1;
    EXPECT_NE(cut.FindMenuItemById(40111, at), nullptr);
}

TEST(BCMenuTest, APopupOfALoadedMenuIsShownWithItsOwnDrawing) {
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kMenu));
    const HMENU file = menu.GetSubMenu(0);
    const QImage popup = RenderPopupMenu(file, 0);
    // Four items of 22 pixels and a separator of 11 inside a 2-pixel border.
    EXPECT_EQ(popup.height(), 4 * 22 + 11 + 4);
    EXPECT_EQ(At(popup, 2, 2 + 10), kHighlight);  // the selected item's frame
    EXPECT_EQ(At(popup, 2 + 10, 2 + 10), BCMenu::BlendTowardWhite(kHighlight, 0.7));
    EXPECT_EQ(At(popup, 2 + 10, 2 + 22 + 10), kFace);  // the image column of the next item
    EXPECT_EQ(At(popup, 2 + 30, 2 + 44 + 5), kShadow);  // the separator's etched line
}

TEST(BCMenuTest, AppendedPopupsStayTheirOwnersAfterTheMenuIsDestroyed) {
    auto parent = std::make_unique<TestMenu>();
    TestMenu child;
    child.AppendMenu("子项", 0, 40201);
    parent->AppendMenu("子菜单", MF_POPUP, UINT_PTR(child.GetSafeHmenu()));
    EXPECT_TRUE(BCMenu::IsOwnSubMenu(child.GetSafeHmenu()));
    parent.reset();                     // the system destroys the sub-menu's handle...
    EXPECT_EQ(child.GetSafeHmenu(), nullptr);
    EXPECT_EQ(child.GetRecordCount(), 1);  // ...but the object is the caller's and lives on
}

TEST(BCMenuTest, MnemonicsChooseByPositionIgnoringCaseAndRebuildStaleRecords) {
    TestMenu menu;
    menu.AppendMenu("复制(&C)", 0, 40301);
    menu.AppendMenu("", 0, 0);
    menu.AppendMenu("粘贴(&V)", 0, 40302);
    struct Case {
        UINT character, flags;
        LRESULT result;
    };
    const Case cases[] = {
        {'v', MF_POPUP, LRESULT(MAKEWPARAM(2, MNC_EXECUTE))},
        {'C', MF_POPUP, LRESULT(MAKEWPARAM(0, MNC_EXECUTE))},
        {'z', MF_POPUP, 0},
        {'v', 0, 0},  // not a pop-up
    };
    for (const Case& c : cases) EXPECT_EQ(BCMenu::HandleMenuChar(c.character, c.flags, &menu), c.result) << c.character;
    EXPECT_EQ(BCMenu::HandleMenuChar('v', MF_POPUP, nullptr), 0);

    // An item added past the records gets a record of its own first.
    menu.Menu::AppendMenu(MF_STRING | MF_CHECKED, 40303, "删除(&D)");
    EXPECT_EQ(BCMenu::HandleMenuChar('d', MF_POPUP, &menu), LRESULT(MAKEWPARAM(3, MNC_EXECUTE)));
    ASSERT_EQ(menu.GetRecordCount(), 4);
    EXPECT_EQ(menu.Record(3).GetText(), "删除(&D)");
    EXPECT_EQ(menu.GetMenuState(3, MF_BYPOSITION), MF_OWNERDRAW | MF_CHECKED);
    EXPECT_EQ(menu.GetMenuItemData(3, MF_BYPOSITION), DWORD_PTR(&menu.Record(3)));
    EXPECT_EQ(menu.GetMenuItemData(1, MF_BYPOSITION), DWORD_PTR(&menu.Record(1)));  // the separator kept its record
}

TEST(BCMenuTest, BlendTowardWhiteAndThemeNames) {
    struct Case {
        COLORREF color;
        double factor;
        COLORREF result;
    };
    const Case blends[] = {
        {RGB(0, 0, 0), 0.5, RGB(127, 127, 127)},  {RGB(0, 120, 215), 0.7, RGB(178, 214, 243)},
        {RGB(10, 20, 30), 1.0, RGB(255, 255, 255)}, {RGB(10, 20, 30), 0.0, RGB(10, 20, 30)},
        {RGB(10, 20, 30), 1.5, RGB(10, 20, 30)},  {RGB(10, 20, 30), -0.2, RGB(10, 20, 30)},
    };
    for (const Case& c : blends) EXPECT_EQ(BCMenu::BlendTowardWhite(c.color, c.factor), c.result) << c.factor;

    EXPECT_TRUE(BCMenu::IsClassicThemeFile("C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme"));
    EXPECT_TRUE(BCMenu::IsClassicThemeFile("WINDOWS CLASSIC.THEME"));
    EXPECT_FALSE(BCMenu::IsClassicThemeFile("Luna.theme"));
    EXPECT_FALSE(BCMenu::IsClassicThemeFile("Classic.theme"));
    EXPECT_FALSE(BCMenu::IsClassicThemeFile(""));
    // This platform shows the flat modern look.
    EXPECT_TRUE(BCMenu::UsesXPLook());
    EXPECT_TRUE(BCMenu::IsKnownShell());
}

TEST(BCMenuTest, MeasuresItemsForEachLook) {
    TestMenu menu;
    menu.AppendMenu("", 0, 0);
    menu.AppendMenu("打开文件", 0, 40401);
    const int text = QFontMetrics(MenuFont()).horizontalAdvance(QString("打开文件"));
    MEASUREITEMSTRUCT separator = menu.Measure(0), item = menu.Measure(1);
    EXPECT_EQ(separator.itemWidth, 0u);
    EXPECT_EQ(separator.itemHeight, 11u);  // (15 + 7) / 2 beats 20 / 2
    EXPECT_EQ(item.itemWidth, UINT(text + 31));
    EXPECT_EQ(item.itemHeight, 22u);

    SystemVersion classic(1);
    separator = menu.Measure(0);
    item = menu.Measure(1);
    EXPECT_EQ(separator.itemHeight, 10u);  // half the menu height beats (15 + 4) / 2
    EXPECT_EQ(item.itemWidth, UINT(QFontMetrics(QApplication::font()).horizontalAdvance(QString("打开文件")) + 33));
    EXPECT_EQ(item.itemHeight, 20u);
}

TEST(BCMenuTest, ModernLookDrawsTheColumnSelectionMarksAndText) {
    TestMenu menu;
    menu.AppendMenu("打开\tCtrl+O", 0, 40501);
    menu.AppendMenu("", 0, 0);
    const Rect text{31, 0, 200, 22};

    const QImage rest = menu.Draw(0, 0, 300);
    EXPECT_EQ(At(rest, 2, 10), kFace);     // the image column
    EXPECT_EQ(At(rest, 25, 10), kWhite);   // the item's background
    EXPECT_EQ(At(rest, 299, 1), kWhite);
    EXPECT_LT(Darkest(rest, text), 60);    // text in the menu text colour
    // The accelerator ends the icon width before the right edge.
    const int right = RightmostDark(rest, Rect{150, 0, 300, 22}, 160);
    EXPECT_GT(right, 300 - 16 - 6);
    EXPECT_LT(right, 300 - 16);

    const QImage selected = menu.Draw(0, ODS_SELECTED);
    EXPECT_EQ(At(selected, 0, 0), kHighlight);
    EXPECT_EQ(At(selected, 2, 10), BCMenu::BlendTowardWhite(kHighlight, 0.7));
    EXPECT_LT(Darkest(selected, text), 60);  // still the menu text colour

    // Grayed: never highlighted, text grey, drawn off-screen.
    const QImage grayed = menu.Draw(0, ODS_SELECTED | ODS_GRAYED);
    EXPECT_EQ(At(grayed, 0, 0), kFace);
    EXPECT_EQ(At(grayed, 100, 1), kWhite);
    EXPECT_GT(Darkest(grayed, text), 90);
    EXPECT_LT(Darkest(grayed, text), 200);

    const QImage separator = menu.Draw(1, 0, 200, 11);
    EXPECT_EQ(At(separator, 2, 5), kFace);
    EXPECT_EQ(At(separator, 29, 5), kWhite);
    EXPECT_EQ(At(separator, 30, 5), kShadow);  // etched from column + margin
    EXPECT_EQ(At(separator, 150, 6), kLight);
}

TEST(BCMenuTest, CheckedItemsShowATickOrARoundMark) {
    TestMenu menu;
    menu.AppendMenu("粗体", 0, 40601);
    menu.AppendMenu("居中", 0, 40602);
    QImage dot(13, 13, QImage::Format_RGB32);
    menu.SetMenuItemBitmaps(40602, MF_BYCOMMAND, Bitmap{}, Bitmap{dot});

    // Modern: a 16 x 16 box at (4, 3) in the column; the mark at (9, 7).
    const QImage tick = menu.Draw(0, ODS_CHECKED), round = menu.Draw(1, ODS_CHECKED);
    EXPECT_EQ(At(tick, 4, 3), kHighlight);
    EXPECT_EQ(At(tick, 5, 4), BCMenu::BlendTowardWhite(kHighlight, 0.85));
    EXPECT_EQ(At(tick, 15, 7), kBlack);  // the tick's last stroke rises to the top
    EXPECT_EQ(At(tick, 9, 9), kBlack);
    EXPECT_NE(At(tick, 9, 12), kBlack);  // strokes are three pixels
    EXPECT_EQ(At(round, 11, 9), kBlack);
    EXPECT_NE(At(round, 15, 7), kBlack);

    // Classic: the box at (1, 2), lightened when not selected; the tick at (5, 6).
    SystemVersion classic(1);
    const QImage classicTick = menu.Draw(0, ODS_CHECKED, 200, 20);
    EXPECT_EQ(At(classicTick, 2, 3), BCMenu::BlendTowardWhite(kMenuFace, 0.6));
    EXPECT_EQ(At(classicTick, 5, 8), kBlack);
    const QImage classicSelected = menu.Draw(0, ODS_CHECKED | ODS_SELECTED, 200, 20);
    EXPECT_EQ(At(classicSelected, 2, 3), kMenuFace);
    EXPECT_NE(At(classicSelected, 20, 10), kHighlight);  // the highlight leaves the mark's column
    EXPECT_EQ(At(classicSelected, 21, 10), kHighlight);
}

TEST(BCMenuTest, ImagesAreFadedAtRestLiftedWhenSelectedAndEmbossedWhenGrayed) {
    TestMenu menu;
    menu.AppendMenu("剪切", 0, 40701, kSaveBitmap);  // red
    // The image goes to (4, 4) in a 22-pixel item; its square covers 2..13 by 2..12.
    const QImage rest = menu.Draw(0, 0);
    EXPECT_EQ(At(rest, 4 + 8, 4 + 7), BCMenu::BlendTowardWhite(kRed, 0.3));

    const QImage selected = menu.Draw(0, ODS_SELECTED);
    EXPECT_EQ(At(selected, 3 + 2, 3 + 2), kRed);          // one pixel up and left
    EXPECT_EQ(At(selected, 5 + 13, 5 + 12), kShadow);     // its shadow one pixel right and down
    EXPECT_FALSE(Contains(selected, Rect{0, 0, 23, 22}, BCMenu::BlendTowardWhite(kRed, 0.3)));

    const QImage checked = menu.Draw(0, ODS_CHECKED);
    EXPECT_EQ(At(checked, 1, 1), kHighlight);  // framed in the box
    EXPECT_EQ(At(checked, 3 + 2, 3 + 2), kRed);

    const QImage grayed = menu.Draw(0, ODS_GRAYED);
    EXPECT_FALSE(Contains(grayed, Rect{0, 0, 23, 22}, kRed));
    EXPECT_EQ(At(grayed, 4 + 8, 4 + 7), kShadow);
    EXPECT_EQ(At(grayed, 4 + 14, 4 + 13), kLight);  // the highlight edge below and right

    SystemVersion classic(1);
    const QImage classicSelected = menu.Draw(0, ODS_SELECTED, 200, 20);
    EXPECT_EQ(At(classicSelected, 2 + 8, 2 + 7), kRed);  // the plain image at (2, f)
    EXPECT_EQ(At(classicSelected, 21, 10), kHighlight);
    // Grayed and selected: still on the highlight, the text in the menu colour.
    const QImage grayedSelected = menu.Draw(0, ODS_SELECTED | ODS_GRAYED, 200, 20);
    EXPECT_EQ(At(grayedSelected, 150, 10), kHighlight);
    EXPECT_GT(Lightest(grayedSelected, Rect{25, 0, 200, 20}), 200);
    EXPECT_GE(Darkest(grayedSelected, Rect{25, 0, 200, 20}), qGray(ToQColor(kHighlight).rgb()));
}

TEST(BCMenuTest, DisabledImagesEmbossedOrMonochrome) {
    // A dark pixel at (1, 1) and a light yellow one at (3, 3) on the button face.
    QImage source(5, 5, QImage::Format_RGB32);
    source.fill(ToQColor(kFace));
    source.setPixel(1, 1, qRgb(20, 20, 20));
    source.setPixel(3, 3, qRgb(255, 255, 0));
    const COLORREF back = RGB(0, 200, 0);
    struct Case {
        int x, y;
        COLORREF embossed, mono;
    };
    const Case cases[] = {
        {10, 10, back, back},
        {11, 11, kShadow, kShadow},  // the dark pixel
        {12, 12, kLight, kLight},    // its highlight edge
        {13, 13, kShadow, back},     // light pixels are no shape in black and white
    };
    MemoryDC embossed(20, 20), mono(20, 20);
    BCMenu::DrawEmbossed(embossed, 10, 10, 5, 5, source, 0, 0, back);
    BCMenu::DrawMonoDisabled(mono, 10, 10, 5, 5, source, 0, 0, back);
    const QImage e = embossed.Image(), m = mono.Image();
    for (const Case& c : cases) {
        EXPECT_EQ(At(e, c.x, c.y), c.embossed) << c.x;
        EXPECT_EQ(At(m, c.x, c.y), c.mono) << c.x;
    }
    EXPECT_EQ(At(m, 9, 9), kWhite);  // nothing outside the image box

    TestMenu menu;
    menu.UseMonoDisabled();
    menu.AppendMenu("新建", 0, 40702, kSaveBitmap);
    const QImage grayed = menu.Draw(0, ODS_GRAYED);
    EXPECT_EQ(At(grayed, 4 + 8, 4 + 7), kShadow);
}

TEST(BCMenuTest, OffscreenContextCopiesItsRectangleAtTheEndAndDrawsDirectlyWhenPrinting) {
    MemoryDC target(50, 50);
    {
        COffscreenDC offscreen(target, Rect{10, 10, 30, 30});
        EXPECT_TRUE(offscreen.InMemory());
        offscreen.FillSolidRect(Rect{10, 10, 20, 20}, kRed);  // the target's coordinates
        offscreen.FillSolidRect(Rect{0, 0, 50, 5}, kBlue);     // outside the rectangle: lost
        EXPECT_EQ(target.GetPixel(12, 12), kWhite);           // nothing shows until the end
    }
    const QImage copied = target.Image();
    EXPECT_EQ(At(copied, 12, 12), kRed);
    EXPECT_EQ(At(copied, 25, 25), kBlack);  // a fresh bitmap is black
    EXPECT_EQ(At(copied, 5, 5), kWhite);
    EXPECT_EQ(At(copied, 20, 2), kWhite);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    {
        QPainter painter(&writer);
        DC printer(painter);
        COffscreenDC offscreen(printer, Rect{10, 10, 30, 30});
        EXPECT_FALSE(offscreen.InMemory());
        EXPECT_EQ(&offscreen.Painter(), &painter);  // the page's own painter, no copy
        offscreen.FillSolidRect(Rect{0, 0, 5, 5}, kRed);
    }
    EXPECT_GT(pdf.size(), 0);
}

}  // namespace
