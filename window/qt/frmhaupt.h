// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/antenna.h"
#include "window/commands.h"
#include "window/layout.h"

#include <QHash>
#include <QRect>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class Announcer;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// A place from the layout table, in Qt's device-independent pixels, which
// are the table's pixels at 96 dots an inch; Qt scales them on its own.
[[nodiscard]] QRect toQRect(const layout::Rect &rect);

// The calculator's only window on Qt: the frequency box, the three result
// rows and the Calculate and Quit buttons.
class frmHaupt : public QWidget, public frmHauptCommands {
    Q_OBJECT

public:
    explicit frmHaupt(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    [[nodiscard]] std::u32string text(int Index) const override;
    [[nodiscard]] std::size_t selectionStart(int Index) const override;
    void select(int Index, std::size_t start, std::size_t length) override;
    void setText(layout::Array array, int index, const std::string &text) override;
    void setWords(layout::Array array, int index, const std::string &words) override;
    void announce(const std::string &words) override;
    void warn(const std::string &message) override;
    void focusFrequencyBox() override;

private:
    bool filterTyping(int index, QKeyEvent *event);
    void cmdQuit_Click();

    void letGoOfTheSize(Qt::WindowState state);
    void buildControls();
    QWidget *createControl(const layout::Control &row);
    void setLook(QWidget *control, const layout::Control &row);
    static void describeForScreenReaders(QWidget *control, const layout::Control &row);
    void registerControl(QWidget *control, const layout::Control &row);
    [[nodiscard]] QWidget *element(layout::Array array, int index) const;
    void setLabelText(QLabel *label, const QString &text);

    // The controls the handlers use, indexed like the window's control
    // arrays; the captions Label1 and the address Label3 are left out. Label2
    // has no elements 4 to 6; they stay null.
    std::array<QLineEdit *, 1 + calc::rowCount> Text1{};
    std::array<QLabel *, layout::firstInchesLabel + calc::rowCount> Label2{};
    std::array<QLabel *, calc::rowCount> Label4{};
    QPushButton *cmdCalc = nullptr;
    QPushButton *cmdQuit = nullptr;

    Announcer *m_announcer = nullptr;           // says the results after Calculate
    QHash<const QLabel *, QRect> m_designRects; // each label's place in the layout table
    std::optional<int> m_clickFocusedBox;       // Text1 element whose focus came with a mouse press not yet seen
};
