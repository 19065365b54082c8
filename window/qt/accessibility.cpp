// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/qt/accessibility.h"

#include "window/words.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>

namespace {

using Span = std::pair<int, int>; // from the first offset up to the second

// The character, word or sentence that holds the offset, or the one before
// it at the end of the text; the line and the paragraph are the whole text.
Span itemAt(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const auto length = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, length);
    if (type == QAccessible::CharBoundary)
        return {offset, std::min(offset + 1, length)};
    if ((type != QAccessible::WordBoundary && type != QAccessible::SentenceBoundary) || length == 0)
        return {0, length};
    QTextBoundaryFinder finder(
        type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Sentence, text);
    const int inside = std::min(offset, length - 1);
    finder.setPosition(inside + 1);
    const auto start = static_cast<int>(std::max<qsizetype>(finder.toPreviousBoundary(), 0));
    finder.setPosition(inside);
    const auto end = static_cast<int>(finder.toNextBoundary());
    return {start, end < 0 ? length : end};
}

Span itemBefore(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const int start = itemAt(text, offset, type).first;
    return start > 0 ? itemAt(text, start - 1, type) : Span{0, 0};
}

Span itemAfter(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const auto length = static_cast<int>(text.size());
    const int end = itemAt(text, offset, type).second;
    return end < length ? itemAt(text, end, type) : Span{length, length};
}

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
        state.selectableText = true;
        return state;
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return box()->text();
        if (kind != QAccessible::Description)
            return QAccessibleWidget::text(kind);
        return QString::fromStdString(words::boxDescription(box()->text().toStdString(),
                                                            box()->unit(),
                                                            box()->toolTip().toStdString(),
                                                            box()->accessibleDescription().toStdString()));
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
    // Qt's own (up to 6.8 at least) reports a run of no length at every
    // offset, which cuts the text short where Orca reads it; the boxes have
    // no text attributes, so one run over the whole text.
    [[nodiscard]] QString attributes(int /*offset*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Qt's own (6.4 and 6.8) loop for ever asked for a word or sentence at
    // the end of the text, and the program stops answering anything.
    QString
    textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        return textOf(itemBefore(box()->text(), offset, type), startOffset, endOffset);
    }
    QString
    textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        return textOf(itemAt(box()->text(), offset, type), startOffset, endOffset);
    }
    QString
    textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        return textOf(itemAfter(box()->text(), offset, type), startOffset, endOffset);
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    [[nodiscard]] NumberBox *box() const { return static_cast<NumberBox *>(widget()); }
    QString textOf(Span span, int *startOffset, int *endOffset) const
    {
        std::tie(*startOffset, *endOffset) = span;
        return box()->text().mid(span.first, span.second - span.first);
    }
};

// Where the box draws the character, which Qt's own (up to 6.8 at least)
// puts at the box's top left corner: along the line from the caret, where
// the box reports it (in the middle of the rectangle it gives for it), by
// the font's advances.
QRect BoxAccessible::characterRect(int offset) const
{
    const QString all = box()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect caret = box()->cursorRect();
    const int left = qRound(QRectF(caret).center().x()) + metrics.horizontalAdvance(all.left(offset))
                     - metrics.horizontalAdvance(all.left(box()->cursorPosition()));
    const QRect character(left, caret.top(), metrics.horizontalAdvance(all.at(offset)), metrics.height());
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
