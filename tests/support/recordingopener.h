#ifndef RECORDINGOPENER_H
#define RECORDINGOPENER_H

#include "fileopener.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the platform's opener while installed: records the program
// and arguments it is asked to start instead of starting anything.
//   RecordingOpener opener;
//   FileOpener::setInstance(&opener);   // setInstance(nullptr) when done
class RecordingOpener : public FileOpener
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
    };
    QList<Call> calls;
    bool startSucceeds = true;       // what start() reports for "xdg-open"
    bool otherStartSucceeds = true;  // what start() reports for any other program

protected:
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return program == QLatin1String("xdg-open") ? startSucceeds : otherStartSucceeds;
    }
};

#endif // RECORDINGOPENER_H
