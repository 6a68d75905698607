#include "processlauncher.h"

#include <QProcess>

namespace {
ProcessLauncher *installed = nullptr;
} // namespace

ProcessLauncher::~ProcessLauncher() = default;

bool ProcessLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

ProcessLauncher *ProcessLauncher::instance()
{
    static ProcessLauncher real;
    return installed ? installed : &real;
}

void ProcessLauncher::setInstance(ProcessLauncher *launcher)
{
    installed = launcher;
}
