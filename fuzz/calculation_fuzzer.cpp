// SPDX-License-Identifier: MIT
#include "calculation.h"
#include "support/memory_form.h"
#include "support/reference_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Bytes below 0x80 stand for themselves; the others for characters a user might paste that
// look like parts of a number.
std::u16string textFrom(const std::uint8_t* data, std::size_t size) {
    static constexpr std::u16string_view others =
        u"\u00A0\u3000\uFF10\uFF11\uFF15\uFF0E\u0660\u0665\u2212еЕдДНп\u2028";
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        text += data[i] < 0x80 ? char16_t{data[i]} : others[data[i] % others.size()];
    return text;
}

} // namespace

// Any text through the calculation: it must show a message or exactly the demonstration.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = textFrom(data, size);
    MemoryForm form;
    form.Text1(0).setText(text);
    demo::Rresmetni(form);

    const Expected expected = expectedFor(text);
    const bool right = expected.n == 0
                           ? form.output() == expected.output && form.entries().empty()
                           : showsDemonstration(expected.n, form.output(), form.entries(), 0);
    if (!right || form.input() != text) {
        std::fprintf(stderr, "wrong result for this input\n");
        std::abort();
    }
    return 0;
}
