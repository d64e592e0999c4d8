// SPDX-License-Identifier: MIT
#include "output_box.h"

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace {

// What a copy gives, in the formats Qt's own copy offers: made from the shown text, so that none
// of them breaks the line at the wrap points. Like Qt's, the rich formats are made when asked for.
class ShownTextMimeData : public QMimeData {
public:
    ShownTextMimeData(QString text, QFont font) : text_(std::move(text)), font_(std::move(font)) {}

    QStringList formats() const override {
        return {QStringLiteral("text/plain"), QStringLiteral("text/html"), odf()};
    }

protected:
    QVariant retrieveData(const QString& format, QMetaType type) const override {
        if (format == QLatin1String("text/plain"))
            return text_;
        QTextDocument document;
        document.setDefaultFont(font_);
        document.setPlainText(text_);
        const QTextDocumentFragment fragment(&document);
        if (format == QLatin1String("text/html"))
            return fragment.toHtml().toUtf8();
        if (format == odf()) {
            QBuffer buffer;
            QTextDocumentWriter(&buffer, "ODF").write(fragment);
            return buffer.data();
        }
        return QMimeData::retrieveData(format, type);
    }

private:
    static QString odf() { return QStringLiteral("application/vnd.oasis.opendocument.text"); }

    QString text_;
    QFont font_;
};

} // namespace

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::updateRequest, this, &OutputBox::followTopLine);
}

