// SPDX-License-Identifier: MIT
#include "control_adapters.h"

#include "entry_list_model.h"
#include "output_box.h"

#include <QLineEdit>

#include <utility>

std::u16string LineEditTextBox::text() const {
    return edit_.text().toStdU16String();
}

void LineEditTextBox::setText(std::u16string text) {
    edit_.setText(QStringView(text).toString());
}

void OutputTextBox::setText(std::u16string text) {
    text_ = std::move(text);
    edit_.showText(
        QString::fromStdU16String(text_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void EntryListBox::addItems(const std::vector<std::u16string>& items) {
    model_.append(items);
}

void EntryListBox::clear() {
    model_.clear();
}
