#pragma once

class QApplication;

// The program's look and language: the fonts its windows name, mapped to
// metric-compatible families, the default font, Qt's own texts in Spanish,
// and how a screen reader sees the windows.
void InstallLook(QApplication &app);
