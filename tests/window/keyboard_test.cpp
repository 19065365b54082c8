#include "window/frmhaupt.h"
#include "window/keycode.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <memory>
#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QApplication::clipboard()->setText(m_clipboard);
        m_window = std::make_unique<frmHaupt>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void characterCode_data();
    void characterCode();
    void filterKey_data();
    void filterKey();

    void typingIntoFrequency_data();
    void typingIntoFrequency();
    void typingIntoResultBox_data();
    void typingIntoResultBox();
    void inputMethodTextIsDropped();
    void randomTypingLeavesANumber();

    void focusSelectsWholeText_data();
    void focusSelectsWholeText();

private:
    std::unique_ptr<frmHaupt> m_window;
    const QString m_clipboard = QStringLiteral("99 -x");
};

void KeyboardTest::characterCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("code");

    const Qt::KeyboardModifiers none;
    const std::optional<int> noCode;
    QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << std::optional(55);
    QTest::newRow("keypad point") << int(Qt::Key_Period) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "."
                                  << std::optional(46);
    QTest::newRow("letter with shift") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A"
                                       << std::optional(65);
    QTest::newRow("Ctrl+C on X11") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x03"
                                   << std::optional(3);
    QTest::newRow("Ctrl+C offscreen") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << "c"
                                      << std::optional(3);
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)
                                  << "Z" << std::optional(26);
    QTest::newRow("Ctrl+digit") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::ControlModifier) << "5" << noCode;
    QTest::newRow("AltGr as Ctrl+Alt") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
                                       << "@" << std::optional(64);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\x08" << std::optional(8);
    QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << std::optional(13);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "\r"
                                  << std::optional(13);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << std::optional(27);
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << noCode;
    QTest::newRow("Delete on X11") << int(Qt::Key_Delete) << none << "\x7f" << noCode;
    QTest::newRow("Delete offscreen") << int(Qt::Key_Delete) << none << "" << noCode;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << noCode;
    QTest::newRow("two characters") << int(Qt::Key_unknown) << none << "12" << std::optional(0xFFFF);
}

void KeyboardTest::characterCode()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(std::optional<int>, code);
    QCOMPARE(::characterCode(QKeyEvent(QEvent::KeyPress, key, modifiers, text)), code);
}

// The cases typing cannot show: other separators and allowed negatives.
void KeyboardTest::filterKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength"); // 0: just the caret
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("result");

    QTest::newRow("comma types a point separator") << "7" << 1 << 0 << int(',') << false << "." << int('.');
    QTest::newRow("second separator over all") << "21,250" << 0 << 6 << int('.') << false << "," << 0;
    QTest::newRow("no separator at all") << "7" << 1 << 0 << int(',') << false << "" << 0;
    QTest::newRow("minus not allowed") << "" << 0 << 0 << int('-') << false << "," << 0;
    QTest::newRow("minus at the start") << "5" << 0 << 0 << int('-') << true << "," << int('-');
    QTest::newRow("minus after the start") << "5" << 1 << 0 << int('-') << true << "," << 0;
    QTest::newRow("minus over a selection from 0") << "55" << 0 << 2 << int('-') << true << "," << int('-');
    QTest::newRow("non-ASCII digit") << "" << 0 << 0 << 0x663 << true << "," << 0;
}

void KeyboardTest::filterKey()
{
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, key);
    QFETCH(bool, allowNegative);
    QFETCH(QString, separator);
    QFETCH(int, result);

    QLineEdit box(text);
    if (selectionLength > 0)
        box.setSelection(selectionStart, selectionLength);
    else
        box.setCursorPosition(selectionStart);
    frmHaupt::FilterKey(&box, key, allowNegative, separator);
    QCOMPARE(key, result);
}

void KeyboardTest::typingIntoFrequency_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("text"); // starting from "21,250", all selected

    const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses,
                         const char *typed = "") {
        QTestEventList list;
        for (const auto &[key, modifiers] : presses)
            list.addKeyClick(key, modifiers);
        list.addKeyClicks(QString::fromLatin1(typed));
        return list;
    };
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);

    QTest::newRow("digits replace the selection") << keys({}, "145") << "145";
    QTest::newRow("point types a comma") << keys({}, "7.1") << "7,1";
    QTest::newRow("comma types a comma") << keys({}, "7,1") << "7,1";
    QTest::newRow("keypad point types a comma")
        << keys({{Qt::Key_7, none}, {Qt::Key_Period, Qt::KeypadModifier}}, "1") << "7,1";
    QTest::newRow("second comma at the end") << keys({{Qt::Key_End, none}}, ",.") << "21,250";
    QTest::newRow("second comma over the selection") << keys({}, ".,") << "21,250";
    QTest::newRow("minus, letters, blanks, signs") << keys({}, "-a Z+e/") << "21,250";
    QTest::newRow("Latin-1 letter") << keys({{Qt::Key_Eacute, none}}) << "21,250";
    QTest::newRow("Backspace") << keys({{Qt::Key_End, none}, {Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}})
                               << "21,2";
    QTest::newRow("Delete") << keys({{Qt::Key_Home, none}, {Qt::Key_Delete, none}}) << "1,250";
    QTest::newRow("arrows move the caret") << keys({{Qt::Key_End, none}, {Qt::Key_Left, none}}, "9") << "21,2590";
    QTest::newRow("Shift+Home selects") << keys({{Qt::Key_End, none}, {Qt::Key_Home, Qt::ShiftModifier}}, "7") << "7";
    QTest::newRow("Enter and Escape") << keys({{Qt::Key_Return, none}, {Qt::Key_Escape, none}}) << "21,250";
    QTest::newRow("Ctrl+V") << keys({{Qt::Key_End, none}, {Qt::Key_V, ctrl}}) << "21,250";
    QTest::newRow("Ctrl+X") << keys({{Qt::Key_X, ctrl}}) << "21,250";
    QTest::newRow("Ctrl+C then Ctrl+V") << keys({{Qt::Key_C, ctrl}, {Qt::Key_End, none}, {Qt::Key_V, ctrl}})
                                        << "21,250";
    QTest::newRow("Ctrl+A") << keys({{Qt::Key_End, none}, {Qt::Key_A, ctrl}}, "5") << "21,2505";
    QTest::newRow("Ctrl+Z") << keys({{Qt::Key_End, none}, {Qt::Key_5, none}, {Qt::Key_Z, ctrl}}) << "21,2505";
}

