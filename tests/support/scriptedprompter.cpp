#include "scriptedprompter.h"

ScriptedPrompter::ScriptedPrompter()
{
    Prompter::setInstance(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::setInstance(nullptr);
}

QMessageBox::StandardButton ScriptedPrompter::ask(QMessageBox::Icon icon, const QString &title,
                                                  const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    prompts.append({icon, title, text, buttons, defaultButton});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : defaultButton;
}
