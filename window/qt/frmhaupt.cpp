// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/qt/frmhaupt.h"

#include "window/layout.h"
#include "window/qt/accessibility.h"
#include "window/qt/keycode.h"
#include "window/words.h"

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

QFont toFont(const layout::Font &spec)
{
    QFont font;
    // The package depends on the metric-compatible faces. Asking for them by
    // name spares fontconfig the search for a missing family, which was most
    // of the window's start-up cost.
    font.setFamily(QString::fromUtf8(layout::metricCompatibleFamily(spec)));
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

QColor toQColor(layout::Rgb rgb)
{
    return QColor::fromRgb(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment toQt(layout::Alignment alignment)
{
    constexpr std::array flags{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    return flags.at(static_cast<std::size_t>(alignment));
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
    setFixedSize(toQRect(layout::clientRect()).size());
    buildControls();
    m_announcer = new Announcer(this);

    connect(cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
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
    const QSize designed = toQRect(layout::clientRect()).size();
    if (enlarged && size() != designed) // once Qt has taken in the whole of the compositor's change
        QMetaObject::invokeMethod(this, &QWidget::showNormal, Qt::QueuedConnection);
    else if (!enlarged && size() == designed)
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
        QLabel *label = layout::heardByComposedName(row) ? new SpokenLabel(this) : new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(toQt(row.alignment) | Qt::AlignTop);
        return label;
    }
    case layout::Kind::TextBox: {
        auto *box = new NumberBox(text, row.unit, this);
        box->setAlignment(toQt(row.alignment) | Qt::AlignVCenter);
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
    control->setObjectName(shown(layout::objectName(row)));
    control->setFont(toFont(row.font));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        m_designRects.insert(label, toQRect(layout::pixelRect(row)));
        setLabelText(label, QString::fromLatin1(row.text)); // places it, as wide as its text needs
    } else {
        control->setGeometry(toQRect(layout::pixelRect(row)));
    }
    if (row.background) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, toQColor(*row.background));
        palette.setColor(QPalette::Text, toQColor(layout::boxText));
        palette.setColor(QPalette::Highlight, toQColor(layout::boxSelection));
        palette.setColor(QPalette::HighlightedText, toQColor(layout::boxSelectedText));
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
// text needs more room, so that "( 4619' " is never cut off.
void frmHaupt::setLabelText(QLabel *label, const QString &text)
{
    const QRect design = m_designRects.value(label);
    const int width = std::max(design.width(), label->fontMetrics().horizontalAdvance(text));
    label->setText(text);
    label->setGeometry(design.right() + 1 - width, design.top(), width, design.height());
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

void frmHaupt::cmdQuit_Click()
{
    QCoreApplication::quit();
}

std::u32string frmHaupt::text(int Index) const
{
    return Text1.at(static_cast<std::size_t>(Index))->text().toStdU32String();
}

std::size_t frmHaupt::selectionStart(int Index) const
{
    const QLineEdit *box = Text1.at(static_cast<std::size_t>(Index));
    const QString before = box->text().left(box->hasSelectedText() ? box->selectionStart() : box->cursorPosition());
    return before.toStdU32String().size();
}

void frmHaupt::select(int Index, std::size_t start, std::size_t length)
{
    QLineEdit *box = Text1.at(static_cast<std::size_t>(Index));
    const std::u32string all = box->text().toStdU32String();
    const auto utf16 = [&](std::size_t characters) {
        return static_cast<int>(QString::fromStdU32String(all.substr(0, characters)).size());
    };
    box->setSelection(utf16(start), utf16(start + length) - utf16(start));
}

QWidget *frmHaupt::element(layout::Array array, int index) const
{
    const auto i = static_cast<std::size_t>(index);
    switch (array) {
    case layout::Array::Text1: return Text1.at(i);
    case layout::Array::Label2: return Label2.at(i);
    case layout::Array::Label4: return Label4.at(i);
    default: return nullptr; // no command writes to the others
    }
}

void frmHaupt::setText(layout::Array array, int index, const std::string &text)
{
    QWidget *control = element(array, index);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setText(shown(text));
    else
        setLabelText(static_cast<QLabel *>(control), shown(text));
}

void frmHaupt::setWords(layout::Array array, int index, const std::string &words)
{
    QWidget *control = element(array, index);
    if (array == layout::Array::Text1)
        control->setAccessibleDescription(shown(words));
    else
        control->setAccessibleName(shown(words));
}

void frmHaupt::announce(const std::string &words)
{
    if (words.empty())
        m_announcer->withdraw();
    else
        m_announcer->announce(shown(words));
}

void frmHaupt::warn(const std::string &message)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), shown(message), QMessageBox::Ok, this);
    // A screen reader reads an alert's caption, then its text: the text in
    // words, once.
    if (auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        text->setAccessibleName(shown(words::spoken(message)));
    box.exec();
}

void frmHaupt::focusFrequencyBox()
{
    activateWindow();
    Text1[0]->setFocus(); // its focus event selects the text
}

QRect toQRect(const layout::Rect &rect)
{
    return {rect.left, rect.top, rect.width(), rect.height()};
}
