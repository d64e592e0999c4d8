// SPDX-License-Identifier: MIT
#include "output_box.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>

#include <algorithm>
#include <utility>

namespace {

// A copy in the formats of Qt's own copy, made from the shown text, so that none of them breaks
// the line at the wrap points. Like Qt's, the rich formats are made only when asked for.
class ShownTextMimeData : public QMimeData {
public:
    ShownTextMimeData(QString text, QFont font) : text_(std::move(text)), font_(std::move(font)) {}

    QStringList formats() const override {
        return {QStringLiteral("text/plain"), QStringLiteral("text/html"), odf()};
    }

protected:
    QVariant retrieveData(const QString& format, QMetaType type) const override {
        if (format == u"text/plain")
            return text_;
        QTextDocument document;
        document.setDefaultFont(font_);
        document.setPlainText(text_);
        const QTextDocumentFragment fragment(&document);
        if (format == u"text/html")
            return fragment.toHtml().toUtf8();
        if (format != odf())
            return QMimeData::retrieveData(format, type);
        QBuffer buffer;
        QTextDocumentWriter(&buffer, "ODF").write(fragment);
        return buffer.data();
    }

private:
    static QString odf() { return QStringLiteral("application/vnd.oasis.opendocument.text"); }

    QString text_;
    QFont font_;
};

} // namespace

void OutputBox::showText(QString text) {
    const qsizetype replaced = document()->characterCount() - 1;
    shown_ = std::move(text);
    tripleClicked_.reset();
    sinceDoubleClick_.invalidate();
    wrapPoints_.clear();
    wrappedAt_ = wrapWidth();
    const qsizetype lastLine = shown_.lastIndexOf(u'\n') + 1;
    if (wrappedAt_ > 0 && lastLine < shown_.size()) {
        if (!wrap_ || wrap_->font() != document()->defaultFont())
            wrap_.emplace(document()->defaultFont()); // measured once, when first needed
        const auto breaks = wrap_->breaks(QStringView(shown_).sliced(lastLine), wrappedAt_);
        for (const qsizetype at : breaks.value_or(std::vector<qsizetype>{}))
            wrapPoints_.push_back(lastLine + at);
    }
    QString written = shown_;
    for (const qsizetype at : wrapPoints_)
        written[at] = u'\n';
    {
        // Qt would tell screen readers of the text as the document holds it, with paragraph
        // separators at the wrap points: they are told of the shown text instead. Written
        // straight into the document, as QPlainTextEdit::setPlainText would also select it all
        // and set a character format, laying it out three times.
        const QSignalBlocker quiet(document());
        document()->setPlainText(written);
    }
    moveCursor(QTextCursor::Start);
    if (QAccessible::isActive()) {
        if (replaced > 0) {
            QAccessibleTextRemoveEvent removed(this, 0, QString(replaced, u' '));
            QAccessible::updateAccessibility(&removed);
        }
        if (!shown_.isEmpty()) {
            QAccessibleTextInsertEvent inserted(this, 0, shown_);
            QAccessible::updateAccessibility(&inserted);
        }
    }
}

// The width QPlainTextDocumentLayout breaks lines at: the viewport's, less the margins.
int OutputBox::wrapWidth() const {
    if (lineWrapMode() != WidgetWidth)
        return 0;
    const qreal width = viewport()->width() - 2 * document()->documentMargin();
    return width == qFloor(width) ? static_cast<int>(width) : 0;
}

bool OutputBox::isWrapPoint(qsizetype position) const {
    return std::binary_search(wrapPoints_.begin(), wrapPoints_.end(), position);
}

qsizetype OutputBox::paragraphStart(qsizetype position) const {
    return position == 0 ? 0 : shown_.lastIndexOf(u'\n', position - 1) + 1;
}

qsizetype OutputBox::paragraphEnd(qsizetype position) const {
    const qsizetype end = shown_.indexOf(u'\n', position);
    return end < 0 ? shown_.size() : end;
}

