// SPDX-License-Identifier: MIT
#include "control_adapters.h"

#include "entry_list_model.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <utility>

std::u16string LineEditTextBox::text() const {
    return edit_.text().toStdU16String();
}

void LineEditTextBox::setText(std::u16string text) {
    edit_.setText(QStringView(text).toString());
}

void OutputTextBox::setText(std::u16string text) {
    text_ = std::move(text);
    // Straight into the document, which lays the text out once; QPlainTextEdit::setPlainText
    // would also select it all and apply a character format, laying it out three times.
    edit_.document()->setPlainText(
        QStringView(text_).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    edit_.moveCursor(QTextCursor::Start);
}

void EntryListBox::addItems(const std::vector<std::u16string>& items) {
    model_.append(items);
}

void EntryListBox::clear() {
    model_.clear();
}
