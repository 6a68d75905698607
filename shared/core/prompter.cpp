#include "prompter.h"

namespace {
Prompter *installed = nullptr;
} // namespace

Prompter::~Prompter() = default;

Prompter *Prompter::instance()
{
    static MessageBoxPrompter messageBoxes;
    return installed ? installed : &messageBoxes;
}

int Prompter::choose(QMessageBox *box)
{
    box->exec();
    QAbstractButton *clicked = box->clickedButton();
    return clicked ? box->buttons().indexOf(clicked) : -1;
}

void Prompter::setInstance(Prompter *prompter)
{
    installed = prompter;
}

QMessageBox::StandardButton MessageBoxPrompter::ask(QMessageBox::Icon icon, const QString &title,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    // exec()'s result is the standard button only when one was clicked.
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return box.escapeButton() ? box.standardButton(box.escapeButton()) : QMessageBox::NoButton;
    return box.standardButton(clicked);
}
