// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <QLabel>
#include <QLineEdit>

// What the window hands to screen readers besides what it shows.
namespace accessibility {

// Gives the window's own controls below their interfaces to assistive
// technology; needed once per program, and harmless to repeat.
void install();

} // namespace accessibility

// A box whose value is a number in a unit, with an interface of its own for
// assistive technology: where Qt's own would cut the text short, misplace
// its characters or stop the program, and to describe the value in words
// ("19 point 8 3 metres").
class NumberBox final : public QLineEdit {
public:
    NumberBox(const QString &text, const char *unit, QWidget *parent);
    [[nodiscard]] const char *unit() const { return m_unit; }
    using QLineEdit::cursorRect; // where the box draws its caret, for assistive technology

private:
    const char *m_unit;
};

// A label heard only by its accessible name, and not at all without one:
// the whole-feet label names the row's length in words, and the inches
// label beside it stays silent rather than read "8,9'' )" a second time.
class SpokenLabel final : public QLabel {
public:
    using QLabel::QLabel;
};

// Says a text without moving the focus: a notification that screen readers
// announce as it appears. It takes no room and draws nothing. Withdrawn,
// it is hidden until the next announcement, which then appears anew.
class Announcer final : public QLabel {
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text);
    void withdraw();
};
