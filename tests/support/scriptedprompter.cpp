#include "scriptedprompter.h"

#include <QAbstractButton>
#include <QPushButton>

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
    prompts.append({icon, title, text, buttons, defaultButton, {}, {}});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : defaultButton;
}

int ScriptedPrompter::choose(QMessageBox *box)
{
    QStringList texts;
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *button : buttons)
        texts << button->text();
    prompts.append({box->icon(), box->windowTitle(), box->text(), QMessageBox::NoButton,
                    QMessageBox::NoButton, texts,
                    box->defaultButton() ? box->defaultButton()->text() : QString()});
    const int answer = choices.isEmpty() ? -1 : choices.takeFirst();
    return answer < texts.size() ? answer : -1;
}
