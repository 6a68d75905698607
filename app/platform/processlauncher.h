#ifndef PROCESSLAUNCHER_H
#define PROCESSLAUNCHER_H

#include <QString>
#include <QStringList>

// Starts a program on its own, with an argument list and no shell, and does
// not wait for it. Tests install a launcher that records the call instead.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher();

    // True once the program runs.
    virtual bool startDetached(const QString &program, const QStringList &arguments);

    // The launcher in use; never null.
    static ProcessLauncher *instance();
    // Installs a launcher (not owned); null puts the real one back.
    static void setInstance(ProcessLauncher *launcher);
};

#endif // PROCESSLAUNCHER_H
