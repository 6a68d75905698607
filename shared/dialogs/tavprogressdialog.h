#ifndef TAVPROGRESSDIALOG_H
#define TAVPROGRESSDIALOG_H

#include <QDialog>
#include <QString>

namespace Ui {
class TAVProgressDialog;
}

// The one progress window of the application, reused by every long job: an
// information line (task and current item), one bar with its percentage, an
// estimate of the time left and Cancel. Cancel only raises wasCanceled and
// emits canceled(); the owner stops the work and closes the window.
class TAVProgressDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TAVProgressDialog(QWidget *parent = nullptr);
    ~TAVProgressDialog() override;

    // Set by Cancel, Ctrl+W or Escape; jobs read it between items.
    bool wasCanceled = false;

    void setTotalSize(quint64 bytes) { totalSize = bytes; }
    void setRemainSize(quint64 bytes) { remainSize = bytes; }
    quint64 getRemainSize() const { return remainSize; }
    void setCurItemSize(quint64 bytes) { curItemSize = bytes; }
    // With several items the information line also shows the item's percentage.
    void setMainProgressVisible(bool visible) { mainProgressVisible = visible; }
    bool isMainProgressVisible() const { return mainProgressVisible; }

    // The information line: the task, a blank and the item's last 36 characters.
    void setTaskInformation(const QString &task, const QString &item);
    void setMainValue(int value);
    void setMainMinimum(int value);
    void setMainMaximum(int value);
    // The current item has reached `percent` of its bytes: redraws the bar,
    // the information line and the estimate.
    void setItemValue(int percent);

    // The estimate line for a number of seconds left.
    static QString estimateText(int seconds);

public slots:
    void cancel();
    void reset();

signals:
    void canceled();

protected:
    void changeEvent(QEvent *e) override;
    // Escape and a close from the window manager cancel the job instead of
    // hiding a window whose job keeps running.
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;

private slots:
    void on_btnCancel_released();

private:
    qint64 elapsedMs() const;

    Ui::TAVProgressDialog *ui;
    int secondsRemaining = 0;
    int shownEstimate = -1; // the figure lblEstimate shows; -1 its text from reset()
    quint64 totalSize = 0;
    quint64 remainSize = 0;
    quint64 curItemSize = 0;
    quint64 bytesPerSecond = 1500000;
    qint64 startedAtMs = -1; // steady clock at reset(); -1 before the first job
    quint64 nextEstimateMs = 20000;
    QString taskText;
    bool mainProgressVisible = false;
};

#endif // TAVPROGRESSDIALOG_H
