// SPDX-License-Identifier: MIT
#include "read_only_text_accessible.h"

#include "output_box.h"

#include <algorithm>

ReadOnlyTextAccessible::ReadOnlyTextAccessible(OutputBox* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

OutputBox* ReadOnlyTextAccessible::edit() const {
    return static_cast<OutputBox*>(widget());
}

QTextCursor ReadOnlyTextAccessible::cursorAt(int offset) const {
    QTextCursor cursor(edit()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return edit()->shownText();
    return QAccessibleWidget::text(kind);
}

void ReadOnlyTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const QTextCursor cursor = edit()->textCursor();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int ReadOnlyTextAccessible::selectionCount() const {
    return edit()->textCursor().hasSelection() ? 1 : 0;
}

void ReadOnlyTextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyTextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = edit()->textCursor();
    cursor.clearSelection();
    edit()->setTextCursor(cursor);
}

void ReadOnlyTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    edit()->setTextCursor(cursor);
}

int ReadOnlyTextAccessible::cursorPosition() const {
    return edit()->textCursor().position();
}

void ReadOnlyTextAccessible::setCursorPosition(int position) {
    edit()->setTextCursor(cursorAt(position));
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const {
    return edit()->shownText().mid(startOffset, endOffset - startOffset);
}

// The piece of text of the kind asked for around OFFSET, [start, end), found by Qt as in a plain
// text box: the lines in the box's own document, whose lines are those on the screen; the rest in
// the shown text, whose paragraphs the box's document splits at the wrap points.
std::pair<int, int>
ReadOnlyTextAccessible::pieceAt(int offset, QAccessible::TextBoundaryType boundaryType) const {
    QTextDocument* document = edit()->document();
    if (boundaryType != QAccessible::LineBoundary) {
        if (!shownDocument_ || documentedText_ != edit()->shownText()) {
            documentedText_ = edit()->shownText();
            shownDocument_ = std::make_unique<QTextDocument>();
            shownDocument_->setPlainText(documentedText_);
        }
        document = shownDocument_.get();
    }
    QTextCursor cursor(document);
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return QAccessible::qAccessibleTextBoundaryHelper(cursor, boundaryType);
}

QString ReadOnlyTextAccessible::textOf(std::pair<int, int> piece, int* startOffset,
                                       int* endOffset) const {
    *startOffset = piece.first;
    *endOffset = piece.second;
    return text(piece.first, piece.second);
}

// The piece before the one at OFFSET, and the one after it, are the pieces at the positions just
// before and at its end, as in Qt's own interface.
QString ReadOnlyTextAccessible::textBeforeOffset(int offset,
                                                 QAccessible::TextBoundaryType boundaryType,
                                                 int* startOffset, int* endOffset) const {
    return textOf(pieceAt(pieceAt(offset, boundaryType).first - 1, boundaryType), startOffset,
                  endOffset);
}

QString ReadOnlyTextAccessible::textAfterOffset(int offset,
                                                QAccessible::TextBoundaryType boundaryType,
                                                int* startOffset, int* endOffset) const {
    return textOf(pieceAt(pieceAt(offset, boundaryType).second, boundaryType), startOffset,
                  endOffset);
}

QString ReadOnlyTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    return textOf(pieceAt(offset, boundaryType), startOffset, endOffset);
}

int ReadOnlyTextAccessible::characterCount() const {
    return edit()->document()->characterCount() - 1; // without the closing paragraph separator
}

QRect ReadOnlyTextAccessible::characterRect(int offset) const {
    const QRect place = edit()->cursorRect(cursorAt(offset));
    return {edit()->viewport()->mapToGlobal(place.topLeft()), place.size()};
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorForPosition(edit()->viewport()->mapFromGlobal(point)).position();
}

// Brings the start of the substring into view, with the cursor there.
void ReadOnlyTextAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    edit()->setTextCursor(cursorAt(startIndex));
    edit()->ensureCursorVisible();
}

// The text has no attributes: one run over the whole text.
QString ReadOnlyTextAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QAccessibleInterface* readOnlyTextAccessibleFactory(const QString& /*className*/, QObject* object) {
    auto* edit = qobject_cast<OutputBox*>(object);
    if (edit && edit->isReadOnly())
        return new ReadOnlyTextAccessible(edit);
    return nullptr;
}