QMimeData* OutputBox::createMimeDataFromSelection() const {
    if (wrapPoints_.empty())
        return QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    return new ShownTextMimeData(
        shown_.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()),
        document()->defaultFont());
}

// Selects from ANCHOR to POSITION without scrolling, as Qt's own selection by the mouse does.
void OutputBox::selectByMouse(qsizetype anchor, qsizetype position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    const int scrolled = verticalScrollBar()->value();
    setTextCursor(cursor);
    verticalScrollBar()->setValue(scrolled);
}

// Qt's word moves stop at the end of a paragraph, here the blank at a wrap point; over the one
// long line they go on over it.
void OutputBox::keyPressEvent(QKeyEvent* event) {
    const qsizetype before = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    QTextCursor cursor = textCursor();
    const qsizetype after = cursor.position();
    const bool selectNext = event->matches(QKeySequence::SelectNextWord);
    const bool selectPrevious = event->matches(QKeySequence::SelectPreviousWord);
    const auto mode =
        selectNext || selectPrevious ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    if (!isWrapPoint(after))
        return;
    if ((selectNext || event->matches(QKeySequence::MoveToNextWord)) && after > before)
        cursor.movePosition(QTextCursor::NextCharacter, mode);
    else if ((selectPrevious || event->matches(QKeySequence::MoveToPreviousWord)) &&
             after == before - 1)
        cursor.movePosition(QTextCursor::PreviousWord, mode);
    else
        return;
    setTextCursor(cursor);
}

// A double-click on the "+" or "=" that ends a wrapped line selects it, as on the one long line;
// at the end of a paragraph Qt selects nothing.
void OutputBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    sinceDoubleClick_.start();
    doubleClickAt_ = event->position();
    const qsizetype at = textCursor().position();
    if (textCursor().hasSelection() || !isWrapPoint(at))
        return;
    qsizetype start = at;
    while (start > 0 && (shown_[start - 1] == u'+' || shown_[start - 1] == u'='))
        --start;
    if (start < at)
        selectByMouse(start, at);
}

// Qt's triple-click, a press soon after a double-click and near it, selects a paragraph and the
// break after it, and dragging on extends the selection by paragraphs. Here those of the shown
// text are selected.
void OutputBox::mousePressEvent(QMouseEvent* event) {
    const bool tripleClick =
        event->button() == Qt::LeftButton && sinceDoubleClick_.isValid() &&
        sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (event->position() - doubleClickAt_).manhattanLength() < QApplication::startDragDistance();
    sinceDoubleClick_.invalidate();
    QPlainTextEdit::mousePressEvent(event);
    if (!tripleClick || wrapPoints_.empty() || !textCursor().hasSelection())
        return;
    const qsizetype start = paragraphStart(textCursor().selectionStart());
    const qsizetype end = std::min(paragraphEnd(start) + 1, shown_.size());
    tripleClicked_ = {start, end};
    selectByMouse(start, end);
}

void OutputBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    if (!tripleClicked_ || !(event->buttons() & Qt::LeftButton))
        return;
    const auto [start, end] = *tripleClicked_;
    const qsizetype at = cursorForPosition(event->position().toPoint()).position();
    if (at >= start && at <= end) {
        // Qt sets the paragraph first selected back as the text cursor, which scrolls to it.
        QTextCursor cursor = textCursor();
        cursor.setPosition(static_cast<int>(start));
        cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    } else if (at < start) {
        selectByMouse(end, paragraphStart(at));
    } else {
        selectByMouse(start, std::min(paragraphEnd(at) + 1, shown_.size()));
    }
}

void OutputBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    tripleClicked_.reset();
}

// The wrap points hold for one width only; at another the text goes in anew.
void OutputBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    if (!wrapPoints_.empty() && wrapWidth() != wrappedAt_)
        showText(shown_);
}
