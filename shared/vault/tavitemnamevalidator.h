#ifndef TAVITEMNAMEVALIDATOR_H
#define TAVITEMNAMEVALIDATOR_H

#include <QString>

// Rules for the names of items in the vault tree.
class TAVItemNameValidator
{
public:
    // The rule for a new file name: not empty, none of / : * ? " < > |,
    // and fit to be a path component (see isPathSafe). A backslash is allowed.
    static bool validate(const QString &name);

    // The rule every name must pass before it enters the tree, whatever its
    // kind or source (added, renamed, read back from an index): names become
    // paths on the disk when items are extracted or opened, so ".", ".." and
    // names holding "/" (or a NUL, which cuts a path short) are refused.
    static bool isPathSafe(const QString &name);

private:
    TAVItemNameValidator() = delete;
};

#endif // TAVITEMNAMEVALIDATOR_H
