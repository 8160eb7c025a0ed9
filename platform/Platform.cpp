#include "Platform.h"

#include "FileTest.h"

#include <QProcess>
#include <QStandardPaths>

#ifdef _WIN32
#include "WindowsRegistry.h"
#endif

namespace platform {

void FillStandInRegistry(MemoryRegistry &registry, const QStringList &searchPaths)
{
    for (const QString &program : kSystemInfoPrograms) {
        const QString path = QStandardPaths::findExecutable(program, searchPaths);
        if (!path.isEmpty()) {
            registry.SetString(kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                               path.toLocal8Bit().toStdString());
            return;
        }
    }
}

Registry &SystemRegistry()
{
#ifdef _WIN32
    static WindowsRegistry registry;
#else
    static MemoryRegistry registry = [] {
        MemoryRegistry standIn;
        FillStandInRegistry(standIn);
        return standIn;
    }();
#endif
    return registry;
}

bool StartProgram(const std::string &path)
{
    if (path.empty())
        return false;
    return QProcess::startDetached(QString::fromLocal8Bit(path.data(), qsizetype(path.size())), {});
}

PlatformServices DesktopPlatform()
{
    return {&SystemRegistry(), OrdinaryFileExists, StartProgram};
}

} // namespace platform
