#include "control_adapters.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringListModel>

std::u16string LineEditTextBox::text() const {
    return edit_.text().toStdU16String();
}

void LineEditTextBox::setText(std::u16string_view text) {
    edit_.setText(QStringView(text).toString());
}

void OutputTextBox::setText(std::u16string_view text) {
    text_ = text;
    edit_.setPlainText(
        QStringView(text).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void StringListBox::addItems(const std::vector<std::u16string>& items) {
    QStringList entries = model_.stringList();
    entries.reserve(entries.size() + static_cast<qsizetype>(items.size()));
    for (const std::u16string& item : items)
        entries.append(QStringView(item).toString());
    model_.setStringList(entries);
}

void StringListBox::clear() {
    model_.setStringList({});
}
