// SPDX-License-Identifier: MIT
#pragma once

class MainWindow;
class MainWindowEvents;

// Loads the window (its load handler) and shows it centred on the screen.
void showAtStart(MainWindow& window, MainWindowEvents& events);
