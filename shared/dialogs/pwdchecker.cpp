#include "pwdchecker.h"

#include <QRegExp>

namespace {

bool matches(const QString &text, const char *pattern)
{
    const QRegExp expression(QLatin1String(pattern), Qt::CaseSensitive);
    return text.indexOf(expression, 0) != -1;
}

} // namespace

bool PwdChecker::containsLowCaseChar(QString text)
{
    return matches(text, "(.*[a-z].*)");
}

bool PwdChecker::containsUpCaseChar(QString text)
{
    return matches(text, "(.*[A-Z].*)");
}

bool PwdChecker::containsDigit(QString text)
{
    return matches(text, "(.*[0-9].*)");
}

bool PwdChecker::containsSpecialChar(QString text)
{
    // ",-," is a range from comma to comma and "\," an escaped comma: the
    // class holds exactly the 25 characters listed in the header.
    return matches(text, "(.*[;,:,-,_,=,+,\\,|,/,?,^,&,!,.,@,$,#,*,(,),%,~,<,>,{,}].*)");
}

QString PwdChecker::charsOutsideLatin1(const QString &text)
{
    QString found;
    for (int i = 0; i < text.size(); ++i) {
        QString character(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            character.append(text.at(++i));
        if (character.size() == 1 && character.at(0).unicode() <= 0xff)
            continue;
        if (!found.contains(character))
            found.append(character);
    }
    return found;
}
