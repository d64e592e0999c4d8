// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

namespace demo {

// Clears: empties the input box, the output box and the list, always all three, in that order.
void Chisti(Form& form);

} // namespace demo
