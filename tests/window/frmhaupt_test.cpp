#include "window/frmhaupt.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QStringList textsAt21Mc{"6,63", "( 21' ", "8,9'' )", "4,68", "( 15' ", "4,2'' )", "0,97", "( 3' ", "2,4'' )"};

// Clicks Calculate and answers the warning box if one comes up; returns its
// text, or an empty string when there was none. The box is dismissed from the
// event loop it runs, so the test never waits on a modal box.
QString clickCalculate(frmHaupt &window)
{
    QString message;
    QTimer dismisser;
    dismisser.setSingleShot(true);
    QObject::connect(&dismisser, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    dismisser.start(0);
    QTest::mouseClick(window.cmdCalc, Qt::LeftButton);
    return message;
}

void typeFrequency(frmHaupt &window, const QString &text)
{
    window.Text1[0]->setText(text);
}

// The nine texts of the three result rows: box, whole feet, inches.
QStringList resultTexts(const frmHaupt &window)
{
    QStringList texts;
    for (int row = 0; row < 3; ++row)
        texts << window.Text1[row + 1]->text() << window.Label4[row]->text() << window.Label2[row + 7]->text();
    return texts;
}

} // namespace

class FrmHauptTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<frmHaupt>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void startUp_data();
    void startUp();
    void boxesLookAsDesigned();
    void fontsResolveToMetricCompatibleFamilies();
    void focusMovesThroughBoxesThenButtons();

    void calculateFillsEveryRow_data();
    void calculateFillsEveryRow();
    void workingValuesHoldTheStubRow();

    void enterDoesNotCalculate();
    void pastedFrequency_data();
    void pastedFrequency();

    void labelTextsAreNeverClipped_data();
    void labelTextsAreNeverClipped();

    void programEnds_data();
    void programEnds();

    void screenReaderNames_data();
    void screenReaderNames();
    void grabIsAtTheScreensScale();

private:
    std::unique_ptr<frmHaupt> m_window;
};

void FrmHauptTest::startUp_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    // clang-format off
    QTest::newRow("frequency box") << "Text1(0)" << QRect(73, 16, 54, 19) << "21,250"
                                   << "Type center of frequency here";
    QTest::newRow("overall box") << "Text1(1)" << QRect(73, 40, 54, 19) << " " << "Length over all";
    QTest::newRow("stub box") << "Text1(3)" << QRect(73, 88, 54, 19) << " "
                              << "Length of stub for tuning this antenna";
    QTest::newRow("frequency caption") << "Label1(0)" << QRect(13, 19, 53, 13) << "Frequency" << "";
    QTest::newRow("unit Mc") << "Label2(0)" << QRect(136, 19, 27, 13) << "Mc" << "";
    QTest::newRow("overall feet") << "Label4(0)" << QRect(168, 43, 27, 17) << "( 00'" << "";
    QTest::newRow("stub inches") << "Label2(9)" << QRect(200, 91, 33, 13) << "00,0'' )" << "";
    QTest::newRow("Quit") << "cmdQuit" << QRect(128, 120, 67, 25) << "Quit" << "Quit this program";
    QTest::newRow("address") << "Label3" << QRect(0, 160, 249, 17) << "www.qq7nv.example" << "";
    // clang-format on
}

void FrmHauptTest::startUp()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    QCOMPARE(m_window->size(), QSize(249, 183));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("MorvaneCalc by QQ7NV"));

    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
}

void FrmHauptTest::boxesLookAsDesigned()
{
    const QColor green(192, 255, 192);
    const QColor yellow(255, 255, 128);
    for (int index = 0; index < 4; ++index) {
        const QLineEdit *box = m_window->Text1[index];
        QCOMPARE(box->palette().color(QPalette::Base), index == 0 ? green : yellow);
        QCOMPARE(box->isReadOnly(), index != 0);
        QVERIFY(box->font().bold());
        QCOMPARE(box->font().pointSizeF(), 8.25);
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, index == 0 ? Qt::AlignHCenter : Qt::AlignRight);
    }
    QVERIFY(!m_window->cmdCalc->isDefault() && !m_window->cmdCalc->autoDefault());
    QVERIFY(!m_window->cmdQuit->isDefault() && !m_window->cmdQuit->autoDefault());
}

