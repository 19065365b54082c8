// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "tests/window/rows.h"
#include "window/win32/frmhaupt.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <iomanip>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using enum layout::Array;
constexpr int firstId = frmHaupt::firstControlId;

// A control of the window, also in another process, by its name in the code.
std::string nameOf(HWND control)
{
    const auto row = static_cast<std::size_t>(GetDlgCtrlID(control) - firstId);
    return row < layout::controls.size() ? layout::objectName(layout::controls.at(row)) : "(none)";
}

std::string utf8(std::wstring_view text)
{
    std::string bytes(text.size() * 3, '\0');
    const auto n = static_cast<int>(text.size());
    return bytes.substr(0, WideCharToMultiByte(CP_UTF8, 0, text.data(), n, bytes.data(), n * 3, nullptr, nullptr));
}

// Asked of the control itself, also in another process.
std::wstring windowText(HWND window)
{
    std::wstring text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

// A box's text with what is selected of it in brackets.
std::string marked(HWND box)
{
    std::wstring all = windowText(box);
    const auto range = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0)); // the boxes hold less than 65536
    return utf8(LOWORD(range) == HIWORD(range) ? all : all.insert(HIWORD(range), L"]").insert(LOWORD(range), L"["));
}

// What a screen reader gets from a control's own object (oleacc), as
// "name: description (role, its states)", the role as oleacc's number (41
// static text, 42 text, 43 push button); "(no object)" also where the
// system's object of the control as a window is missing.
std::string heard(HWND control)
{
    constexpr IID accessibleId{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible *object = nullptr;
    for (const LONG id : {OBJID_WINDOW, OBJID_CLIENT}) { // the system's of the control as a window, and its own
        if (object)
            object->Release();
        if (FAILED(AccessibleObjectFromWindow(control, id, accessibleId, reinterpret_cast<void **>(&object))))
            return "(no object)";
    }
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4; // CHILDID_SELF
    std::array<BSTR, 2> words{};
    object->get_accName(self, &words[0]);
    object->get_accDescription(self, &words[1]);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->Release();
    const std::string said = utf8(words[0] ? words[0] : L"(none)") + ": " + utf8(words[1] ? words[1] : L"") + " ("
                             + (role.vt == VT_I4 ? std::to_string(role.lVal) : "no role")
                             + (state.lVal & STATE_SYSTEM_READONLY ? ", read-only" : "")
                             + (state.lVal & STATE_SYSTEM_INVISIBLE ? ", passed over)" : ")");
    SysFreeString(words[0]);
    SysFreeString(words[1]);
    return said;
}

void setClipboard(HWND owner, std::wstring_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto *copy = static_cast<wchar_t *>(GlobalLock(memory));
    copy[text.copy(copy, text.size())] = L'\0';
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Every message box is answered with OK as it comes up, and said here as
// "caption: text": no test hangs on one, and one no test expected fails.
std::vector<std::string> warnings;
LRESULT CALLBACK answerBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (const auto box = reinterpret_cast<HWND>(wParam); code == HCBT_ACTIVATE && GetDlgItem(box, 0xFFFF)) { // its text
        warnings.push_back(utf8(windowText(box)) + ": " + utf8(windowText(GetDlgItem(box, 0xFFFF))));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Win32Window : public testing::Test {
protected:
    void SetUp() override
    {
        m_hook = SetWindowsHookExW(WH_CBT, answerBoxes, nullptr, GetCurrentThreadId());
        m_window = std::make_unique<frmHaupt>(GetModuleHandleW(nullptr));
        ShowWindow(m_window->handle(), SW_SHOW);
        pump();
    }
    void TearDown() override
    {
        m_window.reset();
        pump();
        UnhookWindowsHookEx(m_hook);
        EXPECT_EQ(std::exchange(warnings, {}), std::vector<std::string>{});
    }

    [[nodiscard]] HWND control(layout::Array array, int index = 0) const { return m_window->control(array, index); }
    [[nodiscard]] std::string text(layout::Array a, int i = 0) const { return utf8(windowText(control(a, i))); }

    // Hands queued messages to the window. Keys go through the program's own
    // loop in the tests of MorvaneCalc.exe.
    void pump()
    {
        for (MSG message{}; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
    void calculateAt(const std::optional<std::string> &frequency = {})
    {
        if (frequency)
            SetWindowTextA(control(Text1), frequency->c_str()); // ASCII, which Windows widens
        SendMessageW(control(cmdCalc), BM_CLICK, 0, 0);
        pump();
    }
    // A control's place in the client area, and how wide and high its text is in its font.
    [[nodiscard]] std::pair<RECT, SIZE> placeAndExtent(HWND control) const
    {
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, m_window->handle(), reinterpret_cast<POINT *>(&place), 2);
        const std::wstring shown = windowText(control);
        SIZE extent{};
        HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
        ReleaseDC(control, dc);
        return {place, extent};
    }
    // Each control as "left,top,right,bottom" in the client area, in the order
    // of the layout table; the client area's size; three controls' fonts.
    [[nodiscard]] std::string places() const
    {
        std::string all;
        for (const layout::Control &row : layout::controls) {
            const RECT r = placeAndExtent(control(row.array, row.index)).first;
            all += std::to_string(r.left) + ',' + std::to_string(r.top) + ',' + std::to_string(r.right) + ','
                   + std::to_string(r.bottom) + ' ';
        }
        RECT client{};
        GetClientRect(m_window->handle(), &client);
        all += std::to_string(client.right) + 'x' + std::to_string(client.bottom) + ' ';
        for (HWND c : {control(Label1), control(Text1), control(Label3)}) { // and the fonts of three
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), sizeof font, &font);
            all += utf8(font.lfFaceName) + ' ' + std::to_string(font.lfHeight)
                   + (font.lfWeight >= FW_BOLD ? " bold|" : "|");
        }
        return all;
    }

    std::unique_ptr<frmHaupt> m_window;
    HHOOK m_hook = nullptr;
};

// Texts, cursor, colours and tooltips as the window comes up; then, at
// 21,250 Mc, what a screen reader gets.
TEST_F(Win32Window, StartsAsDesignedAndIsHeard)
{
    std::string texts = utf8(windowText(m_window->handle()));
    for (const layout::Control &row : layout::controls)
        texts += '|' + text(row.array, row.index); // in the order of the layout table
    EXPECT_EQ(texts,
              "MorvaneCalc by QQ7NV|Frequency|Length|Lcoax|21,250|Lstub|Mc|m|m|m| | | "
              "|Calculate|Quit|www.qq7nv.example|( 00'|( 00'|( 00'|00,0'' )|00,0'' )|00,0'' )");
    // An arrow over the window between its controls.
    EXPECT_EQ(GetClassLongPtrW(m_window->handle(), GCLP_HCURSOR),
              reinterpret_cast<ULONG_PTR>(LoadCursorW(nullptr, IDC_ARROW)));

    // The colours each box asks its window for as it paints: its fill, behind
    // its text, and its text, as 0xBBGGRR. The read-only ones ask as Static controls do.
    HDC dc = CreateCompatibleDC(nullptr);
    std::string colours;
    for (int box = 0; box < 4; ++box) {
        const auto painted = reinterpret_cast<LPARAM>(control(Text1, box));
        const LRESULT brush = SendMessageW(
            m_window->handle(), box ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), painted);
        LOGBRUSH fill{};
        GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof fill, &fill);
        for (const COLORREF c : {fill.lbColor, GetBkColor(dc), GetTextColor(dc)})
            colours += (std::ostringstream() << std::hex << std::setfill('0') << std::setw(6) << c << ' ').str();
    }
    DeleteDC(dc);
    EXPECT_EQ(colours, "c0ffc0 c0ffc0 000000 80ffff 80ffff 000000 80ffff 80ffff 000000 80ffff 80ffff 000000 ");

    HWND toolTips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); // the only one in its own wine prefix
    std::array<wchar_t, 80> tip{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = tip.data();
    std::string tips;
    for (int i = 0; SendMessageW(toolTips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)); ++i)
        tips += nameOf(reinterpret_cast<HWND>(tool.uId)) + ' ' + utf8(tip.data()) + '|';
    EXPECT_EQ(tips,
              "Text1(0) Type center of frequency here|Text1(1) Length over all|Text1(2) Length of coaxial cable|"
              "Text1(3) Length of stub for tuning this antenna|cmdQuit Quit this program|");
    // Each box by the name it has on every system, a result box's length and
    // a row's feet and inches in words, and each control's role; the feet and
    // inches labels heard as one, by the whole-feet label's name once it has
    // one; the sunken edge the boxes have.
    std::string said = heard(control(Label4)) + '|';
    calculateAt("21,250");
    // clang-format off
    for (HWND c : {control(Text1), control(Text1, 1), control(Text1, 2), control(Text1, 3), control(Label2),
                   control(Label4), control(Label2, 7), control(Label1), control(cmdQuit)})
        // clang-format on
        said += heard(c) + (GetWindowLongW(c, GWL_EXSTYLE) & WS_EX_CLIENTEDGE ? " sunken|" : "|");
    EXPECT_EQ(said,
              "( 00':  (41, passed over)|Frequency: 21 point 2 5 0 megacycles, Type center of frequency here (42) "
              "sunken|Length over all: 6 point 6 3 metres, 21 feet 8 point 9 inches (42, read-only) sunken|Length of "
              "coaxial cable: 4 point 6 8 metres, 15 feet 4 point 2 inches (42, read-only) sunken|Length of stub: 0 "
              "point 9 7 metres, 3 feet 2 point 4 inches (42, read-only) sunken|megacycles:  (41)|21 feet 8 point 9 "
              "inches:  (41)|8,9'' ):  (41, passed over)|Frequency:  (41)|Quit: Quit this program (43)|");
}

