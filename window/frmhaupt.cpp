// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/frmhaupt.h"

#include "calc/decimal_text.h"
#include "calc/key_filter.h"
#include "window/accessibility.h"
#include "window/keycode.h"
#include "window/layout.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace {

// The window was drawn with Windows fonts, which Linux lacks. Liberation
// Sans shares Arial's metrics, the nearest to MS Sans Serif there is; DejaVu
// Sans is, like Verdana, a wide sans serif with a large x-height. The
// package depends on both. Asking for them by name spares fontconfig the
// search for a missing family, which was most of the window's start-up cost.
QString installedFamily(std::string_view windowsFamily)
{
    return windowsFamily == "Verdana" ? QStringLiteral("DejaVu Sans") : QStringLiteral("Liberation Sans");
}

QFont toFont(const layout::Font &spec)
{
    QFont font;
    font.setFamily(installedFamily(spec.family));
    // The window's texts are Latin; merging in fallback fonts for other
    // scripts costs start-up time and gains nothing here.
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

QString shown(const std::string &text)
{
    return QString::fromStdString(text);
}

// Each says what the user has to change; in the order of calc::Failure.
QString failureMessage(calc::Failure failure)
{
    constexpr std::array messages{
        "The frequency is not a number. Type the centre frequency of the band in Mc, with digits and at most "
        "one comma, for example 21,250.",
        "The frequency is zero, and an antenna for zero Mc has no length. Type a frequency above zero, for "
        "example 21,250.",
        "The frequency is too large to calculate with. Type the centre frequency of the band in Mc, for example "
        "21,250.",
        "The frequency is too small: the antenna would be longer than any length this program can show. Type a "
        "larger frequency, for example 21,250.",
    };
    return QString::fromLatin1(messages.at(static_cast<std::size_t>(failure)));
}

} // namespace

frmHaupt::frmHaupt(QWidget *parent)
    : QWidget(parent)
{
    accessibility::install();

    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(QString::fromLatin1(layout::caption));
    // A window of fixed size has nothing to maximize; no frame should offer it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::clientSize());
    buildControls();
    m_announcer = new Announcer(this);

    connect(cmdCalc, &QPushButton::clicked, this, &frmHaupt::cmdCalc_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmHaupt::cmdQuit_Click);
}

// Qt 6.4's own window frame on Wayland offers to maximize every window, and
// weston then ends a client whose window keeps another size than the one it
// was maximized to. So while a maximize is under way the window may take any
// size; once it has one, it asks to be restored, and at its own size again
// it is fixed once more. (A compositor that maximizes the window unasked
// still ends it: Qt acks that size bounded by the fixed one.)
void frmHaupt::showEvent(QShowEvent *event)
{
    connect(windowHandle(), &QWindow::windowStateChanged, this, &frmHaupt::letGoOfTheSize, Qt::UniqueConnection);
    QWidget::showEvent(event);
}

void frmHaupt::letGoOfTheSize(Qt::WindowState state)
{
    if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void frmHaupt::resizeEvent(QResizeEvent *event)
{
    const bool enlarged = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (enlarged && size() != layout::clientSize()) // once Qt has taken in the whole of the compositor's change
        QMetaObject::invokeMethod(this, &QWidget::showNormal, Qt::QueuedConnection);
    else if (!enlarged && size() == layout::clientSize())
        setMaximumSize(size());
    QWidget::resizeEvent(event);
}

// The controls that take the focus get it in the order they are created,
// which is the order of the table's rows.
void frmHaupt::buildControls()
{
    for (const layout::Control &row : layout::controls) {
        QWidget *control = createControl(row);
        setLook(control, row);
        describeForScreenReaders(control, row);
        registerControl(control, row);
    }
}

QWidget *frmHaupt::createControl(const layout::Control &row)
{
    const QString text = QString::fromLatin1(row.text);
    switch (row.kind) {
    case layout::Kind::Label: {
        // The feet and inches of a row are heard as one length, by name.
        const bool feetOrInches = row.array == layout::Array::Label4
                                  || (row.array == layout::Array::Label2 && row.index >= layout::firstInchesLabel);
        QLabel *label = feetOrInches ? new SpokenLabel(this) : new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(row.alignment | Qt::AlignTop);
        return label;
    }
    case layout::Kind::TextBox: {
        auto *box = new NumberBox(text, row.unit, this);
        box->setAlignment(row.alignment | Qt::AlignVCenter);
        box->setReadOnly(row.readOnly);
        // Composed and dead-key text would reach the box past the key
        // filter; the boxes take digits and a comma only.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
        return box;
    }
    case layout::Kind::Button: return new QPushButton(text, this);
    }
    return nullptr;
}

void frmHaupt::setLook(QWidget *control, const layout::Control &row)
{
    control->setObjectName(layout::objectName(row));
    control->setFont(toFont(row.font));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        m_designRects.insert(label, layout::pixelRect(row));
        setLabelText(label, QString::fromLatin1(row.text)); // places it, as wide as its text needs
    } else {
        control->setGeometry(layout::pixelRect(row));
    }
    if (row.background) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, QColor::fromRgb(*row.background));
        palette.setColor(QPalette::Text, QColor::fromRgb(layout::boxText));
        palette.setColor(QPalette::Highlight, QColor::fromRgb(layout::boxSelection));
        palette.setColor(QPalette::HighlightedText, QColor::fromRgb(layout::boxSelectedText));
        control->setPalette(palette);
    }
}