void FrmHauptTest::fontsResolveToMetricCompatibleFamilies()
{
    QCOMPARE(QFontInfo(m_window->Label1[0]->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(m_window->Text1[0]->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(m_window->Label3->font()).family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(m_window->Label3->font().pointSizeF(), 9.0);
}

void FrmHauptTest::focusMovesThroughBoxesThenButtons()
{
    QCOMPARE(QApplication::focusWidget(), m_window->Text1[0]);
    const QList<QWidget *> order{m_window->Text1[1],
                                 m_window->Text1[2],
                                 m_window->Text1[3],
                                 m_window->cmdCalc,
                                 m_window->cmdQuit,
                                 m_window->Text1[0]};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void FrmHauptTest::calculateFillsEveryRow_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("texts");

    // clang-format off
    QTest::newRow("21,250 Mc") << "21,250" << textsAt21Mc;
    QTest::newRow("7,1 Mc") << "7,1" << QStringList{"19,83", "( 65' ", "0,7'' )",
                                                    "14", "( 45' ", "11,2'' )",
                                                    "2,92", "( 9' ", "6,8'' )"};
    // clang-format on
}

void FrmHauptTest::calculateFillsEveryRow()
{
    QFETCH(QString, frequency);
    QFETCH(QStringList, texts);

    typeFrequency(*m_window, frequency);
    QCOMPARE(clickCalculate(*m_window), QString());
    QCOMPARE(resultTexts(*m_window), texts);

    QCOMPARE(clickCalculate(*m_window), QString());
    QCOMPARE(resultTexts(*m_window), texts);
    QCOMPARE(m_window->Text1[0]->text(), frequency);
}

void FrmHauptTest::workingValuesHoldTheStubRow()
{
    clickCalculate(*m_window);
    const frmHaupt::WorkingValues &work = m_window->workingValues();
    QCOMPARE(work.FrequencyText, std::string("21,250"));
    QCOMPARE(work.Lengths.LengthOverAll, 140.8 / 21.25);
    QCOMPARE(work.FeetInches.FeetRounded, 3.2);
    QCOMPARE(work.FeetInches.CommaPos, std::int16_t{2});
    QCOMPARE(work.FeetInches.InchesPart, 2.4);
}

void FrmHauptTest::enterDoesNotCalculate()
{
    QTest::keyClick(m_window->Text1[0], Qt::Key_Return);
    QTest::keyClick(m_window->Text1[0], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(m_window->Text1[1]->text(), QStringLiteral(" "));
    QCOMPARE(m_window->Label4[0]->text(), QStringLiteral("( 00'"));
}

void FrmHauptTest::pastedFrequency_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("problem");    // words the warning must hold; none: no warning
    QTest::addColumn<QStringList>("metric"); // the boxes when there is no warning

    const QString notANumber = QStringLiteral("not a number");
    // clang-format off
    QTest::newRow("empty") << "" << notANumber << QStringList();
    QTest::newRow("lone comma") << "," << notANumber << QStringList();
    QTest::newRow("embedded NUL") << QStringLiteral("7\0001") << notANumber << QStringList();
    QTest::newRow("line breaks") << "\r\n7,1\n" << notANumber << QStringList();
    QTest::newRow("tab") << "7\t1" << notANumber << QStringList();
    QTest::newRow("right-to-left mark") << QString::fromUtf8("\u200F7,1") << notANumber << QStringList();
    QTest::newRow("full-width digits") << QString::fromUtf8("\uFF17,\uFF11") << notANumber << QStringList();
    QTest::newRow("exponent") << "1e308" << notANumber << QStringList();
    QTest::newRow("minus zero") << "-0" << notANumber << QStringList();
    QTest::newRow("blanks") << "   " << notANumber << QStringList();
    QTest::newRow("zero") << "0" << "zero" << QStringList();
    QTest::newRow("nothing after the comma") << "0," << "zero" << QStringList();
    QTest::newRow("nothing before the comma") << ",0" << "zero" << QStringList();
    QTest::newRow("400 nines") << QString(400, '9') << "too large" << QStringList();
    QTest::newRow("10,000 digits") << QString(10'000, '1') << "too large" << QStringList();
    QTest::newRow("1,000,000 digits") << QString(1'000'000, '7') << "too large" << QStringList();
    QTest::newRow("lengths overflow") << "0," + QString(320, '0') + "1" << "too small" << QStringList();
    QTest::newRow("400 digits") << "7,1" + QString(397, '0') << "" << QStringList{"19,83", "14", "2,92"};
    // clang-format on
}

// Pasting reaches the frequency box past the key filter. Whatever it brings,
// Calculate shows results or warns; after a warning the boxes are empty, the
// feet and inches and the lengths are those of the last good calculation,
// and the frequency is selected for retyping. The next good frequency brings
// every text back.
void FrmHauptTest::pastedFrequency()
{
    QFETCH(QString, pasted);
    QFETCH(QString, problem);
    QFETCH(QStringList, metric);

    clickCalculate(*m_window);
    const QStringList before = resultTexts(*m_window);
    const double overAllBefore = m_window->workingValues().Lengths.LengthOverAll;

    QLineEdit *frequency = m_window->Text1[0];
    QApplication::clipboard()->setText(pasted);
    frequency->selectAll();
    frequency->paste();
    const QString message = clickCalculate(*m_window);
    const QStringList after = resultTexts(*m_window);

    if (problem.isEmpty()) {
        QCOMPARE(message, QString());
        QCOMPARE((QStringList{after[0], after[3], after[6]}), metric);
    } else {
        QVERIFY2(message.contains(problem), qPrintable(message));
        for (qsizetype row = 0; row < 3; ++row) {
            QCOMPARE(after[row * 3], QString());
            QCOMPARE(after[row * 3 + 1], before[row * 3 + 1]);
            QCOMPARE(after[row * 3 + 2], before[row * 3 + 2]);
        }
        QCOMPARE(m_window->workingValues().FrequencyText, frequency->text().toStdString());
        QCOMPARE(m_window->workingValues().Lengths.LengthOverAll, overAllBefore);
        QTRY_COMPARE(QApplication::focusWidget(), frequency); // once the window is active again
        QCOMPARE(frequency->selectedText(), frequency->text());
    }

    typeFrequency(*m_window, QStringLiteral("21,250"));
    QCOMPARE(clickCalculate(*m_window), QString());
    QCOMPARE(resultTexts(*m_window), textsAt21Mc);
}

void FrmHauptTest::labelTextsAreNeverClipped_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::newRow("1 Mc: three digits of feet") << "1";
    QTest::newRow("1,8 Mc") << "1,8";
    QTest::newRow("1000 Mc") << "1000";
}

// Every label is wide enough for its text and keeps clear of its neighbours
// in the row; a picture of each case is left in the build tree to look at.
void FrmHauptTest::labelTextsAreNeverClipped()
{
    QFETCH(QString, frequency);
    typeFrequency(*m_window, frequency);
    clickCalculate(*m_window);

    for (const QLabel *label : m_window->findChildren<QLabel *>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->objectName()));
        QVERIFY2(m_window->rect().contains(label->geometry()), qPrintable(label->objectName()));
    }
    for (int row = 0; row < 3; ++row) {
        const QLabel *unit = m_window->Label2[row + 1];
        const QLabel *feet = m_window->Label4[row];
        const QLabel *inches = m_window->Label2[row + 7];
        const int unitTextRight =
            unit->geometry().center().x() + unit->fontMetrics().horizontalAdvance(unit->text()) / 2;
        QVERIFY(unitTextRight < feet->geometry().left());
        QVERIFY(feet->geometry().right() < inches->geometry().left());
        QVERIFY(m_window->Text1[row + 1]->geometry().right() < unit->geometry().left());
    }
    QVERIFY(m_window->grab().save(
        QStringLiteral("window-%1.png").arg(QString(QTest::currentDataTag()).section(':', 0, 0))));
}

void FrmHauptTest::programEnds_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("Quit button") << true;
    QTest::newRow("close box") << false;
}

