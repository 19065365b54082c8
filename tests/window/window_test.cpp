// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/frmhaupt.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text; // what the platform puts in the event; X11 sends "\x03" for Ctrl+C
};
using KeyPresses = QList<KeyPress>;

KeyPresses typed(const QString &characters)
{
    KeyPresses presses;
    for (const QChar c : characters)
        presses.append({Qt::Key(c.toUpper().unicode()), {}, c});
    return presses;
}

const QStringList textsAt21Mc{"6,63", "( 21' ", "8,9'' )", "4,68", "( 15' ", "4,2'' )", "0,97", "( 3' ", "2,4'' )"};
const QString clipboardText = QStringLiteral("99 -x");

// One line per control: place, font, text, alignment and colours as drawn.
QString describe(const QWidget *w)
{
    const QRect g = w->geometry();
    const QFontInfo font(w->font());
    QString line = QStringLiteral("%1 %2,%3 %4x%5 %6 %7%8")
                       .arg(w->objectName())
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height())
                       .arg(font.family())
                       .arg(w->font().pointSizeF())
                       .arg(font.bold() ? " bold" : "");
    if (const auto *label = qobject_cast<const QLabel *>(w))
        line += QStringLiteral(" \"%1\" %2 %3")
                    .arg(label->text())
                    .arg(int(label->alignment()), 0, 16)
                    .arg(label->textFormat() == Qt::PlainText ? "plain" : "rich");
    if (const auto *box = qobject_cast<const QLineEdit *>(w)) {
        const QPalette &p = box->palette();
        line += QStringLiteral(" \"%1\" %2%3 %4 on %5, %6 on %7")
                    .arg(box->text())
                    .arg(int(box->alignment()), 0, 16)
                    .arg(box->isReadOnly() ? " read-only" : "")
                    .arg(p.color(QPalette::Text).name(), p.color(QPalette::Base).name())
                    .arg(p.color(QPalette::HighlightedText).name(), p.color(QPalette::Highlight).name());
    }
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        line += QStringLiteral(" \"%1\"%2").arg(button->text(), button->autoDefault() ? " auto-default" : "");
    if (!w->toolTip().isEmpty())
        line += QStringLiteral(" tip \"%1\"").arg(w->toolTip());
    return line;
}

// WCAG 2 contrast ratio of two colours.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax(luminance(a), luminance(b));
    return (light + 0.05) / (dark + 0.05);
}

// The strongest contrast between a box's background and anything drawn in it.
double textContrast(const QImage &shot, QRect inner)
{
    const QColor background = shot.pixelColor(inner.topLeft());
    double strongest = 1.0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            strongest = std::max(strongest, contrast(background, shot.pixelColor(x, y)));
    return strongest;
}

} // namespace

Q_DECLARE_METATYPE(KeyPresses)

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUp();
    void calculate_data();
    void calculate();
    void screenReaderTree();
    void lengthsInWords_data();
    void lengthsInWords();
    void readableOnEveryPalette_data();
    void readableOnEveryPalette();
    void labelsFit_data();
    void labelsFit();

    void typing_data();
    void typing();
    void resultBoxesTakeNoTyping();
    void inputMethodTextIsDropped();
    void focusSelectsWholeText();
    void programEnds_data();
    void programEnds();

private:
    template <typename T>
    T *control(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void enterFrequency(const QString &text) { control<QLineEdit>("Text1(0)")->setText(text); }
    void clickCalculate() { QTest::mouseClick(control<QPushButton>("cmdCalc"), Qt::LeftButton); }
    [[nodiscard]] QStringList resultTexts() const;
    [[nodiscard]] bool hasKeyboardFocus() const { return m_window->isActiveWindow(); }

    std::unique_ptr<frmHaupt> m_window;
    QTimer m_boxAnswerer;
    QStringList m_warnings; // every modal box that came up, answered with OK
};

void WindowTest::init()
{
    // A modal box runs an event loop of its own, where this timer answers it:
    // no test can hang on one, and one that no test expected fails in cleanup.
    m_warnings.clear();
    m_boxAnswerer.setInterval(20);
    connect(&m_boxAnswerer, &QTimer::timeout, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            const QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
            m_warnings << box->windowTitle() + ": " + box->text()
                              + (alert->role() == QAccessible::AlertMessage ? "" : " [no alert]")
                              + (alert->text(QAccessible::Description) == box->text() ? "" : " [not read out]");
            box->done(QMessageBox::Ok);
        }
    });
    m_boxAnswerer.start();
    QApplication::clipboard()->setText(clipboardText);

    m_window = std::make_unique<frmHaupt>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    if (QGuiApplication::platformName() != QLatin1String("wayland")) // no seat in a headless compositor
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowTest::cleanup()
{
    m_window.reset();
    m_boxAnswerer.stop();
    m_boxAnswerer.disconnect();
    QCOMPARE(m_warnings, QStringList());
}

