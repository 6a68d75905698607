#ifndef SCRIPTEDPROMPTER_H
#define SCRIPTEDPROMPTER_H

#include "prompter.h"

#include <QList>
#include <QStringList>

// Stands in for the message boxes while it lives: records every prompt and
// answers from a script. Without a scripted answer it takes Cancel when
// offered, else the default button.
class ScriptedPrompter : public Prompter
{
public:
    struct Prompt
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QStringList buttonTexts; // a box of the caller's own buttons, in order
        QString defaultText;     // the button Return presses, when the box names one
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    // Records the box and answers from `choices`; without one, -1 (closed
    // without an answer, as a lock leaves it).
    int choose(QMessageBox *box) override;

    QList<QMessageBox::StandardButton> answers; // taken from the front
    QList<int> choices;                         // taken from the front by choose()
    QList<Prompt> prompts;
};

#endif // SCRIPTEDPROMPTER_H
