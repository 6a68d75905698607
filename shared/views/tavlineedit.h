#ifndef TAVLINEEDIT_H
#define TAVLINEEDIT_H

#include <QLineEdit>

// A single-line field that shows a grey hint while it is empty, can switch off
// the platform's focus square, and shows its tooltip as soon as it gains the
// keyboard focus.
class TAVLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TAVLineEdit(QWidget *parent = nullptr);
    ~TAVLineEdit() override;

    // Both take effect at the next paint.
    void setSelectionSquare(bool on) { selectionSquare = on; }
    void setHintText(const QString &text) { hintText = text; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool selectionSquare = true;
    QString hintText;
};

#endif // TAVLINEEDIT_H
