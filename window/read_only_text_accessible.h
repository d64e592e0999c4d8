// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>
#include <QTextDocument>

#include <memory>
#include <utility>

class OutputBox;

// What screen readers see of the output box: its shown text, cursor and selection, which they
// may read and move, and its characters, words, sentences, lines and paragraphs as Qt's own
// interface of a plain text box finds them, a line being a line on the screen. It offers no
// editable-text interface, so that nothing from outside changes the text; Qt's own interface
// would let them insert and delete.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(OutputBox* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    OutputBox* edit() const;
    QTextCursor cursorAt(int offset) const;
    std::pair<int, int> pieceAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString textOf(std::pair<int, int> piece, int* startOffset, int* endOffset) const;

    // The shown text as a document of its own, in which Qt's text cursor finds the words,
    // sentences and paragraphs that it finds in a plain text box; made when first asked for.
    mutable QString documentedText_;
    mutable std::unique_ptr<QTextDocument> shownDocument_;
};

// For QAccessible::installFactory: the interface above for the output box.
QAccessibleInterface* readOnlyTextAccessibleFactory(const QString& className, QObject* object);
