// SPDX-License-Identifier: MIT
#pragma once

// Makes screen readers see the window and its output box as this program shows them. Called
// once at start, after the application object is made and before any window.
void installAccessibleFactories();
