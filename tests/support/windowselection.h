#ifndef WINDOWSELECTION_H
#define WINDOWSELECTION_H

#include "modalanswerer.h"

#include <QList>
#include <QString>
#include <QStringList>

class MainWindow;
class TAVItem;
class TAVItemContainer;

// Selections in the main window's panes, made as a user's clicks leave them.
namespace WindowSelection {

// Shows the container in the vault contents views and selects the rows of
// these items there (none: an empty selection), the last one current.
void selectVaultItems(MainWindow *window, TAVItemContainer *shown, const QList<TAVItem *> &items);

// Selects the rows of the local listing whose names are given, the last one
// current; the names found, in row order.
QStringList selectLocalEntries(MainWindow *window, const QStringList &names);

// An answer for the folder picker of a move: expands its tree down to the
// entry at a full path ("Vault/Folder"), clicks it and presses OK. An entry
// that is not there leaves the dialog rejected.
ModalAnswerer::Action chooseTargetFolder(const QString &path);

} // namespace WindowSelection

#endif // WINDOWSELECTION_H
