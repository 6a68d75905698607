#ifndef TAVFILEDIALOG_H
#define TAVFILEDIALOG_H

#include <QFileDialog>

// The toolkit's own (never the platform's) file dialog, set up to pick several
// files and folders at once. Reports user input through userAction() and is
// rejected when the application locks.
class TAVFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    TAVFileDialog(QWidget *parent, const QString &caption = QString(), const QString &directory = QString(),
                  const QString &filter = QString());
    // A plain file dialog: the toolkit's default single selection and file mode.
    TAVFileDialog(QWidget *parent, Qt::WindowFlags flags);

public slots:
    // Returns whatever is selected, folders included, without entering a
    // folder or asking about names; with nothing selected it does nothing.
    void accept() override;

signals:
    void userAction();

protected slots:
    void On_UserAction();

protected:
    bool event(QEvent *e) override;
};

#endif // TAVFILEDIALOG_H