// Twips to pixels at 96 dots an inch (15 a pixel) and at 144 (10 a pixel),
// the fonts with them, and back: each control's place, the whole-feet
// labels grown for the longest feet, the client area's size, and the fonts
// of a label, a box and the address.
TEST_F(Win32Window, LaysOutAtEachDpi)
{
    const std::string at96 =
        "13,19,66,32 13,43,66,56 13,67,66,80 73,16,127,35 13,91,66,104 136,19,163,32 136,43,163,56 136,67,163,80 "
        "136,91,163,104 73,40,127,59 73,64,127,83 73,88,127,107 56,120,123,145 128,120,195,145 0,160,249,177 "
        "159,43,195,60 159,67,195,84 159,91,195,108 200,43,233,56 200,67,233,80 200,91,233,104 249x183 Microsoft Sans "
        "Serif -11|Microsoft Sans Serif -11 bold|Verdana -12|";
    const std::string at144 =
        "20,29,99,48 20,65,99,84 20,101,99,120 110,24,190,53 20,137,99,156 204,29,245,48 204,65,245,84 204,101,245,120 "
        "204,137,245,156 110,60,190,89 110,96,190,125 110,132,190,161 84,180,184,218 192,180,292,218 0,240,374,266 "
        "237,65,292,90 237,101,292,126 237,137,292,162 300,65,350,84 300,101,350,120 300,137,350,156 374x275 Microsoft "
        "Sans Serif -17|Microsoft Sans Serif -17 bold|Verdana -18|";
    calculateAt("0,0462"); // the longest feet, their labels grown
    EXPECT_EQ(places(), at96);
    for (const WORD dpi : {144, 96}) {
        RECT suggested{10, 10, 400, 300};
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control(Label1), WM_GETFONT, 0, 0));
        SendMessageW(m_window->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(GetObjectType(font), 0U); // deleted once no control used it
        RECT outer{};
        GetWindowRect(m_window->handle(), &outer);
        EXPECT_EQ(outer.left * 1000 + outer.top, 10010); // where the system suggested
        EXPECT_EQ(places(), dpi == 144 ? at144 : at96);
    }
}

