// SPDX-License-Identifier: MIT
#include "control_adapters.h"

#include "entry_list_model.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>
#include <utility>

std::u16string LineEditTextBox::text() const {
    return edit_.text().toStdU16String();
}

void LineEditTextBox::setText(std::u16string text) {
    edit_.setText(QStringView(text).toString());
}

void OutputTextBox::setText(std::u16string text) {
    text_ = std::move(text);
    // Written straight into the document, the text is laid out once: QPlainTextEdit::setPlainText
    // would also select it all and set a character format, laying it out three times. Up to its
    // last line break the text goes in first; the caret then moves to the start, and only then is
    // the last line appended. So no cursor is placed on the long last line after its layout,
    // which would take that whole line apart and measure it once more.
    const std::u16string_view all = text_;
    const std::size_t lineBreak = all.rfind(u'\n');
    const std::size_t lastLine = lineBreak == std::u16string_view::npos ? 0 : lineBreak + 1;
    QTextDocument& document = *edit_.document();
    document.setPlainText(QStringView(all.substr(0, lastLine))
                              .toString()
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    edit_.moveCursor(QTextCursor::Start);
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    const std::u16string_view tail = all.substr(lastLine);
    end.beginEditBlock(); // inside an edit block, inserting does not place this cursor
    end.insertText(QString::fromRawData(reinterpret_cast<const QChar*>(tail.data()),
                                        static_cast<qsizetype>(tail.size())));
    end.endEditBlock();
    if (lastLine == 0)
        edit_.moveCursor(QTextCursor::Start); // the text went in at the caret and moved it
}

void EntryListBox::addItems(const std::vector<std::u16string>& items) {
    model_.append(items);
}

void EntryListBox::clear() {
    model_.clear();
}
