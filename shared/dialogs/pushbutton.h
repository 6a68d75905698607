#ifndef PUSHBUTTON_H
#define PUSHBUTTON_H

#include <QPushButton>

// A key of the on-screen keypad. Its label hides while the pointer rests on
// it, so someone looking over the user's shoulder can't read which key is hit.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    PushButton(const QString &text, QWidget *parent = nullptr);

    // The key's label, also while it is hidden under the pointer.
    QString label() const;
    // Gives the key a new label, shown at once, and forgets a hidden one.
    void setLabel(const QString &label);

protected:
    bool event(QEvent *e) override;

private:
    QString savedLabel;
};

#endif // PUSHBUTTON_H
