#ifndef TAVMESSAGEBOX_H
#define TAVMESSAGEBOX_H

#include <QMessageBox>

// The toolkit's message box, reporting user input through userAction() and
// rejected when the application locks (clickedButton() then stays null).
class TAVMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    TAVMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                  QMessageBox::StandardButtons buttons = QMessageBox::NoButton, QWidget *parent = nullptr,
                  Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // A plain box with that parent: no icon, title, text or buttons yet.
    explicit TAVMessageBox(QWidget *parent);

signals:
    void userAction();

protected slots:
    void On_UserAction();

protected:
    bool event(QEvent *e) override;
};

#endif // TAVMESSAGEBOX_H
