#include "fileopener.h"

#include "tavlogging.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
FileOpener *installed = nullptr;
} // namespace

FileOpener::~FileOpener() = default;

FileOpener *FileOpener::instance()
{
    static FileOpener real;
    return installed ? installed : &real;
}

void FileOpener::setInstance(FileOpener *opener)
{
    installed = opener;
}

bool FileOpener::open(const QString &filePath)
{
    // A full path also keeps a name starting with "-" from being read as an
    // option of the opener.
    const QFileInfo file(filePath);
    if (filePath.isEmpty() || !file.isAbsolute() || !file.isFile()) {
        LOG_ERROR << "not a file to open:" << filePath;
        return false;
    }
    const QString path = QDir::cleanPath(file.absoluteFilePath());
    if (!start(QStringLiteral("xdg-open"), {path})) {
        LOG_ERROR << "xdg-open could not be started for" << path;
        return false;
    }
    LOG_DEBUG << "opened" << path;
    return true;
}

bool FileOpener::openWith(const QString &program, const QString &filePath)
{
    const QFileInfo app(program);
    const QFileInfo file(filePath);
    if (program.isEmpty() || !app.isAbsolute() || !app.isFile() || !app.isExecutable()) {
        LOG_ERROR << "not a program to open with:" << program;
        return false;
    }
    if (filePath.isEmpty() || !file.isAbsolute() || !file.isFile()) {
        LOG_ERROR << "not a file to open:" << filePath;
        return false;
    }
    const QString path = QDir::cleanPath(file.absoluteFilePath());
    if (!start(app.absoluteFilePath(), {path})) {
        LOG_ERROR << program << "could not be started for" << path;
        return false;
    }
    LOG_DEBUG << "opened" << path << "with" << program;
    return true;
}

bool FileOpener::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
