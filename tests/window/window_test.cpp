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
#include <QStyleHints>
#include <QtTest>

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
        // A modal box runs an event loop of its own, where this timer answers it:
        // no test can hang on one, and one that no test expected fails in cleanup.
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
        QGuiApplication::styleHints()->setCursorFlashTime(0); // a steady caret, for the pictures

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

    // Every control under the name the code knows it by, with its start-up text.
    void startUp()
    {
        QStringList controls;
        for (const QWidget *w : m_window->findChildren<QWidget *>())
            controls << w->objectName() + " " + w->property("text").toString();
        QCOMPARE(controls.join('|'),
                 QStringLiteral("Label1(0) Frequency|Label1(1) Length|Label1(2) Lcoax|Text1(0) 21,250|Label1(3) Lstub|"
                                "Label2(0) Mc|Label2(1) m|Label2(2) m|Label2(3) m|Text1(1)  |Text1(2)  |Text1(3)  |"
                                "cmdCalc Calculate|cmdQuit Quit|Label3 www.qq7nv.example|Label4(0) ( 00'|"
                                "Label4(1) ( 00'|Label4(2) ( 00'|Label2(7) 00,0'' )|Label2(8) 00,0'' )|"
                                "Label2(9) 00,0'' )"));
    }

    void warnings_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("warning");

        const QString caption = QStringLiteral("MorvaneCalc by QQ7NV: The frequency ");
        // clang-format off
        QTest::newRow("not a number") << "" << caption + "is not a number. Type the centre frequency of the band in "
            "Mc, with digits and at most one comma, for example 21,250.";
        QTest::newRow("zero") << "0" << caption + "is zero, and an antenna for zero Mc has no length. Type a "
            "frequency above zero, for example 21,250.";
        QTest::newRow("too large") << QString(400, '9') << caption + "is too large to calculate with. Type the "
            "centre frequency of the band in Mc, for example 21,250.";
        // The metres still fit a double, the inches would not.
        QTest::newRow("too small") << "0," + QString(304, '0') + "1408" << caption + "is too small: the antenna "
            "would be longer than any length this program can show. Type a larger frequency, for example 21,250.";
        // clang-format on
    }

    // After a warning the result boxes are empty, the feet and inches are those
    // of the last good calculation, and the frequency is selected for retyping.
    void warnings()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, warning);
        calculateAt(QStringLiteral("7,1"));
        calculateAt(frequency);
        QStringList shown;
        for (const int row : {1, 2, 3})
            shown << text("Text1(%1)", row) << text("Label4(%1)", row - 1) << text("Label2(%1)", row + 6);
        QCOMPARE(shown.join('|'), QStringLiteral("|( 65' |0,7'' )||( 45' |11,2'' )||( 9' |6,8'' )"));
        QCOMPARE(std::exchange(m_warnings, {}), QStringList{warning});
        if (m_keyboard) {
            QTRY_COMPARE(QApplication::focusWidget(), control("Text1(0)")); // once the window is active again
            QCOMPARE(control<QLineEdit>("Text1(0)")->selectedText(), frequency);
        }
    }

    void screenReader_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("tail"); // the end of what a screen reader finds, in order

        // clang-format off
        QTest::newRow("whole window") << "21,250" << "MorvaneCalc by QQ7NV|Frequency|Length|Lcoax|"
            "Frequency, Mc: Type center of frequency here|Lstub|Mc|m|m|m|"
            "Length over all, m: Length over all (read-only)|"
            "Length of coaxial cable, m: Length of coaxial cable (read-only)|"
            "Length of stub, m: Length of stub for tuning this antenna (read-only)|"
            "Calculate|Quit: Quit this program|www.qq7nv.example|21 feet 8,9 inches|15 feet 4,2 inches|3 feet 2,4 inches";
        QTest::newRow("one foot") << "50" << "|1 foot 4,3 inches";
        QTest::newRow("one inch") << "1,408" << "|328 feet 1 inch|231 feet 7,4 inches|48 feet 2,8 inches";
        // clang-format on
    }

    // Each result row is read once, as a length in words.
    void screenReader()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, tail);
        calculateAt(frequency);
        const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
        QStringList tree{window->text(QAccessible::Name)};
        for (int i = 0; i < window->childCount(); ++i) {
            const QAccessibleInterface *child = window->child(i);
            const QString description = child->text(QAccessible::Description);
            const bool readOnlyBox = child->role() == QAccessible::EditableText && child->state().readOnly;
            if (!child->state().invisible || !child->text(QAccessible::Name).isEmpty())
                tree << child->text(QAccessible::Name) + (description.isEmpty() ? "" : ": ") + description
                            + (readOnlyBox ? " (read-only)" : "");
        }
        QCOMPARE(tree.join('|').right(tail.size()), tail);
    }

    void labelsFit_data()
    {
        QTest::addColumn<QString>("frequency");
        for (const char *frequency : {"1", "1000"}) // the widest texts, the narrowest
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
                         qPrintable(w->objectName()));
            QVERIFY2(m_window->rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (const QWidget *other : controls)
                QVERIFY2(other == w || !other->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
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
        QCOMPARE(text("Text1(%1)", 0), QStringLiteral("21,250"));
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
    QString text(const char *pattern, int index) const
    {
        return m_window->findChild<QWidget *>(QString::fromLatin1(pattern).arg(index))->property("text").toString();
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
