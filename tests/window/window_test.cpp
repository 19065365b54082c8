// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/frmhaupt.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <utility>

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
                const QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
                m_warnings << box->windowTitle() + ": " + box->text()
                                  + (alert->role() == QAccessible::AlertMessage ? "" : " [no alert]")
                                  + (alert->text(QAccessible::Description) == box->text() ? "" : " [not read out]")
                                  + (box->icon() == QMessageBox::Warning ? "" : " [no warning sign]");
                box->done(QMessageBox::Ok);
            }
        });
        boxAnswerer->start(20);

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
    // each scale factor: the pictures in docs/.
    // The boxes keep their own colours, black on green and yellow, white on
    // navy selected, readable on any scheme; the rest follows the scheme. A
    // changed picture lands in the build's pictures folder, to look at.
    void looks()
    {
        if (!m_keyboard)
            QSKIP("the pictures show the active window, which a compositor without a seat never has");
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
        QCOMPARE(shot, QImage(QFINDTESTDATA("../../docs" + name)).convertToFormat(QImage::Format_RGB32));
    }

    void calculate_data()
    {
        QTest::addColumn<QStringList>("frequencies"); // each typed and calculated in turn
        QTest::addColumn<QString>("controls");        // the end of the list calculate() makes
        QTest::addColumn<QString>("warning");

        const QString caption = QStringLiteral("MorvaneCalc by QQ7NV: The frequency ");
        // clang-format off
        const QString boxes = "Text1(1) %1 [Length over all, m: Length over all] read-only|Text1(2) %2 [Length of "
            "coaxial cable, m: Length of coaxial cable] read-only|Text1(3) %3 [Length of stub, m: Length of stub for "
            "tuning this antenna] read-only|cmdCalc Calculate|cmdQuit Quit [Quit: Quit this program]|"
            "Label3 www.qq7nv.example|";
        const QString kept = boxes.arg("", "", "") + "Label4(0) ( 65'  [65 feet 0,7 inches]|Label4(1) ( 45'  [45 feet "
            "11,2 inches]|Label4(2) ( 9'  [9 feet 6,8 inches]|Label2(7) 0,7'' ) [] silent|Label2(8) 11,2'' ) [] "
            "silent|Label2(9) 6,8'' ) [] silent";
        QTest::newRow("start-up") << QStringList() << "MorvaneCalc by QQ7NV|Label1(0) Frequency|Label1(1) Length|"
            "Label1(2) Lcoax|Text1(0) 21,250 [Frequency, Mc: Type center of frequency here]|Label1(3) Lstub|"
            "Label2(0) Mc|Label2(1) m|Label2(2) m|Label2(3) m|" + boxes.arg(" ", " ", " ") + "Label4(0) ( 00'|"
            "Label4(1) ( 00'|Label4(2) ( 00'|Label2(7) 00,0'' ) [] silent|Label2(8) 00,0'' ) [] silent|"
            "Label2(9) 00,0'' ) [] silent" << "";
        QTest::newRow("one foot") << QStringList{"50"} << "Label4(2) ( 1'  [1 foot 4,3 inches]|Label2(7) 2,9'' ) "
            "[] silent|Label2(8) 6,2'' ) [] silent|Label2(9) 4,3'' ) [] silent" << "";
        QTest::newRow("one inch") << QStringList{"1,408"} << boxes.arg("100", "70,6", "14,7") + "Label4(0) ( 328'  "
            "[328 feet 1 inch]|Label4(1) ( 231'  [231 feet 7,4 inches]|Label4(2) ( 48'  [48 feet 2,8 inches]|"
            "Label2(7) 1'' ) [] silent|Label2(8) 7,4'' ) [] silent|Label2(9) 2,8'' ) [] silent" << "";
        QTest::newRow("not a number") << QStringList{"7,1", ""} << kept << caption + "is not a number. Type the "
            "centre frequency of the band in Mc, with digits and at most one comma, for example 21,250.";
        QTest::newRow("zero") << QStringList{"7,1", "0"} << kept << caption + "is zero, and an antenna for zero Mc "
            "has no length. Type a frequency above zero, for example 21,250.";
        QTest::newRow("too large") << QStringList{"7,1", QString(400, '9')} << kept << caption + "is too large to "
            "calculate with. Type the centre frequency of the band in Mc, for example 21,250.";
        // The metres still fit a double, the inches would not.
        QTest::newRow("too small") << QStringList{"7,1", "0," + QString(304, '0') + "1408"} << kept << caption
            + "is too small: the antenna would be longer than any length this program can show. Type a larger "
            "frequency, for example 21,250.";
        // clang-format on
    }

    // Every control in the order a screen reader finds them: its name in the
    // code, its text, and in brackets what a screen reader says of it where
    // that is something else. A length is read once, in words. After a
    // warning the result boxes are empty, the feet and inches are those of the
    // last good calculation, and the frequency is selected for retyping.
    void calculate()
    {
        QFETCH(QStringList, frequencies);
        QFETCH(QString, controls);
        QFETCH(QString, warning);
        for (const QString &frequency : frequencies)
            calculateAt(frequency);
        const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        QStringList found{window->text(QAccessible::Name)};
        for (int i = 0; i < window->childCount(); ++i) {
            const QAccessibleInterface *child = window->child(i);
            const QString text = child->object()->property("text").toString();
            const QString description = child->text(QAccessible::Description);
            const QString said = child->text(QAccessible::Name) + (description.isEmpty() ? "" : ": " + description);
            found << child->object()->objectName() + " " + text + (said == text ? "" : " [" + said + "]")
                         + (child->role() == QAccessible::EditableText && child->state().readOnly ? " read-only" : "")
                         + (child->state().invisible ? " silent" : "");
        }
        QCOMPARE(found.join('|').right(controls.size()), controls);
        if (!warning.isEmpty()) {
            QCOMPARE(std::exchange(m_warnings, {}), QStringList{warning});
            if (m_keyboard) {
                QTRY_COMPARE(QApplication::focusWidget(), control("Text1(0)")); // once the window is active again
                QCOMPARE(control<QLineEdit>("Text1(0)")->selectedText(), frequencies.last());
            }
        }
    }

    void typing_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("text"); // of the frequency box, which starts with "21,250" all selected

        const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
        // clang-format off
        QTest::newRow("point types a comma") << typed("7.1") << "7,1";
        QTest::newRow("second comma over the selection") << typed(".") << "21,250";
        QTest::newRow("minus, letters, blanks, signs") << typed("-a Z+e/") << "21,250";
        QTest::newRow("two characters at once") << Keys{{Qt::Key_unknown, {}, "12"}} << "21,250";
        QTest::newRow("Ctrl+C and Ctrl+V on X11") << Keys{{Qt::Key_C, ctrl, "\x03"}, {Qt::Key_End, {}, ""},
            {Qt::Key_V, ctrl, "\x16"}} << "21,250";
        QTest::newRow("Ctrl+Right, Ctrl+A, Ctrl+Z") << Keys{{Qt::Key_Right, ctrl, ""}, {Qt::Key_A, ctrl, "a"},
            {Qt::Key_5, {}, "5"}, {Qt::Key_Z, ctrl, "z"}} << "21,2505";
        // clang-format on
    }

    // No key reaches the clipboard either.
    void typing()
    {
        QFETCH(Keys, keys);
        QFETCH(QString, text);
        auto *frequency = control<QLineEdit>("Text1(0)");
        frequency->selectAll();
        for (const KeyPress &press : keys)
            QTest::sendKeyEvent(QTest::Click, frequency, press.key, press.text, press.modifiers);
        QCOMPARE(frequency->text(), text);
        if (m_keyboard)
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99 -x"));
    }

    void inputMethodTextIsDropped()
    {
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("é-,x"));
        QCoreApplication::sendEvent(control("Text1(0)"), &composed);
        QCOMPARE(control<QLineEdit>("Text1(0)")->text(), QStringLiteral("21,250"));
        QVERIFY(!control("Text1(0)")->testAttribute(Qt::WA_InputMethodEnabled));
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
        QCOMPARE(visited.join('|'),
                 QStringLiteral("Text1(0) 21,250|cmdCalc|cmdQuit|Text1(0) 21,250|Text1(1) 6,63|Text1(2) 4,68|"
                                "Text1(3) 0,97|cmdCalc|Text1(3) 0,97"));

        auto *coax = control<QLineEdit>("Text1(2)");
        QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(coax->selectedText(), QStringLiteral("4,68"));
        QTest::mouseClick(coax, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!coax->hasSelectedText());
        QFocusEvent backFromContextMenu(QEvent::FocusIn, Qt::PopupFocusReason); // the caret stays after a Paste
        QCoreApplication::sendEvent(coax, &backFromContextMenu);
        QVERIFY(!coax->hasSelectedText());
    }

    void quitEndsTheProgram()
    {
        // Only if the program failed to end; gone with the window.
        QTimer::singleShot(5000, m_window.get(), [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, control<QPushButton>("cmdQuit"), &QPushButton::click);
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
    QStringList m_warnings; // every modal box that came up, answered with OK
    bool m_keyboard = true; // whether the platform gives the window keyboard focus and a clipboard
};

// Not QTEST_MAIN: a Wayland client leaves without disconnecting, because Qt
// 6.4's client can deadlock as it disconnects, its two event threads each
// waiting for the other.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int failed = QTest::qExec(&test, argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        std::_Exit(failed);
    return failed;
}
#include "window_test.moc"
