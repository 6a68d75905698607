// Fails an internal check in a program of its own, so a test can see how the
// program ends. Usage: failing_check tree-root-row|macro-fails|macro-holds
#include "prompter.h"
#include "tavassert.h"
#include "tavfilesystem.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Answers Cancel and says on standard output which box was shown.
class CancellingPrompter : public Prompter
{
public:
    QMessageBox::StandardButton ask(QMessageBox::Icon, const QString &title, const QString &,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override
    {
        std::printf("asked: %s\n", title.toUtf8().constData());
        std::fflush(stdout);
        return QMessageBox::Cancel;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CancellingPrompter prompter;
    Prompter::setInstance(&prompter);
    const char *mode = argc > 1 ? argv[1] : "";

    if (std::strcmp(mode, "tree-root-row") == 0) {
        // A broken tree: the root under one of its own children, so the
        // folder tree shows it as a row, and its icon is asked for.
        TAVFileSystem *root = TAVFileSystem::getInstance();
        auto *box = new TAVFolder(root, QStringLiteral("box"));
        root->addItem(box);
        box->addItem(root);
        root->SetParent(nullptr);
        TAVFileSystemTreeModel *model = TAVFileSystemTreeModel::getInstance();
        const QModelIndex boxRow = model->index(0, 0);
        const QModelIndex rootRow = model->index(0, 0, boxRow);
        if (!rootRow.isValid())
            return 65;
        model->data(rootRow, Qt::DecorationRole);
    }
    else if (std::strcmp(mode, "macro-fails") == 0)
        TAV_CHECK(argc == 42);
    else if (std::strcmp(mode, "macro-holds") == 0)
        TAV_CHECK(argc == 2);
    else
        return 64;

    std::printf("after check\n");
    return 0;
}
