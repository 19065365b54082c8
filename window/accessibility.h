// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include <QLabel>
#include <QLineEdit>

// What the window hands to screen readers besides what it shows. The texts
// on screen keep their decimal comma; an English voice reads "19,83" as
// nineteen eighty-three, so every number the window composes for a screen
// reader says "point" instead.
namespace accessibility {

// "19 point 8 3" for "19,83", "megacycles" for "Mc": the words an English
// voice reads with their true value. The digits after the point are spoken
// one by one, as decimals are read aloud ("21 point 2 5 0").
[[nodiscard]] QString spoken(const QString &text);

// Gives the window's own controls below their interfaces to assistive
// technology; needed once per program, and harmless to repeat.
void install();

} // namespace accessibility

// A box whose value is a number in a unit. Its interface reports the text
// attributes as one run over the whole text, where Qt 6.4's own reports
// runs of no length that cut the text short when Orca reads it; and its
// description begins with the value in words ("19 point 8 3 metres").
class NumberBox final : public QLineEdit {
public:
    NumberBox(const QString &text, const char *unit, QWidget *parent);
    [[nodiscard]] const char *unit() const { return m_unit; }
    // Where the box draws its text, within its frame and its own margins.
    [[nodiscard]] QRect textArea() const;

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