void OutputBox::showText(QString text) {
    shown_ = std::move(text);
    const qsizetype lastLine = shown_.lastIndexOf(u'\n') + 1;
    QString tail = shown_.mid(lastLine);
    wrapPoints_.clear();
    wrappedAt_ = 0;
    const int width = wrapWidth();
    if (width > 0 && !tail.isEmpty() && (!wrap_ || wrap_->font() != document()->defaultFont()))
        wrap_.emplace(document()->defaultFont()); // measured once, when first needed
    if (const auto breaks =
            width > 0 && !tail.isEmpty() ? wrap_->breaks(tail, width) : std::nullopt;
        breaks && !breaks->empty()) {
        wrappedAt_ = width;
        for (const qsizetype at : *breaks) {
            tail[at] = u'\n';
            wrapPoints_.push_back(lastLine + at);
        }
    }
    // Written straight into the document: QPlainTextEdit::setPlainText would also select it all
    // and set a character format, laying it out three times. Up to its last line break the text
    // goes in first; the caret then moves to the start, and only then is the last line appended.
    // So no cursor is placed on that line after its layout, which, when it is one long paragraph
    // (not wrapped here), would take it apart and measure it once more.
    QTextDocument& document = *this->document();
    document.setPlainText(shown_.first(lastLine));
    moveCursor(QTextCursor::Start);
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.beginEditBlock(); // inside an edit block, inserting does not place this cursor
    end.insertText(tail);
    end.endEditBlock();
    if (lastLine == 0)
        moveCursor(QTextCursor::Start); // the text went in at the caret and moved it
    topBlock_ = firstVisibleBlock().blockNumber();
    fracture_ = 0;
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

// Selects from ANCHOR to POSITION where the mouse is, which, as with Qt's own selection by the
// mouse, scrolls nothing.
void OutputBox::selectByMouse(qsizetype anchor, qsizetype position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    const int scrolled = verticalScrollBar()->value();
    setTextCursor(cursor);
    verticalScrollBar()->setValue(scrolled);
}

void OutputBox::keyPressEvent(QKeyEvent* event) {
    if (wrapPoints_.empty()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    const qsizetype before = cursor.position();
    const bool select = event->matches(QKeySequence::SelectStartOfBlock) ||
                        event->matches(QKeySequence::SelectEndOfBlock) ||
                        event->matches(QKeySequence::SelectNextWord) ||
                        event->matches(QKeySequence::SelectPreviousWord);
    const QTextCursor::MoveMode mode = select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    // The keys that go to the start or end of a paragraph go to that of the shown text.
    const bool toStart = event->matches(QKeySequence::MoveToStartOfBlock) ||
                         event->matches(QKeySequence::SelectStartOfBlock);
    if (toStart || event->matches(QKeySequence::MoveToEndOfBlock) ||
        event->matches(QKeySequence::SelectEndOfBlock)) {
        cursor.setPosition(
            static_cast<int>(toStart ? paragraphStart(before) : paragraphEnd(before)), mode);
        setTextCursor(cursor);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    // A word move stops at a wrap point, the end of a paragraph here; over the one long line
    // it goes on over the blank there.
    cursor = textCursor();
    const qsizetype after = cursor.position();
    if ((event->matches(QKeySequence::MoveToNextWord) ||
         event->matches(QKeySequence::SelectNextWord)) &&
        after > before && isWrapPoint(after)) {
        cursor.movePosition(QTextCursor::NextCharacter, mode);
        setTextCursor(cursor);
    } else if ((event->matches(QKeySequence::MoveToPreviousWord) ||
                event->matches(QKeySequence::SelectPreviousWord)) &&
               after == before - 1 && isWrapPoint(after)) {
        cursor.movePosition(QTextCursor::PreviousWord, mode);
        setTextCursor(cursor);
    }
}

// QPlainTextEdit places the view by its top paragraph and the line in it. Scrolled into the long
// line, it takes the bottom of the line above the top one, short of the top line's top by what
// the line height was rounded up by; and each scroll keeps the fraction of a pixel that it could
// not scroll by. Here every line is a paragraph placed by its top, in whole pixels: the view is
// moved by the difference, the lines drawn that much lower and the mouse read that much higher.

// Where QPlainTextEdit would place the view with TOP as its top line, were the long line one
// paragraph: the top of that paragraph and the offset into it.
std::pair<qreal, qreal> OutputBox::placeOnLongLine(const QTextBlock& top) const {
    blockBoundingRect(top); // lays the line out
    const QTextLine line = top.layout()->lineAt(0);
    const QTextBlock paragraph =
        document()->findBlock(static_cast<int>(paragraphStart(top.position())));
    const qreal paragraphTop = paragraph.firstLineNumber() * line.height();
    const int linesInto = top.firstLineNumber() - paragraph.firstLineNumber();
    if (linesInto > 0)
        return {paragraphTop,
                linesInto * line.height() - line.height() + line.naturalTextRect().height()};
    return {paragraphTop, paragraph.blockNumber() == 0 ? -document()->documentMargin() : 0};
}

// Keeps the fraction of a pixel that QPlainTextEdit would keep on moving to this top line.
void OutputBox::followTopLine() {
    const QTextBlock top = firstVisibleBlock();
    if (wrapPoints_.empty() || top.blockNumber() == topBlock_)
        return;
    const QTextBlock oldTop = document()->findBlockByNumber(topBlock_);
    topBlock_ = top.blockNumber();
    if (!oldTop.isValid() || !viewport()->isVisible()) {
        fracture_ = 0;
        return;
    }
    const auto [oldParagraph, oldOffset] = placeOnLongLine(oldTop);
    const auto [newParagraph, newOffset] = placeOnLongLine(top);
    const qreal scrolled = oldParagraph - newParagraph + oldOffset + fracture_ - newOffset;
    const int pixels = static_cast<int>(scrolled);
    fracture_ = pixels != 0 ? scrolled - pixels : 0;
}

qreal OutputBox::viewShift() const {
    if (wrapPoints_.empty())
        return 0;
    const QTextBlock top = firstVisibleBlock();
    const auto [paragraph, offset] = placeOnLongLine(top);
    const qreal here = top.firstLineNumber() * top.layout()->lineAt(0).height() +
                       (top.blockNumber() == 0 ? -document()->documentMargin() : 0);
    return here - (paragraph + offset + fracture_);
}

void OutputBox::handleMouse(QMouseEvent* event, const std::function<void(QMouseEvent*)>& handler) {
    const qreal shift = viewShift();
    if (shift == 0) {
        handler(event);
        return;
    }
    QMouseEvent moved(event->type(), event->position() - QPointF(0, shift), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    moved.setTimestamp(event->timestamp());
    handler(&moved);
    event->setAccepted(moved.isAccepted());
}

void OutputBox::paintEvent(QPaintEvent* event) {
    if (wrapPoints_.empty()) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    const qreal shift = viewShift();
    const QPointF offset = contentOffset();
    const QTextCursor cursor = textCursor();
    std::vector<QRectF> pastHangingBlanks;
    const QTextBlock top = firstVisibleBlock();
    const QTextBlock above = top.previous();
    const bool drawAbove = above.isValid() && isWrapPoint(above.position() + above.length() - 1);
    for (QTextBlock block = drawAbove ? above : top; block.isValid(); block = block.next()) {
        const QRectF place =
            blockBoundingGeometry(block).translated(offset.x(), offset.y() + shift);
        if (place.top() > viewport()->height())
            break;
        block.layout()->setPosition({0, shift});
        const qsizetype end = block.position() + block.length() - 1;
        if (isWrapPoint(end) && cursor.selectionStart() <= end && end < cursor.selectionEnd()) {
            const qreal textEnd =
                document()->documentMargin() + block.layout()->lineAt(0).naturalTextWidth();
            // Qt rounds a highlight up to whole pixels where the selection starts in the line.
            const bool startsInLine = cursor.selectionStart() >= block.position();
            pastHangingBlanks.emplace_back(
                QPointF(startsInLine ? qCeil(textEnd) : textEnd, place.top()),
                QPointF(viewport()->width(), place.bottom()));
        }
    }
    if (drawAbove) {
        // On the long line the line above the top one is drawn too, and its foot may show.
        QPainter painter(viewport());
        QList<QTextLayout::FormatRange> selections;
        for (const auto& range : getPaintContext().selections) {
            const int start = range.cursor.selectionStart() - above.position();
            const int end = range.cursor.selectionEnd() - above.position();
            if (start < above.length() && end > 0 && end > start)
                selections.append({start, end - start, range.format});
        }
        above.layout()->draw(&painter, blockBoundingGeometry(above).translated(offset).topLeft(),
                             selections, event->rect());
    }
    QPlainTextEdit::paintEvent(event);
    // A selected paragraph end is highlighted wider than the blank that hangs at a wrap point
    // on the long line: past that blank the box stays blank.
    QPainter painter(viewport());
    for (const QRectF& rest : pastHangingBlanks)
        painter.fillRect(rest, palette().base());
}

void OutputBox::mouseDoubleClickEvent(QMouseEvent* event) {
    handleMouse(event, [this](QMouseEvent* read) { QPlainTextEdit::mouseDoubleClickEvent(read); });
    if (event->button() != Qt::LeftButton)
        return;
    sinceDoubleClick_.start();
    doubleClickAt_ = event->position();
    // On the long line a double-click on "+" or "=" before a wrap point selects it; at the
    // end of a paragraph Qt selects nothing.
    const qsizetype at = textCursor().position();
    if (!textCursor().hasSelection() && isWrapPoint(at)) {
        qsizetype start = at;
        while (start > 0 && (shown_[start - 1] == u'+' || shown_[start - 1] == u'='))
            --start;
        if (start < at)
            selectByMouse(start, at);
    }
}

// A triple-click selects the paragraph of the shown text and the line break after it, and
// dragging on extends the selection by such paragraphs, as Qt does on the one long line.
void OutputBox::mousePressEvent(QMouseEvent* event) {
    const bool tripleClick =
        event->button() == Qt::LeftButton && sinceDoubleClick_.isValid() &&
        sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (event->position() - doubleClickAt_).manhattanLength() < QApplication::startDragDistance();
    handleMouse(event, [this](QMouseEvent* read) { QPlainTextEdit::mousePressEvent(read); });
    sinceDoubleClick_.invalidate();
    if (!tripleClick || wrapPoints_.empty() || !textCursor().hasSelection())
        return;
    const qsizetype start = paragraphStart(textCursor().selectionStart());
    const qsizetype end = std::min(paragraphEnd(start) + 1, shown_.size());
    tripleClicked_ = {start, end};
    selectByMouse(start, end);
}

void OutputBox::mouseMoveEvent(QMouseEvent* event) {
    const qsizetype at =
        cursorForPosition((event->position() - QPointF(0, viewShift())).toPoint()).position();
    handleMouse(event, [this](QMouseEvent* read) { QPlainTextEdit::mouseMoveEvent(read); });
    if (!tripleClicked_ || !(event->buttons() & Qt::LeftButton))
        return;
    const auto [start, end] = *tripleClicked_;
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
    handleMouse(event, [this](QMouseEvent* read) { QPlainTextEdit::mouseReleaseEvent(read); });
    tripleClicked_.reset();
}

// The wrap points hold for one width only; at another the text goes in anew.
void OutputBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    if (wrappedAt_ != 0 && wrapWidth() != wrappedAt_)
        showText(shown_);
}