QStringList WindowTest::resultTexts() const
{
    QStringList texts;
    for (const char *name : {"Text1(1)",
                             "Label4(0)",
                             "Label2(7)",
                             "Text1(2)",
                             "Label4(1)",
                             "Label2(8)",
                             "Text1(3)",
                             "Label4(2)",
                             "Label2(9)"}) {
        const auto *box = control<QLineEdit>(name);
        texts << (box ? box->text() : control<QLabel>(name)->text());
    }
    return texts;
}

void WindowTest::startUp()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("MorvaneCalc by QQ7NV"));
    QCOMPARE(m_window->size(), QSize(249, 183));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QStringList controls;
    for (const QWidget *w : m_window->findChildren<QWidget *>())
        controls << describe(w);
    const QString box = QStringLiteral("Liberation Sans 8.25 bold");
    const QString onGreen = QStringLiteral("#000000 on #c0ffc0, #ffffff on #000080");
    const QString onYellow = QStringLiteral("#000000 on #ffff80, #ffffff on #000080");
    // clang-format off
    QCOMPARE(controls, (QStringList{
        "Label1(0) 13,19 53x13 Liberation Sans 8.25 \"Frequency\" 21 plain",
        "Label1(1) 13,43 53x13 Liberation Sans 8.25 \"Length\" 21 plain",
        "Label1(2) 13,67 53x13 Liberation Sans 8.25 \"Lcoax\" 21 plain",
        "Text1(0) 73,16 54x19 " + box + " \"21,250\" 84 " + onGreen + " tip \"Type center of frequency here\"",
        "Label1(3) 13,91 53x13 Liberation Sans 8.25 \"Lstub\" 21 plain",
        "Label2(0) 136,19 27x13 Liberation Sans 8.25 \"Mc\" 24 plain",
        "Label2(1) 136,43 27x13 Liberation Sans 8.25 \"m\" 24 plain",
        "Label2(2) 136,67 27x13 Liberation Sans 8.25 \"m\" 24 plain",
        "Label2(3) 136,91 27x13 Liberation Sans 8.25 \"m\" 24 plain",
        "Text1(1) 73,40 54x19 " + box + " \" \" 82 read-only " + onYellow + " tip \"Length over all\"",
        "Text1(2) 73,64 54x19 " + box + " \" \" 82 read-only " + onYellow + " tip \"Length of coaxial cable\"",
        "Text1(3) 73,88 54x19 " + box + " \" \" 82 read-only " + onYellow
            + " tip \"Length of stub for tuning this antenna\"",
        "cmdCalc 56,120 67x25 Liberation Sans 8.25 \"Calculate\"",
        "cmdQuit 128,120 67x25 Liberation Sans 8.25 \"Quit\" tip \"Quit this program\"",
        "Label3 0,160 249x17 DejaVu Sans 9 \"www.qq7nv.example\" 24 plain",
        "Label4(0) 168,43 27x17 Liberation Sans 8.25 \"( 00'\" 22 plain",
        "Label4(1) 168,67 27x17 Liberation Sans 8.25 \"( 00'\" 22 plain",
        "Label4(2) 168,91 27x17 Liberation Sans 8.25 \"( 00'\" 22 plain",
        "Label2(7) 200,43 33x13 Liberation Sans 8.25 \"00,0'' )\" 22 plain",
        "Label2(8) 200,67 33x13 Liberation Sans 8.25 \"00,0'' )\" 22 plain",
        "Label2(9) 200,91 33x13 Liberation Sans 8.25 \"00,0'' )\" 22 plain",
    }));
    // clang-format on
}

