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
#include <QtTest>

#include <memory>

namespace {

// A key as the platform delivers it: X11 puts "\x03" in the text of Ctrl+C,
// the offscreen platform "c".
struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
using Keys = QList<KeyPress>;

Keys typed(const QString &characters)
{
    Keys keys;
    for (const QChar c : characters)
        keys.append({Qt::Key(c.toUpper().unicode()), {}, c});
    return keys;
}

QString n(double value)
{
    return QString::number(value);
}

// One line per control: place, font, text, alignment and what colours it draws in.
QString describe(const QWidget *w)
{
    const QFontInfo font(w->font());
    QString line = w->objectName() + " " + n(w->x()) + "," + n(w->y()) + " " + n(w->width()) + "x" + n(w->height())
                   + " " + font.family() + " " + n(w->font().pointSizeF()) + (font.bold() ? " bold" : "");
    if (const auto *label = qobject_cast<const QLabel *>(w))
        line += " \"" + label->text() + "\" " + QString::number(label->alignment(), 16)
                + (label->textFormat() == Qt::PlainText ? "" : " rich");
    if (const auto *box = qobject_cast<const QLineEdit *>(w)) {
        const QPalette &p = box->palette();
        line += " \"" + box->text() + "\" " + QString::number(box->alignment(), 16)
                + (box->isReadOnly() ? " read-only " : " ") + p.color(QPalette::Text).name() + " on "
                + p.color(QPalette::Base).name() + ", " + p.color(QPalette::HighlightedText).name() + " on "
                + p.color(QPalette::Highlight).name();
    }
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        line += " \"" + button->text() + (button->autoDefault() ? "\" auto-default" : "\"");
    return line + (w->toolTip().isEmpty() ? "" : " tip \"" + w->toolTip() + "\"");
}

// WCAG 2 contrast ratio of two colours.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // A modal box runs an event loop of its own, where this timer answers it:
        // no test can hang on one, and one that no test expected fails in cleanup.
        m_warnings.clear();
        connect(&m_boxAnswerer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                const QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
                m_warnings << box->windowTitle() + ": " + box->text()
                                  + (alert->role() == QAccessible::AlertMessage ? "" : " [no alert]")
                                  + (alert->text(QAccessible::Description) == box->text() ? "" : " [not read out]")
                                  + (box->icon() == QMessageBox::Warning ? "" : " [no warning sign]");
                box->done(QMessageBox::Ok);
            }
        });
        m_boxAnswerer.start(20);

        m_window = std::make_unique<frmHaupt>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // A headless compositor has no seat: no keyboard focus, no clipboard.
        m_keyboard = QGuiApplication::platformName() != QLatin1String("wayland");
        if (m_keyboard) {
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QApplication::clipboard()->setText(QStringLiteral("99 -x"));
        }
    }

    void cleanup()
    {
        m_window.reset();
        m_boxAnswerer.stop();
        m_boxAnswerer.disconnect();
        QCOMPARE(m_warnings, QStringList());
    }

    void startUp()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("MorvaneCalc by QQ7NV"));
        QCOMPARE(m_window->minimumSize(), QSize(249, 183));
        QCOMPARE(m_window->maximumSize(), QSize(249, 183));
        QStringList controls;
        for (const QWidget *w : m_window->findChildren<QWidget *>())
            controls << describe(w);
        const QString box = QStringLiteral("Liberation Sans 8.25 bold \"");
        const QString green = QStringLiteral("#000000 on #c0ffc0, #ffffff on #000080 tip \"");
        const QString yellow = QStringLiteral(" read-only #000000 on #ffff80, #ffffff on #000080 tip \"");
        // clang-format off
        QCOMPARE(controls, (QStringList{
            "Label1(0) 13,19 53x13 Liberation Sans 8.25 \"Frequency\" 21",
            "Label1(1) 13,43 53x13 Liberation Sans 8.25 \"Length\" 21",
            "Label1(2) 13,67 53x13 Liberation Sans 8.25 \"Lcoax\" 21",
            "Text1(0) 73,16 54x19 " + box + "21,250\" 84 " + green + "Type center of frequency here\"",
            "Label1(3) 13,91 53x13 Liberation Sans 8.25 \"Lstub\" 21",
            "Label2(0) 136,19 27x13 Liberation Sans 8.25 \"Mc\" 24",
            "Label2(1) 136,43 27x13 Liberation Sans 8.25 \"m\" 24",
            "Label2(2) 136,67 27x13 Liberation Sans 8.25 \"m\" 24",
            "Label2(3) 136,91 27x13 Liberation Sans 8.25 \"m\" 24",
            "Text1(1) 73,40 54x19 " + box + " \" 82" + yellow + "Length over all\"",
            "Text1(2) 73,64 54x19 " + box + " \" 82" + yellow + "Length of coaxial cable\"",
            "Text1(3) 73,88 54x19 " + box + " \" 82" + yellow + "Length of stub for tuning this antenna\"",
            "cmdCalc 56,120 67x25 Liberation Sans 8.25 \"Calculate\"",
            "cmdQuit 128,120 67x25 Liberation Sans 8.25 \"Quit\" tip \"Quit this program\"",
            "Label3 0,160 249x17 DejaVu Sans 9 \"www.qq7nv.example\" 24",
            "Label4(0) 168,43 27x17 Liberation Sans 8.25 \"( 00'\" 22",
            "Label4(1) 168,67 27x17 Liberation Sans 8.25 \"( 00'\" 22",
            "Label4(2) 168,91 27x17 Liberation Sans 8.25 \"( 00'\" 22",
            "Label2(7) 200,43 33x13 Liberation Sans 8.25 \"00,0'' )\" 22",
            "Label2(8) 200,67 33x13 Liberation Sans 8.25 \"00,0'' )\" 22",
            "Label2(9) 200,91 33x13 Liberation Sans 8.25 \"00,0'' )\" 22"}));
        // clang-format on
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("texts"); // the nine result texts, after a good calculation at 7,1 Mc

        const QString kept = QStringLiteral("|( 65' |0,7'' )||( 45' |11,2'' )||( 9' |6,8'' )");
        const QString caption = QStringLiteral("MorvaneCalc by QQ7NV: The frequency ");
        // clang-format off
        QTest::newRow("21,250 Mc") << "21,250" << "" << "6,63|( 21' |8,9'' )|4,68|( 15' |4,2'' )|0,97|( 3' |2,4'' )";
        QTest::newRow("not a number") << "" << caption + "is not a number. Type the centre frequency of the band in Mc, "
            "with digits and at most one comma, for example 21,250." << kept;
        QTest::newRow("zero") << "0" << caption + "is zero, and an antenna for zero Mc has no length. Type a frequency "
            "above zero, for example 21,250." << kept;
        QTest::newRow("too large") << QString(400, '9') << caption + "is too large to calculate with. Type the centre "
            "frequency of the band in Mc, for example 21,250." << kept;
        // The metres still fit a double, the inches would not.
        QTest::newRow("too small") << "0," + QString(304, '0') + "1408" << caption + "is too small: the antenna would be "
            "longer than any length this program can show. Type a larger frequency, for example 21,250." << kept;
        // clang-format on
    }

    // After a warning the boxes are empty, the feet and inches are those of the
    // last good calculation, and the frequency is selected for retyping.
    void calculate()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, warning);
        QFETCH(QString, texts);
        calculateAt(QStringLiteral("7,1"));
        calculateAt(frequency);
        QStringList shown;
        for (const char *name : {"Text1(1)",
                                 "Label4(0)",
                                 "Label2(7)",
                                 "Text1(2)",
                                 "Label4(1)",
                                 "Label2(8)",
                                 "Text1(3)",
                                 "Label4(2)",
                                 "Label2(9)"})
            shown << control(name)->property("text").toString();
        QCOMPARE(shown.join('|'), texts);
        QCOMPARE(m_warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
        m_warnings.clear();
        if (!warning.isEmpty() && m_keyboard) {
            QTRY_COMPARE(QApplication::focusWidget(), control("Text1(0)")); // once the window is active again
            QCOMPARE(control<QLineEdit>("Text1(0)")->selectedText(), frequency);
        }
    }

    void screenReader_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QStringList>("tail"); // the end of what a screen reader finds, in order

        const QString text = n(QAccessible::StaticText) + " ";
        const QString box = n(QAccessible::EditableText) + " ";
        const QString button = n(QAccessible::Button) + " ";
        // clang-format off
        QTest::newRow("whole window") << "21,250" << QStringList{
            text + "Frequency", text + "Length", text + "Lcoax", box + "Frequency, Mc: Type center of frequency here",
            text + "Lstub", text + "Mc", text + "m", text + "m", text + "m",
            box + "Length over all, m: Length over all", box + "Length of coaxial cable, m: Length of coaxial cable",
            box + "Length of stub, m: Length of stub for tuning this antenna",
            button + "Calculate", button + "Quit: Quit this program", text + "www.qq7nv.example",
            text + "21 feet 8,9 inches", text + "15 feet 4,2 inches", text + "3 feet 2,4 inches"};
        QTest::newRow("one foot") << "50" << QStringList{text + "1 foot 4,3 inches"};
        QTest::newRow("one inch") << "1,408" << QStringList{text + "328 feet 1 inch", text + "231 feet 7,4 inches",
                                                            text + "48 feet 2,8 inches"};
        // clang-format on
    }

    // Each result row is read once, as a length in words.
    void screenReader()
    {
        QFETCH(QString, frequency);
        QFETCH(QStringList, tail);
        calculateAt(frequency);
        QStringList tree;
        const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        for (int i = 0; i < window->childCount(); ++i) {
            const QAccessibleInterface *child = window->child(i);
            const QString description = child->text(QAccessible::Description);
            if (!child->state().invisible || !child->text(QAccessible::Name).isEmpty())
                tree << n(child->role()) + " " + child->text(QAccessible::Name) + (description.isEmpty() ? "" : ": ")
                            + description;
        }
        QCOMPARE(tree.mid(tree.size() - tail.size()), tail);
    }

    void readableOnEveryPalette_data()
    {
        QTest::addColumn<QPalette>("palette");
        const auto scheme = [](QColor surface, QColor text, QColor highlight) {
            QPalette palette;
            for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                palette.setColor(role, surface);
            for (const auto role :
                 {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
                palette.setColor(role, text);
            palette.setColor(QPalette::Highlight, highlight);
            return palette;
        };
        QTest::newRow("light") << QApplication::palette();
        QTest::newRow("dark") << scheme(QColor(0x2a, 0x2e, 0x32), QColor(0xfc, 0xfc, 0xfc), QColor(0x3d, 0xae, 0xe9));
        QTest::newRow("high contrast") << scheme(Qt::black, Qt::white, Qt::cyan);
    }

    // What is drawn in the boxes stays readable on their fixed backgrounds, at
    // 4.5 : 1 at least, whatever the desktop's colour scheme; the rest of the
    // window follows the scheme. The pictures go to the folder the build gives.
    void readableOnEveryPalette()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the window hears of the new palette from the event loop
        calculateAt(QStringLiteral("21,250"));
        const QImage shot = m_window->grab().toImage();
        QCOMPARE(control("Label1(0)")->palette().color(QPalette::WindowText), palette.color(QPalette::WindowText));
        QApplication::setPalette(before);

        for (const char *name : {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"}) {
            const QRect inner = control(name)->geometry().adjusted(3, 3, -3, -3);
            const QColor background = shot.pixelColor(inner.topLeft());
            double strongest = 1.0;
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x)
                    strongest = std::max(strongest, contrast(background, shot.pixelColor(x, y)));
            QVERIFY2(strongest >= 4.5, name);
            const QPalette &drawn = control(name)->palette();
            QVERIFY(contrast(drawn.color(QPalette::Highlight), drawn.color(QPalette::Base)) >= 4.5);
            QVERIFY(contrast(drawn.color(QPalette::Highlight), drawn.color(QPalette::HighlightedText)) >= 4.5);
        }
        QVERIFY(shot.save(qEnvironmentVariable("MORVANE_PICTURES", QDir::tempPath()) + "/window-"
                          + QString(QTest::currentDataTag()).replace(' ', '-') + ".png"));
    }

    void labelsFit_data()
    {
        QTest::addColumn<QString>("frequency");
        for (const char *frequency : {"1", "1,8", "21,25", "1000"})
            QTest::newRow(frequency) << frequency;
    }

    // Run at every scale factor: each label's text fits it, every control lies
    // inside the window, and no two overlap.
    void labelsFit()
    {
        QFETCH(QString, frequency);
        calculateAt(frequency);
        const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
        for (const QWidget *w : controls) {
            if (const auto *label = qobject_cast<const QLabel *>(w))
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(describe(label)));
            QVERIFY2(m_window->rect().contains(w->geometry()), qPrintable(describe(w)));
            for (const QWidget *other : controls)
                QVERIFY2(other == w || !other->geometry().intersects(w->geometry()), qPrintable(describe(w)));
        }
    }

    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Keys>("keys");
        // The texts of the frequency box, which starts with "21,250" all selected, and of overall.
        QTest::addColumn<QString>("texts");

        const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
        const KeyPress end{Qt::Key_End, {}, ""};
        // clang-format off
        QTest::newRow("point types a comma") << "Text1(0)" << typed("7.1") << "7,1| ";
        QTest::newRow("second comma over the selection") << "Text1(0)" << typed(".") << "21,250| ";
        QTest::newRow("minus, letters, blanks, signs") << "Text1(0)" << typed("-a Z+e/") << "21,250| ";
        QTest::newRow("two characters at once") << "Text1(0)" << Keys{{Qt::Key_unknown, {}, "12"}} << "21,250| ";
        QTest::newRow("Delete on X11") << "Text1(0)" << Keys{{Qt::Key_Home, {}, ""}, {Qt::Key_Delete, {}, "\x7f"}} << "1,250| ";
        QTest::newRow("Enter and Escape") << "Text1(0)" << Keys{{Qt::Key_Return, {}, "\r"},
            {Qt::Key_Enter, Qt::KeypadModifier, "\r"}, {Qt::Key_Escape, {}, "\x1b"}} << "21,250| ";
        QTest::newRow("Ctrl+C and Ctrl+V on X11") << "Text1(0)" << Keys{{Qt::Key_C, ctrl, "\x03"}, end,
            {Qt::Key_V, ctrl, "\x16"}} << "21,250| ";
        QTest::newRow("Ctrl+A and Ctrl+Z") << "Text1(0)" << Keys{end, {Qt::Key_A, ctrl, "a"}, {Qt::Key_5, {}, "5"},
            {Qt::Key_Z, ctrl, "z"}} << "21,2505| ";
        QTest::newRow("AltGr") << "Text1(0)" << Keys{end, {Qt::Key_Q, ctrl | Qt::AltModifier, "7"}} << "21,2507| ";
        QTest::newRow("result box") << "Text1(1)" << typed("5,.-x") + Keys{{Qt::Key_Backspace, {}, "\b"},
            {Qt::Key_Delete, {}, ""}, {Qt::Key_C, ctrl, "c"}, {Qt::Key_X, ctrl, "x"}, {Qt::Key_V, ctrl, "v"}}
            << "21,250|6,63";
        // clang-format on
    }

    // Enter presses no button either, and no key reaches the clipboard.
    void typing()
    {
        QFETCH(QString, box);
        QFETCH(Keys, keys);
        QFETCH(QString, texts);
        if (box != QLatin1String("Text1(0)"))
            calculateAt(QStringLiteral("21,250"));
        auto *target = m_window->findChild<QLineEdit *>(box);
        target->selectAll();
        for (const KeyPress &press : keys)
            QTest::sendKeyEvent(QTest::Click, target, press.key, press.text, press.modifiers);
        QCOMPARE(control<QLineEdit>("Text1(0)")->text() + "|" + control<QLineEdit>("Text1(1)")->text(), texts);
        if (m_keyboard)
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99 -x"));
    }

    void inputMethodTextIsDropped()
    {
        auto *frequency = control<QLineEdit>("Text1(0)");
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("é-,x"));
        QCoreApplication::sendEvent(frequency, &composed);
        QCOMPARE(frequency->text(), QStringLiteral("21,250"));
        QVERIFY(!frequency->testAttribute(Qt::WA_InputMethodEnabled));
    }

    // The focus lands in the frequency box at start-up; Tab, Shift+Tab and a
    // click each select the whole text of the box they reach, and the click
    // after that places the caret.
    void focusSelectsWholeText()
    {
        if (!m_keyboard)
            QSKIP("the platform gives the window no keyboard focus (a compositor without a seat)");
        QStringList visited;
        const auto visit = [&](Qt::Key key) {
            QWidget *focus = QApplication::focusWidget();
            const auto *box = qobject_cast<QLineEdit *>(focus);
            visited << focus->objectName() + (box ? " " + box->selectedText() : "");
            QTest::keyClick(focus, key);
        };
        visit(Qt::Key_Tab);
        calculateAt(QStringLiteral("21,250"));
        for (int step = 0; step < 6; ++step)
            visit(Qt::Key_Tab);
        visit(Qt::Key_Backtab);
        visit(Qt::Key_Tab);
        QCOMPARE(visited,
                 (QStringList{"Text1(0) 21,250",
                              "cmdCalc",
                              "cmdQuit",
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
        QFocusEvent backFromContextMenu(QEvent::FocusIn, Qt::PopupFocusReason); // the caret stays after a Paste
        QCoreApplication::sendEvent(coax, &backFromContextMenu);
        QVERIFY(!coax->hasSelectedText());
    }

    void programEnds_data()
    {
        QTest::addColumn<bool>("byQuitButton");
        QTest::newRow("Quit button") << true;
        QTest::newRow("close box") << false;
    }

    void programEnds()
    {
        QFETCH(bool, byQuitButton);
        QTimer watchdog; // fires only if the program failed to end
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        if (byQuitButton)
            QTimer::singleShot(0, control<QPushButton>("cmdQuit"), &QPushButton::click);
        else
            QTimer::singleShot(0, m_window.get(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

private:
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void calculateAt(const QString &frequency)
    {
        control<QLineEdit>("Text1(0)")->setText(frequency);
        QTest::mouseClick(control<QPushButton>("cmdCalc"), Qt::LeftButton);
    }

    std::unique_ptr<frmHaupt> m_window;
    QTimer m_boxAnswerer;
    QStringList m_warnings; // every modal box that came up, answered with OK
    bool m_keyboard = true; // whether the platform gives the window keyboard focus and a clipboard
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