void frmHaupt::describeForScreenReaders(QWidget *control, const layout::Control &row)
{
    if (row.toolTip)
        control->setToolTip(QString::fromLatin1(row.toolTip)); // also the description, unless one is set
    if (row.accessibleName)
        control->setAccessibleName(QString::fromLatin1(row.accessibleName));
}

void frmHaupt::registerControl(QWidget *control, const layout::Control &row)
{
    const auto index = static_cast<std::size_t>(row.index);
    switch (row.array) {
    case layout::Array::Text1: Text1.at(index) = static_cast<QLineEdit *>(control); break;
    case layout::Array::Label2: Label2.at(index) = static_cast<QLabel *>(control); break;
    case layout::Array::Label4: Label4.at(index) = static_cast<QLabel *>(control); break;
    case layout::Array::cmdCalc: cmdCalc = static_cast<QPushButton *>(control); break;
    case layout::Array::cmdQuit: cmdQuit = static_cast<QPushButton *>(control); break;
    case layout::Array::Label1:
    case layout::Array::Label3: break; // captions and the address: no handler reads them
    }
}

// A label keeps its right edge from the layout and grows leftwards when its
// text needs more room, so that "( 461' " is never cut off.
QRect frmHaupt::placeFor(const QLabel *label, const QString &text) const
{
    const QRect design = m_designRects.value(label);
    const int width = std::max(design.width(), label->fontMetrics().horizontalAdvance(text));
    return {design.right() + 1 - width, design.top(), width, design.height()};
}

void frmHaupt::setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setGeometry(placeFor(label, text));
}