void WindowTest::calculate_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("texts"); // after a good calculation at 7,1 Mc

    const QStringList keptFrom7Mc{"", "( 65' ", "0,7'' )", "", "( 45' ", "11,2'' )", "", "( 9' ", "6,8'' )"};
    const QString caption = QStringLiteral("MorvaneCalc by QQ7NV: ");
    // clang-format off
    QTest::newRow("21,250 Mc") << "21,250" << "" << textsAt21Mc;
    QTest::newRow("1 Mc") << "1" << "" << QStringList{"140,8", "( 461' ", "11,3'' )", "99,4", "( 326' ", "1,4'' )",
                                                      "20,7", "( 67' ", "10,9'' )"};
    QTest::newRow("not a number") << "" << caption + "The frequency is not a number. Type the centre frequency "
        "of the band in Mc, with digits and at most one comma, for example 21,250." << keptFrom7Mc;
    QTest::newRow("zero") << "0" << caption + "The frequency is zero, and an antenna for zero Mc has no length. "
        "Type a frequency above zero, for example 21,250." << keptFrom7Mc;
    QTest::newRow("too large") << QString(400, '9') << caption + "The frequency is too large to calculate with. "
        "Type the centre frequency of the band in Mc, for example 21,250." << keptFrom7Mc;
    QTest::newRow("too small") << "0," + QString(320, '0') + "1" << caption + "The frequency is too small: the "
        "antenna would be longer than any length this program can show. Type a larger frequency, for example 21,250."
        << keptFrom7Mc;
    // clang-format on
}

// After a warning the boxes are empty, the feet and inches are those of the
// last good calculation, and the frequency is selected for retyping.
void WindowTest::calculate()
{
    QFETCH(QString, frequency);
    QFETCH(QString, warning);
    QFETCH(QStringList, texts);

    enterFrequency(QStringLiteral("7,1"));
    clickCalculate();
    enterFrequency(frequency);
    clickCalculate();
    QCOMPARE(resultTexts(), texts);
    QCOMPARE(m_warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    m_warnings.clear();
    if (!warning.isEmpty() && hasKeyboardFocus()) {
        auto *frequencyBox = control<QLineEdit>("Text1(0)");
        QTRY_COMPARE(QApplication::focusWidget(), frequencyBox); // once the window is active again
        QCOMPARE(frequencyBox->selectedText(), frequency);
    }
}

// What a screen reader finds in the window after a calculation: each result
// row read once, as a length in words.
void WindowTest::screenReaderTree()
{
    clickCalculate();
    QStringList tree;
    const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleInterface *child = window->child(i);
        if (!child->state().invisible)
            tree << QStringLiteral("%1 \"%2\" \"%3\"")
                        .arg(child->role())
                        .arg(child->text(QAccessible::Name), child->text(QAccessible::Description));
    }
    const QString text = QString::number(QAccessible::StaticText);
    const QString box = QString::number(QAccessible::EditableText);
    const QString button = QString::number(QAccessible::Button);
    QCOMPARE(tree,
             (QStringList{
                 text + " \"Frequency\" \"\"",
                 text + " \"Length\" \"\"",
                 text + " \"Lcoax\" \"\"",
                 box + " \"Frequency, Mc\" \"Type center of frequency here\"",
                 text + " \"Lstub\" \"\"",
                 text + " \"Mc\" \"\"",
                 text + " \"m\" \"\"",
                 text + " \"m\" \"\"",
                 text + " \"m\" \"\"",
                 box + " \"Length over all, m\" \"Length over all\"",
                 box + " \"Length of coaxial cable, m\" \"Length of coaxial cable\"",
                 box + " \"Length of stub, m\" \"Length of stub for tuning this antenna\"",
                 button + " \"Calculate\" \"\"",
                 button + " \"Quit\" \"Quit this program\"",
                 text + " \"www.qq7nv.example\" \"\"",
                 text + " \"21 feet 8,9 inches\" \"\"",
                 text + " \"15 feet 4,2 inches\" \"\"",
                 text + " \"3 feet 2,4 inches\" \"\"",
             }));
}

void WindowTest::lengthsInWords_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one foot") << "50" << QStringList{"9 feet 2,9 inches", "6 feet 6,2 inches", "1 foot 4,3 inches"};
    QTest::newRow("one inch") << "1,408" << QStringList{"328 feet 1 inch", "231 feet 7,4 inches", "48 feet 2,8 inches"};
}

void WindowTest::lengthsInWords()
{
    QFETCH(QString, frequency);
    QFETCH(QStringList, names);
    enterFrequency(frequency);
    clickCalculate();
    QStringList actual;
    for (const char *name : {"Label4(0)", "Label4(1)", "Label4(2)"})
        actual << QAccessible::queryAccessibleInterface(control<QLabel>(name))->text(QAccessible::Name);
    QCOMPARE(actual, names);
}

void WindowTest::readableOnEveryPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    const auto scheme = [](QColor surface, QColor text, QColor highlight) {
        QPalette palette;
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, surface);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
            palette.setColor(role, text);
        palette.setColor(QPalette::Highlight, highlight);
        return palette;
    };
    const QPalette dark = scheme(QColor(0x2a, 0x2e, 0x32), QColor(0xfc, 0xfc, 0xfc), QColor(0x3d, 0xae, 0xe9));
    const QPalette highContrast = scheme(Qt::black, Qt::white, Qt::cyan);
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << dark;
    QTest::newRow("high contrast") << highContrast;
}

