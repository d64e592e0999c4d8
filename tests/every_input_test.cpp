// SPDX-License-Identifier: MIT
#include "calculation.h"
#include "support/memory_form.h"
#include "support/reference_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every character a user can type or paste: printable ASCII, tab and line feed, and some
// non-ASCII look-alikes of digits, letters, blanks and signs.
std::u16string alphabet() {
    std::u16string chars = u"\t\n";
    for (char16_t c = 0x20; c < 0x7F; ++c)
        chars += c;
    chars += u"аеЕдДНп"            // Cyrillic, among them look-alikes of e and E
             u"\u00A0\u3000"       // no-break and ideographic spaces
             u"\uFF10\uFF15\uFF0E" // full-width digits and full stop
             u"\u0660\u0665"       // Arabic-Indic digits
             u"\u2212";            // minus sign
    return chars;
}

std::string describe(const std::u16string& text) {
    std::string out;
    for (const char16_t c : text)
        out += c < 0x7F ? std::string(1, static_cast<char>(c)) : "\\u" + std::to_string(c);
    return out;
}

TEST(EveryInput, OfUpToThreeCharactersGivesAMessageOrTheExactDemonstration) {
    const std::u16string chars = alphabet();
    std::vector<std::u16string> texts{u""};
    for (std::size_t length = 1, first = 0; length <= 3; ++length) {
        const std::size_t last = texts.size();
        for (std::size_t i = first; i < last; ++i)
            for (const char16_t c : chars)
                texts.push_back(texts[i] + c);
        first = last;
    }

    const std::vector<std::u16string> earlierEntries{u"earlier"};
    std::size_t failures = 0;
    for (const std::u16string& text : texts) {
        MemoryForm form;
        form.Text1(0).setText(text);
        form.Text1(1).setText(u"earlier output");
        form.List1().addItems(earlierEntries);
        demo::Rresmetni(form);

        const Expected expected = expectedFor(text);
        const bool right =
            form.input() == text &&
            (expected.n == 0 ? form.output() == expected.output && form.entries() == earlierEntries
                             : showsDemonstration(expected.n, form.output(), form.entries(), 1));
        if (!right && ++failures <= 10)
            ADD_FAILURE() << "input \"" << describe(text) << "\"";
    }
    EXPECT_EQ(failures, 0U) << "of " << texts.size() << " inputs";
}

} // namespace
