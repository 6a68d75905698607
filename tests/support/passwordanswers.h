#ifndef PASSWORDANSWERS_H
#define PASSWORDANSWERS_H

#include "modalanswerer.h"

#include <QString>

// Answers for the password dialogs, for ModalAnswerer::act().
namespace PasswordAnswers {

// The create-password dialog of a first run: the password twice, the hint, OK.
ModalAnswerer::Action createPassword(const QString &password, const QString &hint);

// The change-password dialog: the current password, the new one twice and
// the hint, then OK. `seen` (when given) receives the dialog, so a test can
// tell whether a second answer met the same one.
ModalAnswerer::Action changePassword(const QString &current, const QString &newPassword,
                                     const QString &hint, QWidget **seen = nullptr);

} // namespace PasswordAnswers

#endif // PASSWORDANSWERS_H
