#include "passwordanswers.h"

#include <QLineEdit>
#include <QtTest>

namespace PasswordAnswers {

ModalAnswerer::Action createPassword(const QString &password, const QString &hint)
{
    return [password, hint](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("lnePassword")->setText(password);
        dialog->findChild<QLineEdit *>("lneRePassword")->setText(password);
        dialog->findChild<QLineEdit *>("PasswordHint")->setText(hint);
        QVERIFY(ModalAnswerer::clickButton(dialog, "btnOK"));
    };
}

ModalAnswerer::Action changePassword(const QString &current, const QString &newPassword,
                                     const QString &hint, QWidget **seen)
{
    return [=](QWidget *dialog) {
        if (seen)
            *seen = dialog;
        dialog->findChild<QLineEdit *>("lneCurPwd")->setText(current);
        dialog->findChild<QLineEdit *>("lnePassword")->setText(newPassword);
        dialog->findChild<QLineEdit *>("lneRePassword")->setText(newPassword);
        dialog->findChild<QLineEdit *>("passwordHint")->setText(hint);
        QString why;
        QVERIFY2(ModalAnswerer::clickButton(dialog, "OK", &why), qPrintable(why));
    };
}

} // namespace PasswordAnswers
