#pragma once

#include <QRgb>
#include <QString>
#include <Qt>

#include <array>
#include <optional>

// The main window as data: one row per control, places and sizes in twips
// (1/1440 inch), as the window was first drawn. frmHaupt builds every control
// from this table in one loop.
namespace layout {

enum class Kind { Label, TextBox, Button };

// The control arrays and single controls of the window; a row's index tells
// the elements of an array apart.
enum class Array { Text1, Label1, Label2, Label3, Label4, cmdCalc, cmdQuit };

struct Font {
    const char *family;
    double points;
    bool bold;
};

inline constexpr Font defaultFont{"MS Sans Serif", 8.25, false};
inline constexpr Font boxFont{"MS Sans Serif", 8.25, true};
inline constexpr Font addressFont{"Verdana", 9.0, false};

struct Control {
    Kind kind;
    Array array;
    int index;
    int left, top, width, height; // twips
    const char *text;
    int tabIndex;
    Qt::Alignment alignment = Qt::AlignLeft;
    Font font = defaultFont;
    std::optional<QRgb> background = std::nullopt;
    const char *toolTip = nullptr; // also what a screen reader gives as the description
    bool readOnly = false;
    const char *accessibleName = nullptr; // for boxes, whose caption is a separate label
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidth = 3735; // twips
inline constexpr int clientHeight = 2745;

inline constexpr const char *caption = "MorvaneCalc by QQ7NV";
inline constexpr const char *webAddress = "www.qq7nv.example";

inline constexpr QRgb frequencyGreen = qRgb(192, 255, 192);
inline constexpr QRgb resultYellow = qRgb(255, 255, 128);

// Horizontal only: labels draw their text from the top, as the layout was
// designed (rows of different heights share a baseline), boxes centre it.
inline constexpr Qt::Alignment centred = Qt::AlignHCenter;
inline constexpr Qt::Alignment right = Qt::AlignRight;
inline constexpr Qt::Alignment left = Qt::AlignLeft;

using enum Kind;
using enum Array;

// Rows in tab-index order, which is also the focus order of the controls that
// take focus.
// clang-format off
inline constexpr std::array<Control, 21> controls{{
    {Label, Label1, 0, 195, 285, 795, 195, "Frequency", 0, left},
    {Label, Label1, 1, 195, 645, 795, 195, "Length", 1, left},
    {Label, Label1, 2, 195, 1005, 795, 195, "Lcoax", 2, left},
    {TextBox, Text1, 0, 1100, 240, 800, 285, "21,250", 3, centred, boxFont, frequencyGreen,
     "Type center of frequency here", false, "Frequency, Mc"},
    {Label, Label1, 3, 195, 1365, 795, 195, "Lstub", 4, left},
    {Label, Label2, 0, 2040, 285, 405, 195, "Mc", 5, centred},
    {Label, Label2, 1, 2040, 645, 405, 195, "m", 6, centred},
    {Label, Label2, 2, 2040, 1005, 405, 195, "m", 7, centred},
    {Label, Label2, 3, 2040, 1365, 405, 195, "m", 8, centred},
    {TextBox, Text1, 1, 1100, 600, 800, 285, " ", 9, right, boxFont, resultYellow,
     "Length over all", true, "Length over all, m"},
    {TextBox, Text1, 2, 1100, 960, 800, 285, " ", 10, right, boxFont, resultYellow,
     "Length of coaxial cable", true, "Length of coaxial cable, m"},
    {TextBox, Text1, 3, 1100, 1320, 800, 285, " ", 11, right, boxFont, resultYellow,
     "Length of stub for tuning this antenna", true, "Length of stub, m"},
    {Button, cmdCalc, 0, 840, 1800, 1000, 375, "Calculate", 12, centred},
    {Button, cmdQuit, 0, 1920, 1800, 1000, 375, "Quit", 13, centred, defaultFont, std::nullopt,
     "Quit this program"},
    {Label, Label3, 0, 0, 2400, 3735, 255, webAddress, 14, centred, addressFont},
    {Label, Label4, 0, 2520, 645, 400, 255, "( 00'", 15, right},
    {Label, Label4, 1, 2520, 1005, 400, 255, "( 00'", 16, right},
    {Label, Label4, 2, 2520, 1365, 400, 255, "( 00'", 17, right},
    {Label, Label2, 7, 3000, 645, 495, 195, "00,0'' )", 18, right},
    {Label, Label2, 8, 3000, 1005, 495, 195, "00,0'' )", 19, right},
    {Label, Label2, 9, 3000, 1365, 495, 195, "00,0'' )", 20, right},
}};
// clang-format on

// "Text1(0)" for an element of a control array, "cmdCalc" for a single control.
QString objectName(const Control &control);

} // namespace layout
