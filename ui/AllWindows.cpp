#include "AllWindows.h"

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "frmAbout.h"
#include "WindowManager.h"

#include <memory>

void RegisterWindows(WindowManager &windows)
{
    windows.SetFactory(WindowId::Form1, [](WindowServices &s) { return std::make_unique<Form1>(s); });
    windows.SetFactory(WindowId::Form2, [](WindowServices &s) { return std::make_unique<Form2>(s); });
    windows.SetFactory(WindowId::Form3, [](WindowServices &s) { return std::make_unique<Form3>(s); });
    windows.SetFactory(WindowId::Form4, [](WindowServices &s) { return std::make_unique<Form4>(s); });
    windows.SetFactory(WindowId::frmAbout, [](WindowServices &s) { return std::make_unique<frmAbout>(s); });
}
