// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#pragma once

#include "calc/antenna.h"
#include "calc/feet_inches.h"
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

// The calculator's only window: the frequency box, the three result rows and
// the Calculate and Quit buttons. It owns the values of the last calculation.
class frmHaupt : public QWidget {
    Q_OBJECT

public:
    explicit frmHaupt(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class WindowTest; // reads the working values

    void Text1_KeyPress(int Index, int &KeyAscii) const;
    void Text1_GotFocus(int Index);
    static void FilterKey(const QLineEdit *oText, int &KeyAscii, bool AllowNegative, const QString &DecimalSeparator);
    bool filterTyping(int index, QKeyEvent *event);

    void cmdCalc_Click();
    void cmdQuit_Click();

    void ReadFrequency();
    void ClearResults();
    void CalculateLengths();
    void ShowMetric();
    void ShowFeetInches(std::size_t row);
    [[nodiscard]] bool showsWhole(const std::array<calc::FeetInches, calc::rowCount> &converted) const;
    QString describeRow(std::size_t row);
    void reportFailure(const QString &message);

    void letGoOfTheSize(Qt::WindowState state);
    void buildControls();
    QWidget *createControl(const layout::Control &row);
    void setLook(QWidget *control, const layout::Control &row);
    static void describeForScreenReaders(QWidget *control, const layout::Control &row);
    void registerControl(QWidget *control, const layout::Control &row);
    [[nodiscard]] QRect placeFor(const QLabel *label, const QString &text) const;
    void setLabelText(QLabel *label, const QString &text);

    // What the last calculation left behind; each Calculate overwrites it.
    // The feet-and-inches values are shared by the three rows, so after a
    // calculation they hold those of the stub row.
    struct WorkingValues {
        std::string FrequencyText;
        calc::Lengths Lengths;
        calc::FeetInches FeetInches;
    };
    WorkingValues m_work;

    // The controls the handlers use, indexed like the window's control
    // arrays; the captions Label1 and the address Label3 are left out. Label2
    // has no elements 4 to 6; they stay null. Result row r (0 overall, 1
    // coax, 2 stub) is Text1(r + 1), Label4(r) and Label2(r + 7).
    std::array<QLineEdit *, 1 + calc::rowCount> Text1{};
    std::array<QLabel *, layout::firstInchesLabel + calc::rowCount> Label2{};
    std::array<QLabel *, calc::rowCount> Label4{};
    QPushButton *cmdCalc = nullptr;
    QPushButton *cmdQuit = nullptr;

    Announcer *m_announcer = nullptr;           // says the results after Calculate
    QHash<const QLabel *, QRect> m_designRects; // each label's place in the layout table
    std::optional<int> m_clickFocusedBox;       // Text1 element whose focus came with a mouse press not yet seen
};
