// SPDX-License-Identifier: MIT
#pragma once

#include "line_wrap.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The read-only output box. Its document holds the shown text with each blank at which the
// long last line wraps turned into a paragraph separator, so that Qt lays out only the lines in
// view instead of the whole line. Both have the same length and every position means the same
// character in both, so the caret, the keys and the scroll bar work as on the one long line;
// what Qt would otherwise do by paragraph (copying, triple-click, the keys that move to the
// start or end of a paragraph, and word moves over a wrap) is done here on the shown text.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit OutputBox(QWidget* parent = nullptr);

    // Shows TEXT (lines end in LF) from its start, with the caret there and nothing selected.
    void showText(QString text);
    // The shown text, without the separators at the wrap points.
    const QString& shownText() const { return shown_; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int wrapWidth() const;
    bool isWrapPoint(qsizetype position) const;
    qsizetype paragraphStart(qsizetype position) const;
    qsizetype paragraphEnd(qsizetype position) const;
    void selectByMouse(qsizetype anchor, qsizetype position);
    std::pair<qreal, qreal> placeOnLongLine(const QTextBlock& top) const;
    void followTopLine();
    qreal viewShift() const;
    void handleMouse(QMouseEvent* event, const std::function<void(QMouseEvent*)>& handler);

    QString shown_;
    std::vector<qsizetype> wrapPoints_; // positions of the blanks made separators, ascending
    int wrappedAt_ = 0;                 // the width they were worked out for
    std::optional<LineWrap> wrap_;
    QElapsedTimer sinceDoubleClick_;
    QPointF doubleClickAt_;
    // The paragraphs selected by a triple-click, [start, end), while the button is held.
    std::optional<std::pair<qsizetype, qsizetype>> tripleClicked_;
    int topBlock_ = 0;   // the top line when last seen
    qreal fracture_ = 0; // what QPlainTextEdit would have kept of its scrolls on the long line
};
