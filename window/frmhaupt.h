#pragma once

#include "calc/antenna.h"
#include "calc/feet_inches.h"

#include <QHash>
#include <QRect>
#include <QWidget>

#include <array>
#include <string>

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

    // The controls, as arrays indexed like the window's control arrays.
    // Label2 has no elements 4 to 6; they stay null.
    std::array<QLineEdit *, 4> Text1{};
    std::array<QLabel *, 4> Label1{};
    std::array<QLabel *, 10> Label2{};
    QLabel *Label3 = nullptr;
    std::array<QLabel *, 3> Label4{};
    QPushButton *cmdCalc = nullptr;
    QPushButton *cmdQuit = nullptr;

private:
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
};
