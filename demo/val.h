// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace demo {

// Reads the number at the start of a text, as a student's old BASIC did:
// blanks, tabs and line feeds anywhere are skipped; then an optional sign, digits with an
// optional "." fraction and an optional exponent written with E or D (either case, with an
// optional sign). "&H" and "&O" introduce hexadecimal and octal whole numbers, read as 16-bit
// or, if larger, 32-bit two's complement (so "&HFFFF" is -1). Reading stops at the first
// character that cannot continue the number; a text that does not start with one reads as 0.
// "." is the decimal point whatever the locale; "," never is. A value too large for a double
// reads as an infinity.
double Val(std::u16string_view text);

} // namespace demo
