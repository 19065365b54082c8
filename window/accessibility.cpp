// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

QString accessibility::spoken(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("(\\d*),(\\d+)"));
    static const QRegularExpression megacycles(QStringLiteral("\\bMc\\b"));
    QString said;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &number : decimal.globalMatch(text)) {
        QStringList digits;
        for (const QChar digit : number.captured(2))
            digits << digit;
        const QString whole = number.captured(1);
        said += text.mid(done, number.capturedStart() - done) + (whole.isEmpty() ? QStringLiteral("0") : whole)
                + QStringLiteral(" point ") + digits.join(' ');
        done = number.capturedEnd();
    }
    said += text.mid(done);
    return said.replace(megacycles, QStringLiteral("megacycles"));
}

namespace {

class BoxAccessible final : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit BoxAccessible(NumberBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        return state;
    }

    // The value in words before what the description says otherwise.
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        const QString value = box()->text().trimmed();
        if (kind == QAccessible::Value)
            return box()->text();
        if (kind != QAccessible::Description || value.isEmpty())
            return QAccessibleWidget::text(kind);
        return accessibility::spoken(value) + ' ' + QLatin1String(box()->unit()) + QStringLiteral(", ")
               + QAccessibleWidget::text(kind);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const bool selected = selectionIndex == 0 && box()->hasSelectedText();
        *startOffset = selected ? box()->selectionStart() : 0;
        *endOffset = selected ? box()->selectionEnd() : 0;
    }
    [[nodiscard]] int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    // A box has one selection at the most, number 0.
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(box()->text().size()); }
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {} // the text always fits
    // The boxes have no text attributes: one run over the whole text.
    [[nodiscard]] QString attributes(int /*offset*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    [[nodiscard]] NumberBox *box() const { return static_cast<NumberBox *>(widget()); }
};

// Where the box draws the character. Its text always fits, the boxes set no
// text margins, and each is centred or right-aligned: QLineEdit then places
// the text inside the frame and a margin of 2 pixels, leaving 2 more at the
// right of a right-aligned text and 1 more shared out when centred, and
// centres it in height with any odd pixel above.
QRect BoxAccessible::characterRect(int offset) const
{
    const QString all = box()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    QStyleOptionFrame frame;
    frame.initFrom(box());
    frame.lineWidth = box()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box());
    QRect area = box()->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box());
    area.setLeft(area.left() + 2);
    area.setRight(area.right() - 2);
    const QFontMetrics metrics = box()->fontMetrics();
    const int free = area.width() - metrics.horizontalAdvance(all);
    const int left = area.left() + (box()->alignment() & Qt::AlignRight ? free - 2 : (free - 1) / 2);
    const QRect character(left + metrics.horizontalAdvance(all.left(offset)),
                          area.top() + (area.height() - metrics.height() + 1) / 2,
                          metrics.horizontalAdvance(all.at(offset)),
                          metrics.height());
    return {box()->mapToGlobal(character.topLeft()), character.size()};
}

class SpokenLabelAccessible final : public QAccessibleWidget {
public:
    explicit SpokenLabelAccessible(QWidget *label, QAccessible::Role role = QAccessible::StaticText)
        : QAccessibleWidget(label, role)
    {}
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->accessibleName() : QString();
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || widget()->accessibleName().isEmpty();
        return state;
    }
};

QAccessibleInterface *windowInterfaces(const QString & /*className*/, QObject *object)
{
    if (auto *box = dynamic_cast<NumberBox *>(object))
        return new BoxAccessible(box);
    if (auto *label = dynamic_cast<SpokenLabel *>(object))
        return new SpokenLabelAccessible(label);
    if (auto *announcer = dynamic_cast<Announcer *>(object))
        return new SpokenLabelAccessible(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

void accessibility::install()
{
    QAccessible::installFactory(windowInterfaces); // Qt keeps a factory only once
}

NumberBox::NumberBox(const QString &text, const char *unit, QWidget *parent)
    : QLineEdit(text, parent)
    , m_unit(unit)
{}

Announcer::Announcer(QWidget *parent)
    : QLabel(parent)
{
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
    setAccessibleName(text);
    show();
}

void Announcer::withdraw()
{
    hide();
}
