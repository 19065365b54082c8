// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/win32/frmhaupt.h"

#include "window/win32/accessible.h"
#include "window/words.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr const wchar_t *className = L"MorvaneCalc.frmHaupt";
// A fixed size: nothing to maximize or to drag larger.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
constexpr UINT_PTR subclassId = 1;
constexpr int pointsPerInch = 72;
constexpr WORD iconResource = 1;

std::wstring utf16(std::string_view utf8)
{
    const auto size = static_cast<int>(utf8.size());
    std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isHighSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit < 0xDC00;
}

// Characters, as the key filter counts them, from UTF-16 code units.
std::u32string utf32(std::wstring_view text)
{
    std::u32string characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = isHighSurrogate(text[i]) && i + 1 < text.size();
        characters += pair ? 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00)
                           : char32_t(text[i]);
        i += pair ? 1 : 0;
    }
    return characters;
}

// The UTF-16 offset of a character offset.
WPARAM unitsBefore(std::wstring_view text, std::size_t characters)
{
    std::size_t units = 0;
    for (; characters > 0 && units < text.size(); --characters)
        units += isHighSurrogate(text[units]) && units + 1 < text.size() ? 2 : 1;
    return units;
}

// MS Sans Serif is a bitmap face that does not scale; Microsoft Sans Serif
// is its TrueType successor, with the same metrics.
HFONT createFont(const layout::Font &font, UINT dotsPerInch)
{
    LOGFONTW wanted{};
    wanted.lfHeight = -std::lround(font.points * dotsPerInch / pointsPerInch);
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::string_view family = font.family;
    const std::wstring face = utf16(family == "MS Sans Serif" ? "Microsoft Sans Serif" : family);
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&wanted);
}

DWORD styleOf(const layout::Control &row)
{
    constexpr DWORD visibleChild = WS_CHILD | WS_VISIBLE;
    const auto alignment = static_cast<std::size_t>(row.alignment);
    switch (row.kind) {
    case layout::Kind::Label:
        return visibleChild | SS_NOPREFIX | std::array<DWORD, 3>{SS_LEFT, SS_CENTER, SS_RIGHT}[alignment];
    case layout::Kind::TextBox:
        return visibleChild | WS_TABSTOP | ES_AUTOHSCROLL | (row.readOnly ? ES_READONLY : 0)
               | std::array<DWORD, 3>{ES_LEFT, ES_CENTER, ES_RIGHT}[alignment];
    case layout::Kind::Button: return visibleChild | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return visibleChild;
}

const wchar_t *classOf(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::Label: return WC_STATICW;
    case layout::Kind::TextBox: return WC_EDITW;
    case layout::Kind::Button: return WC_BUTTONW;
    }
    return WC_STATICW;
}

COLORREF colour(layout::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

frmHaupt::frmHaupt(HINSTANCE instance)
{
    OleInitialize(nullptr); // for the objects handed to screen readers
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance,
                                                        MAKEINTRESOURCEW(iconResource),
                                                        IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON),
                                                        0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass); // fails harmlessly for a second window of the process

    CreateWindowExW(windowExStyle,
                    className,
                    utf16(layout::caption).c_str(),
                    windowStyle,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    CW_USEDEFAULT,
                    nullptr,
                    nullptr,
                    instance,
                    this); // sets m_window
    buildControls(instance);
    layOut(GetDpiForWindow(m_window));
}

frmHaupt::~frmHaupt()
{
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    for (HFONT font : m_fonts)
        DeleteObject(font);
    for (HBRUSH brush : m_backgrounds)
        DeleteObject(brush); // none where a row has no background of its own: nothing to do
    OleUninitialize();
}

