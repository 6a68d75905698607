#ifndef TAVEXCEPTION_H
#define TAVEXCEPTION_H

#include <QByteArray>
#include <QDebug>
#include <QString>

#include <exception>

// Codes of the vault model's errors; each indexes a fixed English message.
enum TAVErrorCode : qint32 {
    TAV_NO_ERROR = 0,
    TAV_GENERAL_ERROR = 1,
    TAV_DISK_FULL = 2,
    TAV_INVALID_FILENAME = 3,
    TAV_FILE_EXISTS = 4,
    TAV_CANNOT_ENCRYPT = 5,
    TAV_CANNOT_COPY = 7,
    TAV_ITEM_NOT_FOUND = 8,
    TAV_DESTINATION_NOT_FOUND = 9,
    TAV_INVALID_POINTER = 10,
    TAV_WRITE_PROTECTED = 11,
    TAV_WRONG_KEY = 12,
};

// The vault model's one exception type: a user-facing message and a code.
class TAVException : public std::exception
{
public:
    explicit TAVException(const QString &message)
        : m_message(message), m_code(TAV_GENERAL_ERROR), m_latin1(message.toLatin1())
    {
        qDebug() << "Throwing exception: " << message;
    }

    explicit TAVException(TAVErrorCode code)
        : m_message(QString::fromLatin1(messageFor(code))), m_code(code),
          m_latin1(m_message.toLatin1())
    {
        qDebug() << "Throwing exception: " << messageFor(code);
    }

    ~TAVException() override = default;

    const char *what() const noexcept override { return m_latin1.constData(); }
    TAVErrorCode code() const { return m_code; }

    // The fixed text of a code; null for a value outside the table.
    static const char *messageFor(TAVErrorCode code)
    {
        switch (code) {
        case TAV_NO_ERROR: return "No error.";
        case TAV_GENERAL_ERROR: return "General error.";
        case TAV_DISK_FULL: return "Disk is full.";
        case TAV_INVALID_FILENAME:
            return "The filename contains characters that are not allowed on all platforms and cannot be copied.";
        case TAV_FILE_EXISTS: return "File already exists.";
        case TAV_CANNOT_ENCRYPT:
            return "It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.";
        case TAV_CANNOT_COPY: return "Unable to copy the file.";
        case TAV_ITEM_NOT_FOUND: return "The item was not found.";
        case TAV_DESTINATION_NOT_FOUND: return "Destination directory does not exist.";
        case TAV_INVALID_POINTER: return "Invalid pointer.";
        case TAV_WRITE_PROTECTED: return "Vault is write protected.";
        case TAV_WRONG_KEY: return "Wrong key.";
        }
        return nullptr;
    }

private:
    QString m_message;
    TAVErrorCode m_code;
    QByteArray m_latin1; // what() hands out a pointer into this, valid while the exception lives
};

#endif // TAVEXCEPTION_H
