// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "calc/decimal_text.h"
#include "tests/window/rows.h"
#include "window/qt/frmhaupt.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// Keys as the platform delivers them, with their text: X11 puts "\x03" in
// the text of Ctrl+C, the offscreen platform "c".
using Keys = QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>>;

Keys typed(const QString &characters)
{
    Keys keys;
    for (const QChar c : characters)
        keys.append({Qt::Key(c.toUpper().unicode()), {}, c});
    return keys;
}

// The result rows from "metres|whole feet|inches|the length in words" for
// each row in turn.
QStringList results(const QString &texts)
{
    const QStringList t = texts.split('|');
    QStringList entries;
    for (int row = 0, i = 0; row < 3; ++row, i += 4)
        entries << QStringLiteral("Text1(%1) %2").arg(row + 1).arg(t[i])
                << QStringLiteral("Label4(%1) %2").arg(row).arg(t[i + 1])
                       + (t[i + 3].isEmpty() ? "" : " [" + t[i + 3] + "]")
                << QStringLiteral("Label2(%1) %2").arg(row + 7).arg(t[i + 2]);
    return entries;
}

// A control by its name in the code, its text, in brackets the name a label
// has for a screen reader, and whether its text is cut off.
QString described(const QWidget *widget)
{
    const QString text = widget->isWindow() ? widget->windowTitle() : widget->property("text").toString();
    const QString said = qobject_cast<const QLabel *>(widget) ? widget->accessibleName() : QString();
    const bool cut = widget->fontMetrics().horizontalAdvance(text) > widget->contentsRect().width();
    return widget->objectName() + " " + text + (said.isEmpty() ? "" : " [" + said + "]") + (cut ? " cut off" : "");
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QGuiApplication::styleHints()->setCursorFlashTime(0); // a steady caret, for the pictures
        m_window = std::make_unique<frmHaupt>();
        // A modal box runs an event loop of its own, where this timer answers it:
        // no test can hang on one, and one that no test expected fails in cleanup.
        auto *boxAnswerer = new QTimer(m_window.get()); // gone with the window
        connect(boxAnswerer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_warnings << box->windowTitle() + ": " + box->text()
                                  + (box->icon() == QMessageBox::Warning ? "" : " [no warning sign]");
                box->done(QMessageBox::Ok);
            }
        });
        boxAnswerer->start(20);

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // Active, with the focus in the frequency box: on Wayland the seat decides when.
        QTRY_COMPARE(QApplication::focusWidget(), control("Text1(0)"));
        QApplication::clipboard()->setText(QStringLiteral("99 -x"));
    }

    void cleanup()
    {
        m_window.reset();
        QCOMPARE(std::exchange(m_warnings, {}), QStringList());
    }

    void looks_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::palette();
        // Qt works out the text, base and shades from the surface: white on black here.
        QTest::newRow("dark") << QPalette(QColor(0x2a, 0x2e, 0x32), QColor(0x2a, 0x2e, 0x32));
        QTest::newRow("high-contrast") << QPalette(Qt::black, Qt::black);
    }

    // Every place, font, colour and text, after 21,250 Mc with the frequency
    // selected for retyping, under each colour scheme, and in the light one at
    // each scale factor: the pictures in docs/, one set for each minor
    // version of Qt, whose font metrics round differently.
    // The boxes keep their own colours, black on green and yellow, white on
    // navy selected, readable on any scheme; the rest follows the scheme. A
    // changed picture lands in the build's pictures folder, to look at.
    void looks()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the window hears of the new palette from the event loop
        calculateAt(QStringLiteral("21,250"));
        control("Text1(0)")->setFocus();
        QImage shot = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = shot.devicePixelRatio();
        shot.setDevicePixelRatio(1); // compared pixel for pixel
        QApplication::setPalette(before);
        const QString name = QStringLiteral("/window-%1%2.png")
                                 .arg(QTest::currentDataTag(), scale == 1 ? "" : "-scale-" + QString::number(scale));
        shot.save(qEnvironmentVariable("MORVANE_PICTURES", QDir::tempPath()) + name);
        QCOMPARE(shot, QImage(QStringLiteral(MORVANE_REFERENCE_PICTURES) + name).convertToFormat(QImage::Format_RGB32));
    }

    // The start-up texts, then the rows every window shows alike.
    void calculate_data()
    {
        QTest::addColumn<QStringList>("frequencies"); // each typed and calculated in turn
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QString>("warning");

        // clang-format off
        QTest::newRow("start-up") << QStringList() << QStringList{"frmHaupt MorvaneCalc by QQ7NV",
            "Label1(0) Frequency", "Label1(1) Length", "Label1(2) Lcoax", "Label1(3) Lstub", "Text1(0) 21,250",
            "Label2(0) Mc [megacycles]", "Label2(1) m [metres]", "Label2(2) m [metres]", "Label2(3) m [metres]",
            "cmdCalc Calculate", "cmdQuit Quit", "Label3 www.qq7nv.example"} + results(" |( 00'|00,0'' )|| |( 00'|"
            "00,0'' )|| |( 00'|00,0'' )|") << "";
        // clang-format on
        for (const CalculateRow &row : calculateRows) {
            QStringList frequencies;
            for (const std::string &frequency : row.frequencies)
                frequencies << QString::fromStdString(frequency);
            QTest::newRow(row.name) << frequencies << results(QString::fromUtf8(row.results))
                                    << (row.warning ? QStringLiteral("MorvaneCalc by QQ7NV: ") + row.warning : "");
        }
    }

    // After a warning the result boxes are empty, the feet and inches are
    // those of the last good calculation, and the frequency is selected for
    // retyping.
    void calculate()
    {
        QFETCH(QStringList, frequencies);
        QFETCH(QStringList, controls);
        QFETCH(QString, warning);
        for (const QString &frequency : frequencies)
            calculateAt(frequency);
        QStringList shown;
        for (const QString &expected : controls) // each control by its object name, the window's first
            shown << described(control(qPrintable(expected.section(' ', 0, 0))));
        QCOMPARE(shown, controls);
        if (!frequencies.isEmpty()) // the conversions share one set of working values, the stub row's last
            QCOMPARE(QString::fromStdString(m_window->workingValues().FeetInches.InchesText),
                     control<QLabel>("Label2(9)")->text());
        if (!warning.isEmpty()) {
            QCOMPARE(std::exchange(m_warnings, {}), QStringList{warning});
            QTRY_COMPARE(QApplication::focusWidget(), control("Text1(0)")); // once the window is active again
            QCOMPARE(control<QLineEdit>("Text1(0)")->selectedText(), frequencies.last());
        }
    }

    // From 10 to the power of -16 Mc to 10 to the 11, and either side of the
    // border at 0,0462 Mc (3047,62 m, 9998 feet): each result shows whole and
    // nothing is drawn over anything, or, below the border, where the whole
    // feet would run into the unit, a warning says the frequency is too small.
    void everyLengthWhole()
    {
        QStringList frequencies{"0,0461", "0,0462"};
        for (int exponent = -16; exponent <= 11; ++exponent)
            frequencies << (exponent < 0 ? "0," + QString(-exponent - 1, '0') + '1' : '1' + QString(exponent, '0'));
        for (const QString &f : frequencies) {
            calculateAt(f);
            const bool belowTheBorder = calc::DecimalText::read(f.toStdString()).value() < 0.0462;
            QVERIFY2(std::exchange(m_warnings, {}).join("").contains("too small") == belowTheBorder, qPrintable(f));
            m_window->grab(); // the boxes lay out their texts as they paint
            QRegion drawn;
            for (QWidget *w : m_window->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<const QLabel *>(w); // draws only its text
                const QRect r = label ? w->fontMetrics().boundingRect(w->geometry(), label->alignment(), label->text())
                                      : w->geometry();
                QVERIFY2(!drawn.intersects(r), qPrintable(f + " draws " + w->objectName() + " over another"));
                drawn += r;
                // Its text starts inside its frame (of 2 pixels at most), not scrolled away to the left.
                if (auto *box = qobject_cast<QLineEdit *>(w); box && box->isReadOnly())
                    QVERIFY2(box->cursorPositionAt(QPoint(2, box->height() / 2)) == 0, qPrintable(f + " cuts a box"));
            }
        }
    }

    // The keys each box takes and refuses.
    void typing_data()
    {
        QTest::addColumn<int>("box"); // the Text1 element typed into, with all of its text selected
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("text"); // it shows then

        const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
        // Every printable character that cannot belong to a number.
        const QString others = " !\"#$%&'()*+-/:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
        // clang-format off
        QTest::newRow("digits") << 0 << typed("0123456789") << "0123456789";
        QTest::newRow("point types a comma, a second refused") << 0 << typed("7.1,") << "7,1";
        QTest::newRow("comma types a comma") << 0 << Keys{{Qt::Key_Backspace, {}, "\b"}} + typed(",5") << ",5";
        QTest::newRow("second comma over the selection") << 0 << typed(",.") << "21,250";
        QTest::newRow("minus, letters, blanks, signs") << 0 << typed(others) << "21,250";
        QTest::newRow("two characters at once") << 0 << Keys{{Qt::Key_unknown, {}, "12"}} << "21,250";
        QTest::newRow("Backspace, Delete, Enter, Escape") << 0 << Keys{{Qt::Key_End, {}, ""}, {Qt::Key_Backspace, {},
            "\b"}, {Qt::Key_Home, {}, ""}, {Qt::Key_Delete, {}, "\x7f"}, {Qt::Key_Return, {}, "\r"}, {Qt::Key_Enter, {},
            "\r"}, {Qt::Key_Escape, {}, "\x1b"}} << "1,25";
        QTest::newRow("Ctrl+C, Ctrl+X, Ctrl+V on X11") << 0 << Keys{{Qt::Key_C, ctrl, "\x03"},
            {Qt::Key_X, ctrl, "\x18"}, {Qt::Key_End, {}, ""}, {Qt::Key_V, ctrl, "\x16"}} << "21,250";
        QTest::newRow("Ctrl+Right, Ctrl+A, Ctrl+Z") << 0 << Keys{{Qt::Key_Right, ctrl, ""}, {Qt::Key_A, ctrl, "a"},
            {Qt::Key_5, {}, "5"}, {Qt::Key_Z, ctrl, "z"}} << "21,2505";
        QTest::newRow("result box: digits, Ctrl+C, Ctrl+X") << 1 << typed("5") + Keys{{Qt::Key_C, ctrl, "c"},
            {Qt::Key_X, ctrl, "x"}} << " ";
        // clang-format on
    }

    // Typing never calculates, and no key reaches the clipboard.
    void typing()
    {
        QFETCH(int, box);
        QFETCH(Keys, keys);
        QFETCH(QString, text);
        auto *typedInto = control<QLineEdit>(qPrintable(QStringLiteral("Text1(%1)").arg(box)));
        typedInto->setFocus(Qt::TabFocusReason); // keys then pass the window's shortcuts, as a user's do
        for (const auto &[key, modifiers, characters] : keys)
            QTest::sendKeyEvent(QTest::Click, m_window->windowHandle(), key, characters, modifiers);
        QCOMPARE(typedInto->text(), text);
        QCOMPARE(control<QLineEdit>("Text1(3)")->text(), QStringLiteral(" "));
        // A shortcut's button shows down first and is clicked a moment later.
        QVERIFY(std::ranges::none_of(m_window->findChildren<QPushButton *>(), &QAbstractButton::isDown));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99 -x"));
    }

    // The focus lands in the frequency box at start-up; Tab, Shift+Tab and a
    // click each select the whole text of the box they reach, and the click
    // after that places the caret.
    void focusSelectsWholeText()
    {
        QStringList visited;
        const auto visit = [&](Qt::Key key) {
            QWidget *focus = QApplication::focusWidget();
            const auto *box = qobject_cast<QLineEdit *>(focus);
            visited << focus->objectName() + (box ? " " + box->selectedText() : "");
            QTest::keyClick(focus, key);
        };
        visit(Qt::Key_Tab);
        calculateAt(QStringLiteral("21,250"));
        for (int step = 0; step < 8; ++step)
            visit(step == 6 ? Qt::Key_Backtab : Qt::Key_Tab);
        QCOMPARE(visited,
                 QString("Text1(0) 21,250|cmdCalc|cmdQuit|Text1(0) 21,250|Text1(1) 6,63|Text1(2) 4,68|"
                         "Text1(3) 0,97|cmdCalc|Text1(3) 0,97")
                     .split('|'));

        auto *coax = control<QLineEdit>("Text1(2)");
        QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(coax->selectedText(), QStringLiteral("4,68"));
        QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!coax->hasSelectedText());
        QAccessible::queryAccessibleInterface(coax)->textInterface()->addSelection(1, 3); // assistive technology's
        QCOMPARE(coax->selectedText(), QStringLiteral(",6"));
        for (QLineEdit *box : m_window->findChildren<QLineEdit *>()) // as Qt's own line edits say of themselves
            QVERIFY(QAccessible::queryAccessibleInterface(box)->state().selectableText);
    }

    // Text that comes otherwise than by keys: composed (input method) text is
    // dropped, while a paste reaches the box unfiltered, where the caret was
    // before the menu opened, and Calculate says what is wrong with it.
    void textNotTyped()
    {
        auto *frequency = control<QLineEdit>("Text1(0)");
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("é-,x"));
        QCoreApplication::sendEvent(frequency, &composed);
        QVERIFY(!frequency->testAttribute(Qt::WA_InputMethodEnabled)); // no input method composes in the box
        frequency->end(false);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), frequency->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(frequency, &rightClick);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P); // &Paste
        QCOMPARE(frequency->text(), QStringLiteral("21,25099 -x"));
        QTest::mouseClick(control<QPushButton>("cmdCalc"), Qt::LeftButton);
        QVERIFY(std::exchange(m_warnings, {}).join('\n').contains("is not a number"));
    }

    // Each at once and without a question (a box would be answered, and fail cleanup).
    void quitEndsTheProgram()
    {
        endsTheProgram([this] { control<QPushButton>("cmdQuit")->click(); });
    }
    void closeBoxEndsTheProgram()
    {
        endsTheProgram([this] { m_window->close(); });
    }

    // What Qt's own frame on Wayland does on its maximize button. The window
    // may show maximized for a moment, and the program stays up at its size.
    void maximizeFromTheFrame()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("only Qt's own frame on Wayland asks a fixed window to maximize");
        m_window->windowHandle()->setWindowStates(m_window->windowHandle()->windowStates() ^ Qt::WindowMaximized);
        // Free to take the screen at once, and fixed again once it is back.
        QCOMPARE(m_window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QTRY_COMPARE(m_window->maximumSize(), QSize(249, 183));
        QCOMPARE(m_window->size(), QSize(249, 183));
    }

private:
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return name == m_window->objectName() ? qobject_cast<T *>(m_window.get())
                                              : m_window->findChild<T *>(QLatin1String(name));
    }
    void endsTheProgram(const std::function<void()> &end)
    {
        QTimer::singleShot(5000, m_window.get(), [] { QCoreApplication::exit(1); }); // only if it did not end
        QTimer::singleShot(0, m_window.get(), end);
        QCOMPARE(QApplication::exec(), 0);
    }
    void calculateAt(const QString &frequency)
    {
        control<QLineEdit>("Text1(0)")->setText(frequency);
        QTest::mouseClick(control<QPushButton>("cmdCalc"), Qt::LeftButton);
    }

    std::unique_ptr<frmHaupt> m_window;
    QStringList m_warnings; // every modal box that came up, answered with OK
};

// Not QTEST_MAIN: a Wayland client leaves without disconnecting, because Qt
// 6.4's client can deadlock as it disconnects, its two event threads each
// waiting for the other.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WindowTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        std::_Exit(failed);
    return failed;
}
#include "window_test.moc"
