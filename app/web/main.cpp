// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/web/frmhaupt.h"

#include <cstddef>

// The module's entry points, which the page calls: start once the module is
// ready, then one for each event of a control, by its row in the layout
// table. The window lives as long as the page; a WebAssembly reactor keeps
// it between calls as a desktop program's main keeps its window on its stack.
namespace {

frmHaupt &window()
{
    static frmHaupt theWindow;
    return theWindow;
}

} // namespace

#define EXPORT(name) extern "C" __attribute__((export_name(#name)))

EXPORT(start) void start()
{
    window().show();
}

EXPORT(click) void click(std::size_t row)
{
    window().Click(row);
}

EXPORT(keyPress) int keyPress(std::size_t row, int KeyAscii)
{
    return window().KeyPress(row, KeyAscii);
}

EXPORT(gotFocus) void gotFocus(std::size_t row)
{
    window().GotFocus(row);
}

EXPORT(changed) void changed(std::size_t row)
{
    window().Changed(row);
}
