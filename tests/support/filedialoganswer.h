#ifndef FILEDIALOGANSWER_H
#define FILEDIALOGANSWER_H

#include "modalanswerer.h"

#include <QString>
#include <QStringList>

#include <functional>

// Answers for a QFileDialog that the code under test runs with exec():
//   ModalAnswerer answers;
//   answers.act(FileDialogAnswer::select(folder, {"a.txt", "Photos"}));
namespace FileDialogAnswer {

// Opens `folder`, selects the named entries in the dialog's list as a user
// would (several at once), and presses the accept button. When an entry does
// not show up within a few seconds the dialog is rejected instead, and the
// test sees nothing chosen.
// `beforeAccept` runs between the selection and the press (to take a chosen
// file away, as another program may).
ModalAnswerer::Action select(const QString &folder, const QStringList &names,
                             std::function<void()> beforeAccept = nullptr);

} // namespace FileDialogAnswer

#endif // FILEDIALOGANSWER_H