// Text, caret and selection in the boxes stay readable on their fixed
// backgrounds (4.5 : 1 at least) whatever the desktop's colour scheme; the
// rest of the window follows the scheme. The pictures are left in the folder
// the build gives, to look at.
void WindowTest::readableOnEveryPalette()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    QCoreApplication::processEvents(); // the window hears of the new palette from the event loop
    clickCalculate();
    auto *frequencyBox = control<QLineEdit>("Text1(0)");
    frequencyBox->setSelection(0, 2); // "21" selected, ",250" as plain text
    const QImage shot = m_window->grab().toImage();
    QCOMPARE(control<QLabel>("Label1(0)")->palette().color(QPalette::WindowText), palette.color(QPalette::WindowText));
    QApplication::setPalette(before);

    const qreal scale = shot.devicePixelRatio();
    for (const char *name : {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"}) {
        const QLineEdit *box = control<QLineEdit>(name);
        const QRect inner = box->geometry().adjusted(3, 3, -3, -3);
        QVERIFY2(textContrast(shot, QRect(inner.topLeft() * scale, inner.size() * scale)) >= 4.5, name);
    }
    const QColor selection = frequencyBox->palette().color(QPalette::Highlight);
    QVERIFY(contrast(selection, frequencyBox->palette().color(QPalette::Base)) >= 4.5);
    QVERIFY(contrast(selection, frequencyBox->palette().color(QPalette::HighlightedText)) >= 4.5);
    QVERIFY(shot.save(qEnvironmentVariable("MORVANE_PICTURES", QDir::tempPath()) + "/window-"
                      + QString(QTest::currentDataTag()).replace(' ', '-') + ".png"));
}

void WindowTest::labelsFit_data()
{
    QTest::addColumn<QString>("frequency");
    for (const char *frequency : {"1", "1,8", "21,25", "1000"})
        QTest::newRow(frequency) << frequency;
}

// Run at every scale factor: each label's text fits it, every control lies
// inside the window, and no two overlap.
void WindowTest::labelsFit()
{
    QFETCH(QString, frequency);
    enterFrequency(frequency);
    clickCalculate();
    const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
    for (const QWidget *w : controls) {
        const auto *label = qobject_cast<const QLabel *>(w);
        if (label)
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(describe(label)));
        QVERIFY2(m_window->rect().contains(w->geometry()), qPrintable(describe(w)));
        for (const QWidget *other : controls)
            QVERIFY2(other == w || !other->geometry().intersects(w->geometry()),
                     qPrintable(describe(w) + " overlaps " + describe(other)));
    }
}

