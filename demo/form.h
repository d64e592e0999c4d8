// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The control operations through which the demonstration reads and changes the window.
// A real window adapts its widgets to them; tests use an in-memory form.
namespace demo {

// A text box of the Text1 array.
class TextBox {
public:
    virtual ~TextBox() = default;
    // The whole current text, exactly as last written (CR LF included) or as typed.
    virtual std::u16string text() const = 0;
    // Shows the new text in full; a multi-line box breaks lines at CR LF. The box may keep the
    // string it is given.
    virtual void setText(std::u16string text) = 0;
};

// The list box List1: unsorted, entries stay in the order they are added.
class ListBox {
public:
    virtual ~ListBox() = default;
    // Appends the entries at the end, in the order given.
    virtual void addItems(const std::vector<std::u16string>& items) = 0;
    // Removes every entry.
    virtual void clear() = 0;
};

// The main window as the demonstration sees it.
class Form {
public:
    virtual ~Form() = default;
    // Text1(0) is the input of N, Text1(1) the output box.
    // Any other index throws std::out_of_range.
    virtual TextBox& Text1(int index) = 0;
    virtual ListBox& List1() = 0;
};

} // namespace demo