// The controls that take the focus get it in the order they are created,
// which is the order of the table's rows.
void frmHaupt::buildControls(HINSTANCE instance)
{
    HWND toolTips = CreateWindowExW(WS_EX_TOPMOST,
                                    TOOLTIPS_CLASSW,
                                    nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP,
                                    0,
                                    0,
                                    0,
                                    0,
                                    m_window,
                                    nullptr,
                                    instance,
                                    nullptr);
    for (std::size_t row = 0; row < layout::controls.size(); ++row) {
        const layout::Control &design = layout::controls.at(row);
        HWND control = CreateWindowExW(design.kind == layout::Kind::TextBox ? WS_EX_CLIENTEDGE : 0,
                                       classOf(design.kind),
                                       utf16(design.text).c_str(),
                                       styleOf(design),
                                       0,
                                       0,
                                       0,
                                       0,
                                       m_window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + row)),
                                       instance,
                                       nullptr);
        m_controls.at(row) = control;
        SetWindowSubclass(control, controlProc, subclassId, row);
        if (design.background)
            m_backgrounds.at(row) = CreateSolidBrush(colour(*design.background));
        if (design.toolTip) {
            std::wstring tip = utf16(design.toolTip);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = m_window;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = tip.data();
            SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

// Places, sizes and fonts at the DPI of the monitor the window is on.
void frmHaupt::layOut(UINT dotsPerInch)
{
    m_dotsPerInch = dotsPerInch;
    // Sized by the frame the window has, which the system may draw at
    // another DPI than the one asked for.
    const layout::Rect client = layout::clientRect(static_cast<int>(dotsPerInch));
    RECT outer{};
    RECT inner{};
    GetWindowRect(m_window, &outer);
    GetClientRect(m_window, &inner);
    SetWindowPos(m_window,
                 nullptr,
                 0,
                 0,
                 client.right + (outer.right - outer.left) - inner.right,
                 client.bottom + (outer.bottom - outer.top) - inner.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const std::array<HFONT, layout::controls.size()> before = m_fonts;
    for (std::size_t row = 0; row < layout::controls.size(); ++row) {
        const layout::Control &design = layout::controls.at(row);
        m_fonts.at(row) = createFont(design.font, dotsPerInch);
        SendMessageW(m_controls.at(row), WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.at(row)), FALSE);
        const layout::Rect place = layout::pixelRect(design, static_cast<int>(dotsPerInch));
        MoveWindow(m_controls.at(row), place.left, place.top, place.width(), place.height(), FALSE);
        if (design.kind == layout::Kind::Label)
            placeLabel(row);
    }
    for (HFONT font : before)
        DeleteObject(font); // once no control uses it
    InvalidateRect(m_window, nullptr, TRUE);
}

// A label keeps its right edge from the layout and grows leftwards when its
// text needs more room, so that "( 4619' " is never cut off.
void frmHaupt::placeLabel(std::size_t row)
{
    HWND label = m_controls.at(row);
    const layout::Rect design = layout::pixelRect(layout::controls.at(row), static_cast<int>(m_dotsPerInch));
    const std::wstring text = windowText(label);
    SIZE extent{};
    HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, m_fonts.at(row));
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const int width = std::max(design.width(), static_cast<int>(extent.cx));
    MoveWindow(label, design.right - width, design.top, width, design.height(), TRUE);
}

HWND frmHaupt::control(layout::Array array, int index) const
{
    return m_controls.at(layout::rowOf(array, index));
}

bool frmHaupt::preTranslate(MSG &message) const
{
    return IsDialogMessageW(m_window, &message) != FALSE;
}

LRESULT CALLBACK frmHaupt::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<frmHaupt *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<frmHaupt *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self ? self->onMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT frmHaupt::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            const auto clicked = reinterpret_cast<HWND>(lParam);
            if (clicked == control(layout::Array::cmdCalc))
                cmdCalc_Click();
            else if (clicked == control(layout::Array::cmdQuit))
                DestroyWindow(m_window); // the Quit command: at once, nothing asked
        }
        return 0; // Enter and Escape send IDOK and IDCANCEL, which nothing answers
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return brush ? brush : DefWindowProcW(m_window, message, wParam, lParam);
    }
    case WM_ACTIVATE:
        // The focus goes back where it was when the window was left; at
        // start-up, to the frequency box.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focusBeforeDeactivation = IsChild(m_window, GetFocus()) ? GetFocus() : nullptr;
        } else {
            SetFocus(m_focusBeforeDeactivation ? m_focusBeforeDeactivation : control(layout::Array::Text1, 0));
        }
        return 0;
    case WM_DPICHANGED: {
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(
            m_window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(LOWORD(wParam));
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

// The boxes keep their own colours, black on light green and yellow,
// whatever the desktop's scheme.
LRESULT frmHaupt::colours(HDC dc, HWND control) const
{
    const auto *row = std::find(m_controls.begin(), m_controls.end(), control);
    if (row == m_controls.end() || !m_backgrounds.at(static_cast<std::size_t>(row - m_controls.begin())))
        return 0;
    const auto index = static_cast<std::size_t>(row - m_controls.begin());
    SetTextColor(dc, colour(layout::boxText));
    SetBkColor(dc, colour(*layout::controls.at(index).background));
    return reinterpret_cast<LRESULT>(m_backgrounds.at(index));
}

LRESULT CALLBACK
frmHaupt::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR row)
{
    auto *self = reinterpret_cast<frmHaupt *>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, controlProc, subclassId);
    return self ? self->onControlMessage(control, row, message, wParam, lParam)
                : DefSubclassProc(control, message, wParam, lParam);
}