void FrmHauptTest::programEnds()
{
    QFETCH(bool, byQuitButton);
    QTimer::singleShot(0, m_window.get(), [&] {
        if (byQuitButton)
            QTest::mouseClick(m_window->cmdQuit, Qt::LeftButton);
        else
            m_window->close();
    });
    QTimer watchdog; // only fires if the program failed to end
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

void FrmHauptTest::screenReaderNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QAccessible::Role>("role");

    // clang-format off
    QTest::newRow("frequency box") << "Text1(0)" << "Frequency, Mc" << "Type center of frequency here"
                                   << QAccessible::EditableText;
    QTest::newRow("overall box") << "Text1(1)" << "Length over all, m" << "Length over all"
                                 << QAccessible::EditableText;
    QTest::newRow("stub box") << "Text1(3)" << "Length of stub, m" << "Length of stub for tuning this antenna"
                              << QAccessible::EditableText;
    QTest::newRow("Calculate") << "cmdCalc" << "Calculate" << "" << QAccessible::Button;
    QTest::newRow("Quit") << "cmdQuit" << "Quit" << "Quit this program" << QAccessible::Button;
    QTest::newRow("caption") << "Label1(2)" << "Lcoax" << "" << QAccessible::StaticText;
    QTest::newRow("overall in feet and inches") << "Label4(0)" << "21 feet 8,9 inches" << ""
                                                << QAccessible::StaticText;
    QTest::newRow("inches label") << "Label2(7)" << "8,9'' )" << "" << QAccessible::StaticText;
    QTest::newRow("stub in feet and inches") << "Label4(2)" << "3 feet 2,4 inches" << ""
                                             << QAccessible::StaticText;
    // clang-format on
}

void FrmHauptTest::screenReaderNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QAccessible::Role, role);

    clickCalculate(*m_window);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
    QCOMPARE(accessible->role(), role);
    QVERIFY(QAccessible::queryAccessibleInterface(m_window.get())->indexOfChild(accessible) >= 0);
}

// Run once as it is and once with QT_SCALE_FACTOR=2, where every other test
// here must hold as well.
void FrmHauptTest::grabIsAtTheScreensScale()
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    const QPixmap shot = m_window->grab();
    QCOMPARE(shot.devicePixelRatio(), scale);
    QCOMPARE(shot.size(), QSize(249, 183) * scale);
}

QTEST_MAIN(FrmHauptTest)
#include "frmhaupt_test.moc"
