// SPDX-License-Identifier: MIT
#include "clearing.h"

namespace demo {

void Chisti(Form& form) {
    form.Text1(0).setText(u"");
    form.Text1(1).setText(u"");
    form.List1().clear();
}

} // namespace demo
