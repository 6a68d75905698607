#include "tavitemnamevalidator.h"

#include <QRegularExpression>

bool TAVItemNameValidator::validate(const QString &name)
{
    if (name.isEmpty() || !isPathSafe(name))
        return false;
    // The whole name must match; "\:" in the class is an escaped colon, so the
    // refused characters are exactly / : * ? " < > | and a backslash is allowed.
    static const QRegularExpression rule(
        QRegularExpression::anchoredPattern(QStringLiteral("[^/\\:*?\"<>|]+$")));
    return rule.match(name).hasMatch();
}

bool TAVItemNameValidator::isPathSafe(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}