bool frmHaupt::eventFilter(QObject *watched, QEvent *event)
{
    const auto box = std::find(Text1.cbegin(), Text1.cend(), watched);
    if (box == Text1.cend())
        return QWidget::eventFilter(watched, event);
    const auto index = static_cast<int>(box - Text1.cbegin());

    switch (event->type()) {
    case QEvent::KeyPress: return filterTyping(index, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn: {
        // Coming back out of the box's own context menu is no new visit: the
        // caret stays where a Paste left it. Start-up and coming back to the
        // window are, and select the whole text like Tab or a click.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason)
            Text1_GotFocus(index);
        m_clickFocusedBox = reason == Qt::MouseFocusReason ? std::optional(index) : std::nullopt;
        break;
    }
    case QEvent::FocusOut: m_clickFocusedBox.reset(); break;
    case QEvent::MouseButtonPress:
        // The press that brought the focus would put the caret where it
        // landed and undo the selection just made.
        if (m_clickFocusedBox == index && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_clickFocusedBox.reset();
            return true;
        }
        break;
    case QEvent::InputMethod: return true; // input methods are off for the boxes; drop what one still sends
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmHaupt::filterTyping(int index, QKeyEvent *event)
{
    const std::optional<int> code = characterCode(*event);
    if (!code)
        return false; // types no character: the box handles the key as usual

    int KeyAscii = *code;
    Text1_KeyPress(index, KeyAscii);
    if (KeyAscii == 0)
        return true; // swallowed
    if (KeyAscii == *code)
        return false;

    // The filter typed another character ("." became ","): deliver that one.
    QKeyEvent replaced(QEvent::KeyPress, KeyAscii, event->modifiers(), QString(QChar(KeyAscii)));
    QCoreApplication::sendEvent(Text1.at(static_cast<std::size_t>(index)), &replaced);
    return true;
}

// Every box is judged against the frequency box, the only one that takes
// typing, so a comma typed into a result box is refused when the frequency
// already has one; the result boxes are read-only in any case.
void frmHaupt::Text1_KeyPress([[maybe_unused]] int Index, int &KeyAscii) const
{
    FilterKey(Text1[0], KeyAscii, false, QStringLiteral(","));
}

void frmHaupt::FilterKey(const QLineEdit *oText, int &KeyAscii, bool AllowNegative, const QString &DecimalSeparator)
{
    const int caret = oText->hasSelectedText() ? oText->selectionStart() : oText->cursorPosition();
    KeyAscii = calc::filterKey(KeyAscii,
                               oText->text().toStdU32String(),
                               static_cast<std::size_t>(caret),
                               AllowNegative,
                               DecimalSeparator.toStdU32String());
}

// Selects the whole text, so that what is typed next replaces it.
void frmHaupt::Text1_GotFocus(int Index)
{
    QLineEdit *box = Text1.at(static_cast<std::size_t>(Index));
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void frmHaupt::cmdCalc_Click()
{
    ReadFrequency();
    ClearResults();
    CalculateLengths();
}

void frmHaupt::cmdQuit_Click()
{
    QCoreApplication::quit();
}

void frmHaupt::ReadFrequency()
{
    m_work.FrequencyText = Text1[0]->text().toStdString();
}

// The last announcement goes with the results it read, so that a screen
// reader finds no stale lengths and hears the next ones as new.
void frmHaupt::ClearResults()
{
    m_announcer->withdraw();
    for (std::size_t row = 0; row < calc::rowCount; ++row) {
        Text1.at(row + 1)->setText(QString());
        Text1.at(row + 1)->setAccessibleDescription(QString());
    }
}

void frmHaupt::CalculateLengths()
{
    const auto lengths = calc::calculateLengths(m_work.FrequencyText);
    if (!lengths) {
        reportFailure(failureMessage(lengths.failure()));
        return;
    }
    std::array<calc::FeetInches, calc::rowCount> converted{};
    std::ranges::transform(calc::inRowOrder(lengths.value()), converted.begin(), calc::toFeetInches);
    // Lengths too long to show whole are as much use as none: a slip of the
    // comma, since no band needs them.
    if (!showsWhole(converted)) {
        reportFailure(failureMessage(calc::Failure::TooSmall));
        return;
    }
    m_work.Lengths = lengths.value();
    ShowMetric();
    QStringList said; // for a screen reader to say without the focus leaving the Calculate button
    for (std::size_t row = 0; row < converted.size(); ++row) {
        m_work.FeetInches = converted.at(row);
        ShowFeetInches(row);
        said << describeRow(row);
    }
    m_announcer->announce(said.join(QStringLiteral(". ")) + '.');
}

// Whether each row's whole feet, as their label grows leftwards, stay clear
// of the unit drawn beside the box. The feet run out of room first: below
// ten thousand feet the metres have at most seven characters, which the
// boxes hold.
bool frmHaupt::showsWhole(const std::array<calc::FeetInches, calc::rowCount> &converted) const
{
    for (std::size_t row = 0; row < converted.size(); ++row) {
        const QLabel *unit = Label2.at(row + 1);
        const QRect unitText =
            unit->fontMetrics().boundingRect(unit->geometry(), static_cast<int>(unit->alignment()), unit->text());
        if (placeFor(Label4.at(row), shown(converted.at(row).WholeFeetText)).left() <= unitText.right())
            return false;
    }
    return true;
}

void frmHaupt::ShowMetric()
{
    const auto rows = calc::inRowOrder(m_work.Lengths);
    for (std::size_t row = 0; row < rows.size(); ++row)
        Text1.at(row + 1)->setText(shown(calc::metricText(rows.at(row))));
}

void frmHaupt::ShowFeetInches(std::size_t row)
{
    const calc::FeetInches &converted = m_work.FeetInches;
    setLabelText(Label4.at(row), shown(converted.WholeFeetText));
    setLabelText(Label2.at(row + layout::firstInchesLabel), shown(converted.InchesText));
}

// The row's length in words, composed once: the box describes it, the
// whole-feet label is named by its feet and inches (a screen reader would
// spell out "( 21' "), and the announcement says it after the box's name.
QString frmHaupt::describeRow(std::size_t row)
{
    const calc::FeetInches &converted = m_work.FeetInches;
    auto *box = static_cast<NumberBox *>(Text1.at(row + 1));
    const bool oneFoot = std::trunc(converted.FeetRounded) == 1.0;
    const bool oneInch = converted.InchesPart == 1.0;
    const QString feetAndInches = QStringLiteral("%1 %2 %3")
                                      .arg(shown(converted.WholeFeet),
                                           oneFoot ? QStringLiteral("foot") : QStringLiteral("feet"),
                                           accessibility::inUnit(shown(calc::DecimalText::write(converted.InchesPart)),
                                                                 oneInch ? "inch" : "inches"));
    const QString length = accessibility::inUnit(box->text(), box->unit()) + QStringLiteral(", ") + feetAndInches;
    Label4.at(row)->setAccessibleName(feetAndInches);
    box->setAccessibleDescription(length);
    return box->accessibleName() + QStringLiteral(": ") + length;
}

void frmHaupt::reportFailure(const QString &message)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    // A screen reader reads an alert's caption, then its text: the text in
    // words, once.
    if (auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        text->setAccessibleName(accessibility::spoken(message));
    box.exec();
    // Back to the frequency box, ready for the corrected frequency.
    activateWindow();
    Text1[0]->setFocus(); // its focus event selects the text
}
