// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

namespace demo {

// The largest N whose demonstration is shown: its odd numbers still fit a 16-bit integer.
inline constexpr int largestN = 32767;

// Calculates: reads N from Text1(0) and writes into Text1(1) that N*N is the sum of the first
// N odd numbers, as two lines (CR LF after the first):
//     5*5 = 1 + ...+ 9
//     25 = 1 + 3 + 5 + 7 + 9
// and appends the odd numbers from 3 upward to List1. N is the absolute value of the floor of
// the input's Val. An input that gives no natural number, or an N above largestN, only
// replaces the output with a message.
void Rresmetni(Form& form);

} // namespace demo
