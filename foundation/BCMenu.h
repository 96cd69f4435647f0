// BCMenu: a menu whose items the program draws itself. Each item carries a
// record (text, image, flags, command id); images come from a process-wide
// shared image list keyed by command id (or an item's own list), are shown
// in a column at the left, and checked and radio items get their own marks.
// Two looks: the classic one and the flat modern one with a shaded image
// column, lifted highlighted images and faded resting images. A menu
// resource can be loaded into it: its top level stays plain text (a menu
// bar), the items of its pop-ups are owner-drawn.
#pragma once

#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/DC.h"
#include "platform/ui/Image.h"
#include "platform/ui/PopupMenu.h"

// A list of same-sized images with transparency, as the menu uses them.
class MenuImageList {
public:
    MenuImageList(int cx, int cy) : cx_(cx), cy_(cy) {}
    int Width() const { return cx_; }
    int Height() const { return cy_; }
    int GetImageCount() const { return int(images_.size()); }
    // Cuts a bitmap into images of the list's size, left to right; pixels of
    // the mask colour become transparent. The index of the first image, or -1.
    int Add(const QImage& bitmap, COLORREF mask);
    // An icon, fitted to the list's size; its index, or -1.
    int Add(const ui::Icon& icon);
    bool Replace(int index, const ui::Icon& icon);
    // A copy of an image as an icon; null when the index is out of range.
    ui::Icon ExtractIcon(int index) const;
    // Draws an image with its transparency at (x, y).
    void Draw(ui::DC& dc, int index, int x, int y) const;

private:
    int cx_, cy_;
    std::vector<QImage> images_;  // ARGB32, cx by cy
};

// One item of a BCMenu: what the drawing reads.
struct MenuItemRecord {
    void SetText(const std::string& text) { this->text = text; }
    const std::string& GetText() const { return text; }

    std::string text;  // with the tab and accelerator text where present
    int ownImageIndex = -1;
    int sharedImageIndex = -1;
    int ownImageState = -1;  // -1: no image of its own
    UINT flags = 0;          // MF_* the item was appended or modified with
    UINT_PTR id = 0;         // command id, pop-up handle, 0 for a separator
    int inUse = 0;           // RebuildItemData: matched to a position
    std::unique_ptr<MenuImageList> ownImages;
};

class BCMenu : public ui::Menu {
public:
    BCMenu();
    ~BCMenu() override;

    BOOL DestroyMenu() override;

    // Appends an owner-drawn item (a separator for id 0; a pop-up when flags
    // hold MF_POPUP and id is its handle). `image` is a bitmap or tool-bar
    // resource whose picture for the command becomes the command's shared
    // image; -1 uses the command's shared image when it has one.
    BOOL AppendMenu(const std::string& text, UINT flags = ui::MF_OWNERDRAW, UINT_PTR id = 0, int image = -1);
    // Modifies the item at a position with a new record (item data when the
    // flags hold MF_OWNERDRAW, else the text); the caller keeps the record.
    std::unique_ptr<MenuItemRecord> ModifyItemAt(int position, UINT flags, UINT_PTR id, const std::string& text);
    // Loads a registered menu resource; FALSE when it is missing or a menu
    // cannot be made.
    virtual BOOL LoadMenu(int resourceId);

    // The menu (this or a pop-up below) that holds the command, and its
    // position; null and -1 when absent.
    BCMenu* FindMenuItemById(UINT id, int& position);
    // By position (MF_BYPOSITION) or command id; FALSE when absent.
    BOOL GetItemText(UINT item, std::string& text, UINT flags = ui::MF_BYPOSITION);

    // The first record of the command not yet matched, now marked; or null.
    MenuItemRecord* TakeDataForId(UINT_PTR id);
    void SetDataInUse(int value);
    // Makes the records match the live menu again, position by position.
    void RebuildItemData();
    // For a loaded menu: menu position minus record index of the first item
    // whose text matches; 0 otherwise.
    int FindItemByText();
    // Keeps the top-level pop-ups of a loaded menu plain text items.
    void RestoreTopLevelPopups();
    // Pads the texts before their tab so that the accelerators line up.
    void PadAcceleratorColumn();