void WindowTest::typing_data()
{
    QTest::addColumn<KeyPresses>("keys");
    QTest::addColumn<QString>("text"); // starting from "21,250", all selected

    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    const KeyPress end{Qt::Key_End, {}, ""};
    // clang-format off
    QTest::newRow("digits replace the selection") << typed("145") << "145";
    QTest::newRow("point types a comma") << typed("7.1") << "7,1";
    QTest::newRow("keypad point") << typed("7") + KeyPresses{{Qt::Key_Period, Qt::KeypadModifier, "."}} + typed("1")
                                  << "7,1";
    QTest::newRow("second comma") << KeyPresses{end} + typed(",.") << "21,250";
    QTest::newRow("second comma over the selection") << typed(".") << "21,250";
    QTest::newRow("minus, letters, blanks, signs") << typed("-a Z+e/") << "21,250";
    QTest::newRow("two characters at once") << KeyPresses{{Qt::Key_unknown, {}, "12"}} << "21,250";
    QTest::newRow("Backspace") << KeyPresses{end, {Qt::Key_Backspace, {}, "\b"}} << "21,25";
    QTest::newRow("Delete on X11") << KeyPresses{{Qt::Key_Home, {}, ""}, {Qt::Key_Delete, {}, "\x7f"}} << "1,250";
    QTest::newRow("arrows move the caret") << KeyPresses{end, {Qt::Key_Left, {}, ""}} + typed("9") << "21,2590";
    QTest::newRow("Enter and Escape") << KeyPresses{{Qt::Key_Return, {}, "\r"}, {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
                                                    {Qt::Key_Escape, {}, "\x1b"}} << "21,250";
    QTest::newRow("Ctrl+C and Ctrl+V on X11") << KeyPresses{{Qt::Key_C, ctrl, "\x03"}, end, {Qt::Key_V, ctrl, "\x16"}}
                                              << "21,250";
    QTest::newRow("Ctrl+X") << KeyPresses{{Qt::Key_X, ctrl, "x"}} << "21,250";
    QTest::newRow("Ctrl+A and Ctrl+Z") << KeyPresses{end, {Qt::Key_A, ctrl, "a"}, {Qt::Key_5, {}, "5"},
                                                    {Qt::Key_Z, ctrl, "z"}} + typed("7") << "21,25057";
    QTest::newRow("Ctrl with a digit") << KeyPresses{end, {Qt::Key_5, ctrl, "5"}} << "21,250";
    QTest::newRow("AltGr") << KeyPresses{end, {Qt::Key_7, ctrl | Qt::AltModifier, "7"}} << "21,2507";
    // clang-format on
}

// Enter presses no button either: the results stay as they were.
void WindowTest::typing()
{
    QFETCH(KeyPresses, keys);
    QFETCH(QString, text);
    auto *frequency = control<QLineEdit>("Text1(0)");
    frequency->selectAll();
    for (const KeyPress &press : keys)
        QTest::sendKeyEvent(QTest::Click, frequency, press.key, press.text, press.modifiers);
    QCOMPARE(frequency->text(), text);
    QCOMPARE(control<QLineEdit>("Text1(1)")->text(), QStringLiteral(" "));
    if (hasKeyboardFocus())
        QCOMPARE(QApplication::clipboard()->text(), clipboardText);
}

void WindowTest::resultBoxesTakeNoTyping()
{
    clickCalculate();
    auto *overall = control<QLineEdit>("Text1(1)");
    overall->selectAll();
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    for (const KeyPress &press : typed("5,.-x")
                                     + KeyPresses{{Qt::Key_Backspace, {}, "\b"},
                                                  {Qt::Key_Delete, {}, ""},
                                                  {Qt::Key_C, ctrl, "c"},
                                                  {Qt::Key_X, ctrl, "x"},
                                                  {Qt::Key_V, ctrl, "v"},
                                                  {Qt::Key_Z, ctrl, "z"}})
        QTest::sendKeyEvent(QTest::Click, overall, press.key, press.text, press.modifiers);
    QCOMPARE(overall->text(), QStringLiteral("6,63"));
    if (hasKeyboardFocus())
        QCOMPARE(QApplication::clipboard()->text(), clipboardText);
}

void WindowTest::inputMethodTextIsDropped()
{
    auto *frequency = control<QLineEdit>("Text1(0)");
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("é-,x"));
    QCoreApplication::sendEvent(frequency, &composed);
    QCOMPARE(frequency->text(), QStringLiteral("21,250"));
    QVERIFY(!frequency->testAttribute(Qt::WA_InputMethodEnabled));
}

// Tab, Shift+Tab and a click each select the whole text of the box they
// reach; the click after that places the caret.
void WindowTest::focusSelectsWholeText()
{
    if (!hasKeyboardFocus())
        QSKIP("the platform gives the window no keyboard focus (a compositor without a seat)");
    auto *frequency = control<QLineEdit>("Text1(0)");
    QCOMPARE(QApplication::focusWidget(), frequency);
    QCOMPARE(frequency->selectedText(), QStringLiteral("21,250"));
    clickCalculate();

    QStringList visited;
    for (int step = 0; step < 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        visited << QApplication::focusWidget()->objectName() + (box ? " " + box->selectedText() : QString());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    visited << QApplication::focusWidget()->objectName() + " "
                   + qobject_cast<QLineEdit *>(QApplication::focusWidget())->selectedText();
    QCOMPARE(visited,
             (QStringList{"cmdQuit",
                          "Text1(0) 21,250",
                          "Text1(1) 6,63",
                          "Text1(2) 4,68",
                          "Text1(3) 0,97",
                          "cmdCalc",
                          "Text1(3) 0,97"}));

    auto *coax = control<QLineEdit>("Text1(2)");
    QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(coax->selectedText(), QStringLiteral("4,68"));
    QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!coax->hasSelectedText());
}

void WindowTest::programEnds_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("Quit button") << true;
    QTest::newRow("close box") << false;
}

void WindowTest::programEnds()
{
    QFETCH(bool, byQuitButton);
    QTimer::singleShot(0, m_window.get(), [&] {
        if (byQuitButton)
            control<QPushButton>("cmdQuit")->click();
        else
            m_window->close();
    });
    QTimer watchdog; // fires only if the program failed to end
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
