#pragma once

class WindowManager;

// Tells the window services how to make each of the program's windows.
void RegisterWindows(WindowManager &windows);