void KeyboardTest::typingIntoFrequency()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, text);

    keys.simulate(m_window->Text1[0]);
    QCOMPARE(m_window->Text1[0]->text(), text);
    QCOMPARE(QApplication::clipboard()->text(), m_clipboard);
    QCOMPARE(m_window->Text1[1]->text(), QStringLiteral(" ")); // Enter did not calculate
}

void KeyboardTest::typingIntoResultBox_data()
{
    QTest::addColumn<QTestEventList>("keys");
    const auto chord = [](Qt::Key key) {
        QTestEventList list;
        list.addKeyClick(key, Qt::ControlModifier);
        return list;
    };
    QTestEventList typed;
    typed.addKeyClicks(QStringLiteral("5,.-x"));
    typed.addKeyClick(Qt::Key_Backspace);
    typed.addKeyClick(Qt::Key_Delete);

    QTest::newRow("characters and editing keys") << typed;
    QTest::newRow("Ctrl+C") << chord(Qt::Key_C);
    QTest::newRow("Ctrl+X") << chord(Qt::Key_X);
    QTest::newRow("Ctrl+V") << chord(Qt::Key_V);
    QTest::newRow("Ctrl+Z") << chord(Qt::Key_Z);
}

void KeyboardTest::typingIntoResultBox()
{
    QFETCH(QTestEventList, keys);
    QTest::mouseClick(m_window->cmdCalc, Qt::LeftButton);
    QLineEdit *overall = m_window->Text1[1];
    QTest::mouseClick(overall, Qt::LeftButton);
    QCOMPARE(overall->selectedText(), QStringLiteral("6,63"));

    keys.simulate(overall);
    QCOMPARE(overall->text(), QStringLiteral("6,63"));
    QCOMPARE(m_window->Text1[0]->text(), QStringLiteral("21,250"));
    QCOMPARE(QApplication::clipboard()->text(), m_clipboard);
}

void KeyboardTest::inputMethodTextIsDropped()
{
    QLineEdit *frequency = m_window->Text1[0];
    QVERIFY(!frequency->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("é-,x"));
    QCoreApplication::sendEvent(frequency, &composed);
    QCOMPARE(frequency->text(), QStringLiteral("21,250"));
}

// Whatever is typed, the frequency box holds digits and at most one comma.
void KeyboardTest::randomTypingLeavesANumber()
{
    QApplication::clipboard()->setText(QStringLiteral("1,2,3-x"));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> presses[] = {
        {Qt::Key_1, {}},
        {Qt::Key_0, {}},
        {Qt::Key_Comma, {}},
        {Qt::Key_Period, {}},
        {Qt::Key_Minus, {}},
        {Qt::Key_E, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Left, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_End, Qt::ShiftModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_Return, {}},
        {Qt::Key_Period, Qt::KeypadModifier},
    };
    const QRegularExpression number(QStringLiteral("^[0-9]*,?[0-9]*$"));
    QRandomGenerator random(20261206);
    QLineEdit *frequency = m_window->Text1[0];

    for (int sequence = 0; sequence < 3000; ++sequence) {
        for (int step = 0; step < 8; ++step) {
            const auto &[key, modifiers] = presses[random.bounded(int(std::size(presses)))];
            QTest::keyClick(frequency, key, modifiers);
        }
        QVERIFY2(number.match(frequency->text()).hasMatch(), qPrintable(frequency->text()));
    }
}

void KeyboardTest::focusSelectsWholeText_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("selected");

    QTest::newRow("start-up") << "" << 0 << "21,250";
    QTest::newRow("Tab into overall") << "tab" << 1 << "6,63";
    QTest::newRow("Tab into coax") << "tab" << 2 << "4,68";
    QTest::newRow("Tab into stub") << "tab" << 3 << "0,97";
    QTest::newRow("Shift+Tab back into stub") << "backtab" << 3 << "0,97";
    QTest::newRow("click into coax") << "click" << 2 << "4,68";
    QTest::newRow("click back into frequency") << "click" << 0 << "21,250";
}

void KeyboardTest::focusSelectsWholeText()
{
    QFETCH(QString, how);
    QFETCH(int, box);
    QFETCH(QString, selected);

    QLineEdit *target = m_window->Text1[box];
    if (!how.isEmpty()) {
        QTest::mouseClick(m_window->cmdCalc, Qt::LeftButton); // focus now on the button
        QWidget *from = how == "tab" ? static_cast<QWidget *>(m_window->Text1[box - 1]) : m_window->cmdCalc;
        from->setFocus(Qt::OtherFocusReason);
        if (how == "click")
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::keyClick(from, how == "tab" ? Qt::Key_Tab : Qt::Key_Backtab);
    }
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), selected);

    if (how == "click") { // only the click that brought the focus is kept from the caret
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!target->hasSelectedText());
    }
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
