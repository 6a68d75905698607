#ifndef FILEOPENER_H
#define FILEOPENER_H

#include <QString>
#include <QStringList>

// Opens a file in the application the desktop associates with its type, by
// starting "xdg-open" with the file's path as its one argument (no shell).
// Tests install an opener whose start() records the call instead.
class FileOpener
{
public:
    virtual ~FileOpener();

    // False when the path is not an existing file given by its full path,
    // or when the opener could not be started; true once it runs (whether
    // an application then takes the file is not known here).
    bool open(const QString &filePath);
    // Opens the file in a program the user chose: starts the program (an
    // existing executable given by its full path) with the file's full path
    // as its one argument. False when either is not so, or it did not start.
    bool openWith(const QString &program, const QString &filePath);

    // The opener in use; never null.
    static FileOpener *instance();
    // Installs an opener (not owned); null puts the real one back.
    static void setInstance(FileOpener *opener);

protected:
    // Starts the program detached with these arguments.
    virtual bool start(const QString &program, const QStringList &arguments);
};

#endif // FILEOPENER_H