    // WM_MENUCHAR: MAKELONG(position, MNC_EXECUTE) for the item whose "&"
    // mnemonic is the character (ignoring case), else 0.
    static LRESULT HandleMenuChar(UINT character, UINT flags, ui::Menu* menu);
    static BOOL IsOwnSubMenu(const ui::Menu* menu);
    static BOOL IsOwnSubMenu(ui::HMENU menu);

    // ---- the shared image list ----
    static int SharedImageIndex(UINT_PTR id);
    // Whether index holds a plain image followed by its faded and shadow variants.
    static BOOL HasImageTriple(int index);
    int AddToSharedImages(const MenuImageList& list, int index, UINT_PTR id);
    BOOL AddResourceImage(MenuImageList& list, int resource);
    bool LoadToolbarImages(UINT_PTR id, int toolbar, int& index) const;
    // An image drawn on the button face at the menu's image size.
    QImage ImageToBitmap(const MenuImageList& list, int index) const;
    static void MakeFaded(QImage& bitmap);
    static void MakeShadow(QImage& bitmap);

    // ---- platform probes ----
    static int GetWindowsVersion();
    static BOOL IsWindowsClassicTheme();
    static bool IsClassicThemeFile(const std::string& theme);
    static BOOL IsXPThemed();
    static BOOL UsesXPLook();
    static BOOL IsKnownShell();
    static COLORREF BlendTowardWhite(COLORREF color, double factor);

    // ---- measuring and drawing ----
    void MeasureItem(ui::MEASUREITEMSTRUCT& measure) override;
    void DrawItem(ui::DRAWITEMSTRUCT& draw) override;
    void DrawItemClassic(ui::DRAWITEMSTRUCT& draw);
    void DrawItemXP(ui::DRAWITEMSTRUCT& draw);
    static void DrawRadioDot(ui::DC& dc, int left, int top, COLORREF color);
    static void DrawCheckMark(ui::DC& dc, int x, int y, COLORREF color);
    static void DrawClassicCheckBox(ui::DC& dc, const ui::Rect& rect, bool selected, bool radio);
    static void DrawXPCheckBox(ui::DC& dc, const ui::Rect& rect, bool radio, COLORREF highlight);
    static void DrawEmbossed(ui::DC& dc, int x, int y, int cx, int cy, const QImage& bitmap, int sx, int sy,
                             COLORREF background);
    static void DrawMonoDisabled(ui::DC& dc, int x, int y, int cx, int cy, const QImage& bitmap, int sx, int sy,
                                 COLORREF background);

    int GetRecordCount() const { return int(m_items.size()); }
    const MenuItemRecord* GetRecord(int index) const {
        return index >= 0 && index < int(m_items.size()) ? m_items[index].get() : nullptr;
    }
    bool IsLoaded() const { return m_loaded != 0; }

    // ---- process-wide state ----
    static std::unique_ptr<MenuImageList> s_images;
    static std::vector<UINT_PTR> s_imageIds;
    static std::vector<ui::HMENU> s_subMenus;
    static int s_windowsVersion;
    static constexpr int s_xpLookThemed = 1;
    static constexpr int s_xpLookOther = 0;
    static constexpr int s_selectDisabledClassic = 1;
    static constexpr int s_selectDisabledXP = 0;
    static constexpr int s_xp3DImages = 1;

protected:
    std::vector<std::unique_ptr<MenuItemRecord>> m_items;
    std::vector<ui::HMENU> m_subMenus;
    // The pop-up menus LoadMenu made; deleted with this menu. Pop-ups that
    // callers append stay theirs.
    std::vector<std::unique_ptr<BCMenu>> m_ownedSubMenus;
    int m_iconWidth = 16;
    int m_iconHeight = 15;
    COLORREF m_transparentColour = RGB(192, 192, 192);
    int m_useTransparentColour = 0;
    int m_monoDisabled = 0;
    std::shared_ptr<MenuImageList> m_checkImages;  // 0: normal, 1: selected
    int m_checkImageSelected = -1;
    int m_checkImageNormal = -1;
    int m_iconHandles = 0;  // images are icon resources rather than bitmaps
    int m_loaded = 0;

private:
    struct ItemImage;
    ItemImage ImageOf(const MenuItemRecord& record) const;
    bool IsCheckImageItem(UINT state, bool hasImage) const;
    bool IsRadioItem(const ui::DRAWITEMSTRUCT& draw) const;
    int ItemMargin() const;
    MenuItemRecord* Adopt(std::unique_ptr<MenuItemRecord> record);
};
