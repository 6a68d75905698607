#ifndef PWDCHECKER_H
#define PWDCHECKER_H

#include <QString>

// Character-class tests behind the password rules.
class PwdChecker
{
public:
    // An ASCII lower-case letter occurs.
    static bool containsLowCaseChar(QString text);
    // An ASCII upper-case letter occurs.
    static bool containsUpCaseChar(QString text);
    // An ASCII digit occurs.
    static bool containsDigit(QString text);
    // One of the 25 special characters ; , : _ = + | / ? ^ & ! . @ $ # * ( ) % ~ < > { } occurs
    // (not the hyphen, the backslash, spaces, quotes or brackets).
    static bool containsSpecialChar(QString text);

    // The characters of `text` outside Latin-1, each once, in order of first
    // appearance. The password key derivation turns every one of them into
    // the same byte, so a password holding any would share its key with others.
    static QString charsOutsideLatin1(const QString &text);

private:
    PwdChecker() = delete;
};

#endif // PWDCHECKER_H
