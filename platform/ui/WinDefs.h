// Windows names the business code uses with its windows: result codes,
// message-box flags, messages, notification codes, styles, colours.
#pragma once

#include <cstdint>

#include "platform/sys/WinTypes.h"

typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::uint32_t COLORREF;
typedef std::uintptr_t UINT_PTR;
typedef std::uintptr_t DWORD_PTR;
// A place in a list walk: 0 at the end (item index + 1 otherwise).
typedef std::intptr_t POSITION;

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// Dialog and message-box results.
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;
constexpr int IDC_STATIC = -1;

// Message-box buttons and icons.
constexpr UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4;
constexpr UINT MB_ICONERROR = 0x10, MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20,
               MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40,
               MB_ICONASTERISK = 0x40;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_SETFOREGROUND = 0x10000;  // the box is brought to the front (always so here)
constexpr UINT MB_TYPEMASK = 0xF, MB_ICONMASK = 0xF0;

// Messages.
constexpr UINT WM_COMMAND = 0x0111, WM_TIMER = 0x0113, WM_USER = 0x0400;
constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_SETSTYLE = 0x00F4, WM_GETDLGCODE = 0x0087;
// Answers to WM_GETDLGCODE of push buttons.
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020;

// Notification codes, keyed together with the control id.
constexpr int BN_CLICKED = 0, BN_DOUBLECLICKED = 5;
constexpr int EN_SETFOCUS = 0x100, EN_KILLFOCUS = 0x200, EN_CHANGE = 0x300;
constexpr int CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5;
constexpr int LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5;
constexpr int NM_CLICK = -2, NM_DBLCLK = -3, NM_RCLICK = -5, NM_KILLFOCUS = -8;
constexpr int LVN_ITEMCHANGED = -101;
constexpr int DTN_DATETIMECHANGE = -759;

// Window styles (32-bit, as in resource scripts).
constexpr DWORD WS_TABSTOP = 0x00010000, WS_GROUP = 0x00020000, WS_DISABLED = 0x08000000,
                WS_VISIBLE = 0x10000000, WS_CHILD = 0x40000000, WS_POPUP = 0x80000000,
                WS_BORDER = 0x00800000, WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000;
// Button types and styles.
constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2, BS_AUTOCHECKBOX = 0x3,
                BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_GROUPBOX = 0x7, BS_AUTORADIOBUTTON = 0x9,
                BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0x1F;
// Edit styles.
constexpr DWORD ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_MULTILINE = 0x4, ES_UPPERCASE = 0x8,
                ES_LOWERCASE = 0x10, ES_PASSWORD = 0x20, ES_AUTOVSCROLL = 0x40, ES_AUTOHSCROLL = 0x80,
                ES_READONLY = 0x800, ES_WANTRETURN = 0x1000, ES_NUMBER = 0x2000;
// Combo box styles.
constexpr DWORD CBS_SIMPLE = 0x1, CBS_DROPDOWN = 0x2, CBS_DROPDOWNLIST = 0x3, CBS_SORT = 0x100;
// List box styles.
constexpr DWORD LBS_NOTIFY = 0x1, LBS_SORT = 0x2, LBS_MULTIPLESEL = 0x8, LBS_EXTENDEDSEL = 0x800;
// Static styles.
constexpr DWORD SS_LEFT = 0x0, SS_CENTER = 0x1, SS_RIGHT = 0x2, SS_ICON = 0x3, SS_BLACKFRAME = 0x7,
                SS_BITMAP = 0xE, SS_ETCHEDFRAME = 0x12, SS_NOTIFY = 0x100, SS_CENTERIMAGE = 0x200;
// List control styles, extended styles, column formats, item states.
constexpr DWORD LVS_REPORT = 0x1, LVS_SINGLESEL = 0x4, LVS_SHOWSELALWAYS = 0x8;
constexpr DWORD LVS_EX_GRIDLINES = 0x1, LVS_EX_CHECKBOXES = 0x4, LVS_EX_FULLROWSELECT = 0x20;
constexpr int LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2;
constexpr UINT LVIS_FOCUSED = 0x1, LVIS_SELECTED = 0x2;
constexpr UINT LVNI_ALL = 0x0, LVNI_SELECTED = 0x2;

// ShowWindow.
constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMAXIMIZED = 3, SW_SHOW = 5;

// Background modes and text formats of the drawing context.
constexpr int TRANSPARENT = 1, OPAQUE = 2;
constexpr UINT DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
               DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_CALCRECT = 0x400;

// Control colour kinds passed to OnCtlColor.
constexpr UINT CTLCOLOR_EDIT = 1, CTLCOLOR_LISTBOX = 2, CTLCOLOR_BTN = 3, CTLCOLOR_DLG = 4,
               CTLCOLOR_STATIC = 6;

// File dialog flags.
constexpr DWORD OFN_READONLY = 0x1, OFN_OVERWRITEPROMPT = 0x2, OFN_HIDEREADONLY = 0x4,
                OFN_ALLOWMULTISELECT = 0x200, OFN_PATHMUSTEXIST = 0x800, OFN_FILEMUSTEXIST = 0x1000;

// System colours.
constexpr int COLOR_WINDOW = 5, COLOR_WINDOWTEXT = 8, COLOR_3DFACE = 15, COLOR_BTNFACE = 15,
              COLOR_BTNSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_3DDKSHADOW = 21,
              COLOR_3DLIGHT = 22, COLOR_BTNHIGHLIGHT = 20, COLOR_MENU = 4, COLOR_MENUTEXT = 7,
              COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14;

// The fixed system colours of this platform (the classic light scheme).
constexpr COLORREF GetSysColor(int index) {
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    case COLOR_BTNSHADOW: return RGB(160, 160, 160);
    case COLOR_GRAYTEXT: return RGB(109, 109, 109);
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(105, 105, 105);
    case COLOR_3DLIGHT: return RGB(227, 227, 227);
    case COLOR_MENU: return RGB(240, 240, 240);
    case COLOR_MENUTEXT: return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    default: return RGB(0, 0, 0);
    }
}

// Virtual keys.
constexpr UINT VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
               VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_DELETE = 0x2E;
// Mouse flags of mouse messages.
constexpr UINT MK_LBUTTON = 0x1, MK_RBUTTON = 0x2;

constexpr WPARAM MAKEWPARAM(int low, int high) { return WPARAM((unsigned(low) & 0xFFFF) | ((unsigned(high) & 0xFFFF) << 16)); }
constexpr int LOWORD(WPARAM w) { return int(w & 0xFFFF); }
constexpr int HIWORD(WPARAM w) { return int((w >> 16) & 0xFFFF); }
