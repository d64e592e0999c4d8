// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

class QLineEdit;
class OutputBox;
class EntryListModel;

// Qt widgets seen through the demonstration's control operations.

// The input box: its text is whatever the user typed or was last written.
class LineEditTextBox : public demo::TextBox {
public:
    explicit LineEditTextBox(QLineEdit& edit) : edit_(edit) {}
    std::u16string text() const override;
    void setText(std::u16string text) override;

private:
    QLineEdit& edit_;
};

// The read-only output box. It shows CR LF as a line break and gives back exactly the text
// last written, CR LF included, which the widget alone would not keep.
class OutputTextBox : public demo::TextBox {
public:
    explicit OutputTextBox(OutputBox& edit) : edit_(edit) {}
    std::u16string text() const override { return text_; }
    void setText(std::u16string text) override;

private:
    OutputBox& edit_;
    std::u16string text_;
};

class EntryListBox : public demo::ListBox {
public:
    explicit EntryListBox(EntryListModel& model) : model_(model) {}
    void addItems(const std::vector<std::u16string>& items) override;
    void clear() override;

private:
    EntryListModel& model_;
};
