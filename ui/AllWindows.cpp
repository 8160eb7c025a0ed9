#include "AllWindows.h"

#include "Form1.h"
#include "WindowManager.h"

#include <memory>

void RegisterWindows(WindowManager &windows)
{
    windows.SetFactory(WindowId::Form1, [](WindowServices &s) { return std::make_unique<Form1>(s); });
}