LRESULT frmHaupt::onControlMessage(HWND control, std::size_t row, UINT message, WPARAM wParam, LPARAM lParam)
{
    const layout::Control &design = layout::controls.at(row);
    if (message == WM_GETOBJECT) {
        const LRESULT object = accessible::answerGetObject(control, wParam, lParam);
        return object ? object : DefSubclassProc(control, message, wParam, lParam);
    }
    if (message == accessible::wordsMessage) {
        auto &words = *reinterpret_cast<std::wstring *>(lParam);
        const std::string &composed = m_words.at(row);
        const bool box = design.kind == layout::Kind::TextBox;
        if (wParam == accessible::silence)
            return layout::heardByComposedName(design) && composed.empty();
        if (wParam == accessible::name && !box && !composed.empty())
            words = utf16(composed); // a whole-feet label, by the row's length
        else if (wParam == accessible::name && design.accessibleName)
            words = utf16(design.accessibleName);
        else if (wParam == accessible::description && box)
            words =
                utf16(words::boxDescription(words::utf8(text(design.index)), design.unit, design.toolTip, composed));
        else if (wParam == accessible::description && design.toolTip)
            words = utf16(design.toolTip);
        else
            return FALSE;
        return TRUE;
    }
    if (design.kind == layout::Kind::TextBox)
        return onBoxMessage(design.index, control, message, wParam, lParam);
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT frmHaupt::onBoxMessage(int Index, HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR: {
        int KeyAscii = static_cast<int>(wParam);
        Text1_KeyPress(Index, KeyAscii);
        return KeyAscii == 0 ? 0 : DefSubclassProc(box, message, static_cast<WPARAM>(KeyAscii), lParam);
    }
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        Text1_GotFocus(Index);
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second press of a double click, when the focus went elsewhere in between
        // The press that brings the focus would put the caret where it
        // landed and undo the selection the focus made.
        if (GetFocus() != box) {
            SetFocus(box);
            return 0;
        }
        break;
    default: break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

std::u32string frmHaupt::text(int Index) const
{
    return utf32(windowText(control(layout::Array::Text1, Index)));
}

std::size_t frmHaupt::selectionStart(int Index) const
{
    DWORD start = 0;
    HWND box = control(layout::Array::Text1, Index);
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return utf32(std::wstring_view(windowText(box)).substr(0, start)).size();
}

void frmHaupt::select(int Index, std::size_t start, std::size_t length)
{
    HWND box = control(layout::Array::Text1, Index);
    const std::wstring all = windowText(box);
    SendMessageW(box, EM_SETSEL, unitsBefore(all, start), static_cast<LPARAM>(unitsBefore(all, start + length)));
}

void frmHaupt::setText(layout::Array array, int index, const std::string &text)
{
    const std::size_t row = layout::rowOf(array, index);
    SetWindowTextW(m_controls.at(row), utf16(text).c_str());
    if (layout::controls.at(row).kind == layout::Kind::Label)
        placeLabel(row);
}

// A box's words are the length composed for it, a whole-feet label's its
// name; both are given to screen readers through accessible::wordsMessage.
void frmHaupt::setWords(layout::Array array, int index, const std::string &words)
{
    m_words.at(layout::rowOf(array, index)) = words;
}

void frmHaupt::announce(const std::string &words)
{
    if (!words.empty()) // a notification goes by itself
        accessible::announce(m_window, utf16(words));
}

void frmHaupt::warn(const std::string &message)
{
    MessageBoxW(m_window, utf16(message).c_str(), utf16(layout::caption).c_str(), MB_OK | MB_ICONWARNING);
}

void frmHaupt::focusFrequencyBox()
{
    SetFocus(control(layout::Array::Text1, 0));
    Text1_GotFocus(0); // also when the focus was there already and no focus event came
}
