// SPDX-License-Identifier: MIT
#pragma once

#include "line_wrap.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <optional>
#include <utility>
#include <vector>

// The read-only output box. The long last line of a sum goes into the document with the blank at
// each of its wrap points turned into a paragraph break, so that Qt lays out only the lines in
// view. The text keeps its length, so every position means the same character as in the shown
// text, and the caret, the keys and the scroll bar work as on the one long line. Where a user
// could tell the wrapped lines from paragraphs (copying, word moves over a wrap point, double-
// and triple-clicks), the box acts on the shown text.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // Shows TEXT (lines end in LF) from its start, with the caret there and nothing selected.
    void showText(QString text);
    // The shown text, without the breaks at the wrap points.
    const QString& shownText() const { return shown_; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int wrapWidth() const;
    bool isWrapPoint(qsizetype position) const;
    qsizetype paragraphStart(qsizetype position) const;
    qsizetype paragraphEnd(qsizetype position) const;
    void selectByMouse(qsizetype anchor, qsizetype position);

    QString shown_;
    std::vector<qsizetype> wrapPoints_; // the blanks made paragraph breaks, ascending
    int wrappedAt_ = 0;                 // the width they were worked out for
    std::optional<LineWrap> wrap_;
    QElapsedTimer sinceDoubleClick_;
    QPointF doubleClickAt_;
    // The paragraph selected by a triple-click, [start, end), while the button is held.
    std::optional<std::pair<qsizetype, qsizetype>> tripleClicked_;
};
