#include "tavfilesystementry.h"

bool TAVFileSystemEntry::operator==(const TAVFileSystemEntry &other) const
{
    // Null and empty texts mean different things here (type 0 against type 4).
    return id == other.id && location == other.location && location.isNull() == other.location.isNull()
        && name == other.name && name.isNull() == other.name.isNull() && path == other.path
        && path.isNull() == other.path.isNull() && type == other.type && cipher == other.cipher
        && key == other.key;
}

void TAVFileSystemEntry::registerMetaType()
{
    qRegisterMetaType<TAVFileSystemEntryList>("TAVFileSystemEntryList");
    qRegisterMetaTypeStreamOperators<TAVFileSystemEntryList>("TAVFileSystemEntryList");
}

QDataStream &operator<<(QDataStream &stream, const TAVFileSystemEntry &entry)
{
    return stream << entry.id << entry.location << entry.name << entry.path << entry.type << entry.key
                  << entry.cipher;
}

QDataStream &operator>>(QDataStream &stream, TAVFileSystemEntry &entry)
{
    return stream >> entry.id >> entry.location >> entry.name >> entry.path >> entry.type >> entry.key
        >> entry.cipher;
}