// The rows every window shows alike, and what a screen reader hears of
// each length; after a warning the frequency is selected for retyping. A
// paste from the box's menu, judged by Calculate.
TEST_F(Win32Window, CalculatesEachRowAsEveryWindowDoes)
{
    for (const CalculateRow &row : calculateRows) {
        SCOPED_TRACE(row.name);
        for (const std::string &frequency : row.frequencies)
            calculateAt(frequency);
        // Each whole-feet label's text whole inside it, its right edge where the layout puts it.
        std::string shown;
        for (int r = 0; r < 3; ++r) {
            const std::string said = heard(control(Label4, r));
            shown += std::string(r ? "|" : "") + text(Text1, r + 1) + '|' + text(Label4, r) + '|' + text(Label2, r + 7)
                     + '|' + (text(Label4, r) == "( 00'" ? "" : said.substr(0, said.find(':')));
            const auto [place, extent] = placeAndExtent(control(Label4, r));
            EXPECT_EQ(place.right, layout::pixelRect(layout::controls.at(layout::rowOf(Label4, r)), 96).right);
            EXPECT_LE(extent.cx, place.right - place.left) << text(Label4, r);
        }
        EXPECT_EQ(shown, row.results);
        // The warning, and after it the focus back in the frequency box with all of it selected.
        const std::string f = row.frequencies.back(), selected = f.empty() ? f : '[' + f + ']';
        EXPECT_EQ(warnings.empty() ? "" : warnings.at(0) + "|" + nameOf(GetFocus()) + ' ' + marked(GetFocus()),
                  row.warning ? std::string("MorvaneCalc by QQ7NV: ") + row.warning + "|Text1(0) " + selected : "");
        EXPECT_LE(std::exchange(warnings, {}).size(), 1U);
    }
    // A paste from the box's menu reaches it unfiltered, where the caret was,
    // and Calculate says what is wrong with it, whatever its length.
    SetWindowTextW(control(Text1), L"21,250");
    // Before the frequency, or over all of it.
    for (const std::wstring &pasted : {std::wstring(L"\U0001F4E199 -x"), std::wstring(100000, L'9')}) {
        const bool over = pasted.size() > 10;
        setClipboard(m_window->handle(), pasted);
        SetFocus(control(Text1));
        SendMessageW(control(Text1), EM_SETSEL, 0, over ? -1 : 0);
        PostMessageW(control(Text1), WM_CHAR, 'p', 0); // "&Paste", once the menu is up
        SendMessageW(control(Text1), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control(Text1)), MAKELPARAM(-1, -1));
        pump();
        EXPECT_EQ(marked(control(Text1)), text(Text1)); // nothing selected
        calculateAt(); // which reads the box's text as it is: a warning says what is wrong with it
        EXPECT_NE(std::exchange(warnings, {}).at(0).find(over ? "too large" : "not a number"), std::string::npos);
        EXPECT_EQ(marked(control(Text1)), '[' + text(Text1) + ']'); // all of it, a character beyond 16 bits included
    }
}

