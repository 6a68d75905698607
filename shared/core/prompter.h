#ifndef PROMPTER_H
#define PROMPTER_H

#include <QMessageBox>
#include <QString>

// Every message box and question of the program goes through the current
// prompter. The default shows a modal QMessageBox; tests install their own to
// read the exact texts and script the answers.
class Prompter
{
public:
    virtual ~Prompter();

    // Shows a modal box without parent and returns the button taken. Escape,
    // or closing the box, gives the escape button (Cancel when offered).
    virtual QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;

    // Runs a box the caller has made, with buttons of its own texts, and
    // returns the position of the pressed one among box->buttons(); -1 when
    // the box closed without a press (a lock rejects it). The default runs
    // box->exec().
    virtual int choose(QMessageBox *box);

    // The prompter in use; never null.
    static Prompter *instance();
    // Installs a prompter (not owned); null restores the message-box one.
    static void setInstance(Prompter *prompter);
};

// The default: a real QMessageBox.
class MessageBoxPrompter : public Prompter
{
public:
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
};

#endif // PROMPTER_H
