#pragma once

class QApplication;

// The program's look and language: the fonts its windows name, mapped to
// metric-compatible families, the default font, and Qt's own texts in Spanish.
void InstallLook(QApplication &app);
