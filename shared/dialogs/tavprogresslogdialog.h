#ifndef TAVPROGRESSLOGDIALOG_H
#define TAVPROGRESSLOGDIALOG_H

#include "tavdialog.h"

class Ui_TAVProgressLogDialog;

// A growing log of progress lines for a long job: a synchronisation, or an
// index repair once setProgressName() has made it cancellable. Closing it
// while the job can still be cancelled (its Cancel button, Escape, the
// window's close button or a lock) asks the job to stop.
class TAVProgressLogDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit TAVProgressLogDialog(QWidget *parent = nullptr);
    ~TAVProgressLogDialog() override;

    // Title "name", label "name:", button "Cancel"; closing now cancels.
    void setProgressName(const QString &name);
    bool isCancellable() const { return cancellable; }
    // The job has ended: nothing is left to cancel, the button reads "Close".
    void setFinished();

    QString text() const;

public slots:
    // Appends the line; an empty one reads "No items is synced".
    void addSyncProgress(const QString &name);
    void reject() override;

signals:
    void cancelRequested();

private slots:
    void on_btnCancel_clicked();

private:
    Ui_TAVProgressLogDialog *ui;
    bool cancellable = false;
};

#endif // TAVPROGRESSLOGDIALOG_H
