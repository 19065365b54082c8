#pragma once

#include "calc/antenna.h"
#include "calc/feet_inches.h"

#include <QHash>
#include <QRect>
#include <QWidget>

#include <array>
#include <string>

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

    // What the last calculation left behind; each Calculate overwrites it.
    // The feet-and-inches values are shared by the three rows, so after a
    // calculation they hold those of the stub row.
    struct WorkingValues {
        std::string FrequencyText;
        calc::Lengths Lengths;
        calc::FeetInches FeetInches;
    };
    [[nodiscard]] const WorkingValues &workingValues() const { return m_work; }

    // Lets through only what can belong to a decimal number: digits, one
    // separator (typed as "," or "."), a leading "-" when negatives are
    // allowed, Backspace (8) and Enter (13). Anything else sets KeyAscii to 0.
    // The caret and text of oText decide about "-" and a second separator.
    static void FilterKey(const QLineEdit *oText, int &KeyAscii, bool AllowNegative, const QString &DecimalSeparator);

    // The controls, as arrays indexed like the window's control arrays.
    // Label2 has no elements 4 to 6; they stay null.
    std::array<QLineEdit *, 4> Text1{};
    std::array<QLabel *, 4> Label1{};
    std::array<QLabel *, 10> Label2{};
    QLabel *Label3 = nullptr;
    std::array<QLabel *, 3> Label4{};
    QPushButton *cmdCalc = nullptr;
    QPushButton *cmdQuit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Text1_KeyPress(int Index, int &KeyAscii) const;
    void Text1_GotFocus(int Index);
    bool filterTyping(int index, QKeyEvent *event);

    void cmdCalc_Click();
    void cmdQuit_Click();

    void ReadFrequency();
    void ClearResults();
    void CalculateLengths();
    void ShowMetric();
    void ShowFeetInches(int row);

    // Result rows overall, coax and stub: box Text1(row + 1), whole feet
    // Label4(row), inches Label2(row + 7).
    static constexpr int resultRows = 3;
    [[nodiscard]] double rowLength(int row) const;

    void buildControls();
    void setLabelText(QLabel *label, const QString &text);
    void reportFailure(const QString &message);

    WorkingValues m_work;
    QHash<const QLabel *, QRect> m_designRects; // each label's place in the layout table
    int m_clickFocusedBox = -1;                 // Text1 element whose focus came with a mouse press not yet seen
};