// MorvaneCalc.exe started as a user starts it, in a process of its own, and
// driven through the system's input, so that every key and click goes
// through the program's own message loop and the dialog manager. The
// commands given after the program run while it runs, and each must refuse
// with exit code 2 and change nothing, as the installer and the uninstaller
// do: run silently (/S) without a word, else saying why in a message box.
std::vector<std::wstring> arguments; // MorvaneCalc.exe, then the commands it refuses

PROCESS_INFORMATION start(std::wstring command)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

// Its exit code once it ends, within a minute (259 if it runs on, and it is
// ended), and the start of what a message box it showed said, the box answered.
std::string ending(const PROCESS_INFORMATION &process)
{
    std::array<wchar_t, 200> said{};
    for (int wait = 0; wait < 3000 && WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT; ++wait)
        if (HWND box = FindWindowW(L"#32770", nullptr);
            box && !said[0] && GetDlgItemTextW(box, 0xFFFF, said.data(), 200))
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 255;
    GetExitCodeProcess(process.hProcess, &exitCode);
    TerminateProcess(process.hProcess, exitCode);
    for (HANDLE handle : {process.hThread, process.hProcess})
        CloseHandle(handle);
    return std::to_string(exitCode) + ' ' + utf8(said.data()).substr(0, 38); // the words its two boxes share
}

// Keys as virtual-key codes, each with the modifiers held around it.
constexpr wchar_t shift = 0x100;
constexpr wchar_t ctrl = 0x200;
constexpr wchar_t alt = 0x400;

