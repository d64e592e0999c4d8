// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// A form without a window: the text boxes and the list kept in memory.
class MemoryTextBox : public demo::TextBox {
public:
    std::u16string text() const override { return text_; }
    void setText(std::u16string text) override { text_ = std::move(text); }

private:
    std::u16string text_;
};

class MemoryListBox : public demo::ListBox {
public:
    void addItems(const std::vector<std::u16string>& items) override {
        entries.insert(entries.end(), items.begin(), items.end());
    }
    void clear() override { entries.clear(); }

    std::vector<std::u16string> entries;
};

class MemoryForm : public demo::Form {
public:
    demo::TextBox& Text1(int index) override { return texts_.at(static_cast<size_t>(index)); }
    demo::ListBox& List1() override { return list_; }

    std::u16string input() const { return texts_[0].text(); }
    std::u16string output() const { return texts_[1].text(); }
    const std::vector<std::u16string>& entries() const { return list_.entries; }

private:
    std::array<MemoryTextBox, 2> texts_;
    MemoryListBox list_;
};