// The keys that type these characters on the keyboard the system has.
std::wstring typed(std::wstring_view characters)
{
    std::wstring keys;
    for (const wchar_t c : characters)
        keys += static_cast<wchar_t>(VkKeyScanW(c) & (0xFF | shift)); // its shift state in the next byte
    return keys;
}

// What the user does: a press on the middle of a control, the mouse moved
// by dx pixels while it is held, and the release; then keys pressed and
// released in turn. The last moves the focus to the control a step names.
struct Step {
    std::wstring keys;
    layout::Array focused; // and its index: where the focus comes to
    int index = 0;
    layout::Array clicked = Text1;
    int clickedIndex = -1; // -1: no click
    int dx = 0;
};

// A key pressed or released, or the mouse at a point of the screen, which
// runs from 0 to 65536 across for it.
INPUT input(DWORD type, WORD key, DWORD flags, LONG x = 0, LONG y = 0)
{
    INPUT event{};
    event.type = type;
    event.ki.wVk = key;
    event.ki.dwFlags = flags;
    if (type == INPUT_MOUSE) {
        event.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
        event.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
        event.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    return event;
}

class MorvaneCalcExe : public testing::Test {
protected:
    void SetUp() override
    {
        m_process = start(arguments.at(0));
        ASSERT_EQ(WaitForInputIdle(m_process.hProcess, 120000), 0U); // its window made, its loop waiting
        m_window = FindWindowW(L"MorvaneCalc.frmHaupt", nullptr);
        ASSERT_EQ(walk({{L"", Text1}}).substr(0, 8), "Text1(0)"); // the focus in the frequency box
    }
    void TearDown() override { EXPECT_EQ(ending(m_process), "0 "); }

    HWND control(layout::Array a, int i = 0) const { return GetDlgItem(m_window, firstId + int(layout::rowOf(a, i))); }
    [[nodiscard]] HWND focus() const
    {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(m_process.dwThreadId, &thread);
        return thread.hwndFocus;
    }
    // Once the focus has come where the step names, the program has handled
    // all its input: what the window shows then, the focus and the four
    // boxes' texts with what is selected of each in brackets; "|" after each.
    std::string walk(const std::vector<Step> &steps)
    {
        std::string shown;
        for (const Step &step : steps) {
            std::vector<INPUT> events;
            RECT r{};
            GetWindowRect(control(step.clicked, std::max(step.clickedIndex, 0)), &r);
            const LONG x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
            for (const DWORD button : std::array<DWORD, 3>{MOUSEEVENTF_LEFTDOWN, 0, MOUSEEVENTF_LEFTUP})
                if (step.clickedIndex >= 0)
                    events.push_back(input(INPUT_MOUSE, 0, button, x + (button ? 0 : step.dx), y));
            for (const wchar_t key : step.keys) {
                const WORD held = key & shift ? VK_SHIFT : key & ctrl ? VK_CONTROL : key & alt ? VK_MENU : 0;
                const auto code = static_cast<WORD>(key & 0xFF);
                for (const auto &[stroke, up] : {std::pair{held, 0}, {code, 0}, {code, 2}, {held, 2}}) // 2: key up
                    if (stroke)
                        events.push_back(input(INPUT_KEYBOARD, stroke, up));
            }
            SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
            for (int wait = 0; wait < 500 && focus() != control(step.focused, step.index); ++wait)
                Sleep(20); // ten seconds at most
            if (focus() != control(step.focused, step.index))
                return shown + "the focus stayed on " + nameOf(focus());
            shown += nameOf(focus());
            for (int box = 0; box < 4; ++box)
                shown += ' ' + marked(control(Text1, box));
            shown += '|';
        }
        return shown;
    }

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

// Typing, a second comma after the first refused, Enter and Escape pressing
// nothing; Tab and Shift+Tab in the order the controls take the focus, each
// box reached selected whole; Calculate by Space; the commands refused
// while it runs; Quit by Space.
TEST_F(MorvaneCalcExe, ByKeyboard)
{
    // clang-format off
    EXPECT_EQ(walk({{typed(L"7.1,") + L"\r\x1B\t", Text1, 1}, {{shift | '\t'}, Text1}, {{shift | '\t', shift | '\t'}, cmdCalc},
                    {L" \t\t\t", Text1, 1}, {L"\t\t\t\t", cmdQuit}}),
              "Text1(1) 7,1 [ ]    |Text1(0) [7,1] [ ]    |cmdCalc [7,1] [ ]    |Text1(1) [7,1] [19,83] 14 2,92|"
              "cmdQuit [7,1] [19,83] [14] [2,92]|");
    // clang-format on
    for (const std::wstring &command : std::vector(arguments.begin() + 1, arguments.end())) // silent with /S
        EXPECT_EQ(ending(start(command)),
                  command.find(L" /S") != std::wstring::npos ? "2 " : "2 MorvaneCalc is running. Quit it, then ");
    walk({{L" ", cmdQuit}});
}

// The keys each box takes and refuses, typed with all of its text selected
// as Tab brings the focus, which Shift+Tab or Tab takes away again:
// Backspace, Delete, Enter and Escape, Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+A and
// Ctrl+Z, minus, letters, blanks and signs; in a result box, digits.
// Typing never calculates, and no key reaches the clipboard. Then Alt+F4
// ends the program as its close box does.
TEST_F(MorvaneCalcExe, TakesOnlyWhatANumberHolds)
{
    setClipboard(m_window, L"99 -x");
    const DWORD copies = GetClipboardSequenceNumber();
    std::string shown = walk({{{shift | '\t'}, cmdQuit}});
    // clang-format off
    const std::vector<std::wstring> rows{typed(L"0123456789"), typed(L"\b,5"), typed(L",."),
        {VK_END, '\b', VK_HOME, VK_DELETE, '\r', 0x1B}, {ctrl | 'C', ctrl | 'X', VK_END, ctrl | 'V'},
        {VK_END, ctrl | 'A', '5', ctrl | 'Z'},
        typed(L" !\"#$%&'()*+-/:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~")};
    // clang-format on
    for (std::size_t row = 0; row < rows.size();
         ++row) { // into the frequency box from Quit, or back from the result box
        SendMessageW(control(Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"21,250"));
        const std::wstring across(1, static_cast<wchar_t>(row % 2 ? shift | '\t' : '\t'));
        shown += walk({{across + rows[row] + across, row % 2 ? cmdQuit : Text1, row % 2 ? 0 : 1}});
    }
    shown += walk({{{shift | '\t', '\t', '5', ctrl | 'C', ctrl | 'X', '\t'}, Text1, 2}});
    EXPECT_EQ(shown,
              "cmdQuit [21,250]      |Text1(1) 0123456789 [ ]    |cmdQuit ,5 [ ]    |Text1(1) [21,250] [ ]    |"
              "cmdQuit 1,25 [ ]    |Text1(1) 21,250 [ ]    |cmdQuit 5 [ ]    |Text1(1) [21,250] [ ]    |"
              "Text1(2) [21,250] [ ] [ ]  |");
    EXPECT_EQ(GetClipboardSequenceNumber(), copies);
    walk({{{alt | VK_F4}, Text1}});
}

// Calculate by mouse; a press into a box that has not the focus selects all
// of it, also when the mouse moves before the release, and when it comes
// as the second of a double click; the click after that places the caret.
// Quit by mouse.
TEST_F(MorvaneCalcExe, ByMouse)
{
    // clang-format off
    EXPECT_EQ(walk({{L"\t", cmdQuit, 0, cmdCalc, 0}, {L"\t", Text1, 3, Text1, 2, -20}, {L"", Text1, 2, Text1, 2},
                    {L"\t", Text1, 3, Text1, 2}}),
              "cmdQuit [21,250] 6,63 4,68 0,97|Text1(3) [21,250] 6,63 [4,68] [0,97]|"
              "Text1(2) [21,250] 6,63 [4,68] [0,97]|Text1(3) [21,250] 6,63 4,68 [0,97]|");
    // clang-format on
    walk({{L"", cmdQuit, 0, cmdQuit, 0}});
}

} // namespace

// window_tests MorvaneCalc.exe [COMMAND...]
int wmain(int argc, wchar_t *argv[])
{
    // A crash ends the test at once, rather than in a debugger that waits.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS *) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
    testing::InitGoogleTest(&argc, argv);
    arguments.assign(argv + 1, argv + argc);
    return RUN_ALL_TESTS();
}
