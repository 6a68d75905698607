#include "tavprogressdialog.h"

#include "textfit.h"
#include "ui_tavprogressdialog.h"

#include "clock.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <limits>

namespace {
// Length of the item name's tail shown in the information line.
const int ItemTailLength = 36;
}

TAVProgressDialog::TAVProgressDialog(QWidget *parent)
    // The title bar stays, so the window can be moved off what it covers; only
    // its close, minimise and maximise buttons go. A customised window without
    // the title hint gets no frame at all from an X11 window manager.
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(new Ui::TAVProgressDialog)
{
    ui->setupUi(this);
    // The texts a job starts with, from the first show on.
    reset();
}

TAVProgressDialog::~TAVProgressDialog()
{
    delete ui;
}

void TAVProgressDialog::reset()
{
    wasCanceled = false;
    ui->lblInformation->setText(QString());
    ui->lblEstimate->setText(QStringLiteral("%1    0 %2").arg(tr("Estimated Time to Complete:"), tr("minutes")));
    ui->progBarMain->setValue(0);
    secondsRemaining = 0;
    shownEstimate = -1;
    totalSize = 0;
    remainSize = 0;
    curItemSize = 0;
    nextEstimateMs = 20000;
    taskText.clear();
    mainProgressVisible = false;
    startedAtMs = Clock::getInstance()->steadyMs();
}

void TAVProgressDialog::setTaskInformation(const QString &task, const QString &item)
{
    QString tail = item.right(ItemTailLength);
    // Never start the tail with the second half of a character.
    if (item.size() > ItemTailLength && tail.at(0).isLowSurrogate())
        tail.remove(0, 1);
    taskText = task + QLatin1Char(' ') + tail;
    ui->lblInformation->setText(taskText);
}

void TAVProgressDialog::setMainValue(int value)
{
    ui->progBarMain->setValue(value);
    ui->lbpercent->setText(QStringLiteral("%1%").arg(value));
}

void TAVProgressDialog::setMainMinimum(int value)
{
    ui->progBarMain->setMinimum(value);
    ui->lbpercent->setText(QStringLiteral("%1%").arg(value));
}

void TAVProgressDialog::setMainMaximum(int value)
{
    ui->progBarMain->setMaximum(value);
    ui->lbpercent->setText(QStringLiteral("%1%").arg(value));
}

qint64 TAVProgressDialog::elapsedMs() const
{
    if (startedAtMs < 0)
        return 0;
    return qMax<qint64>(0, Clock::getInstance()->steadyMs() - startedAtMs);
}

void TAVProgressDialog::setItemValue(int percent)
{
    percent = qBound(0, percent, 100);
    if (mainProgressVisible)
        ui->lblInformation->setText(taskText + QStringLiteral(" (%1%)").arg(percent));

    secondsRemaining = 0;
    quint64 overall = 100;
    if (totalSize != 0) {
        const quint64 itemDone = quint64(percent) * curItemSize / 100;
        // A remaining size above the total would make the done bytes wrap.
        const quint64 remain = qMin(remainSize, totalSize);
        const quint64 done = totalSize - remain + itemDone;
        overall = qMin<quint64>(100, done * 100 / totalSize);

        const quint64 elapsed = quint64(elapsedMs());
        if (done != 0 && elapsed > nextEstimateMs) {
            // Counted from one second after reset(). Below about 1,000 bytes a
            // second (a job held up by a question) this comes out at 0: keep
            // the previous throughput rather than divide by nothing.
            const quint64 measured = (done / (elapsed - 1000)) * 1000;
            if (measured != 0)
                bytesPerSecond = measured;
            nextEstimateMs += 5000;
        }

        if (remain > itemDone) {
            const quint64 left = remain - itemDone;
            const quint64 seconds = left / qMax<quint64>(1, bytesPerSecond) + 1;
            secondsRemaining = int(qMin<quint64>(seconds, quint64(std::numeric_limits<int>::max())));
        }
    }

    ui->progBarMain->setValue(int(overall));
    ui->lbpercent->setText(QStringLiteral("%1%").arg(overall));
    // Built again only when it changes: two per file of a job of many.
    if (secondsRemaining != shownEstimate) {
        shownEstimate = secondsRemaining;
        ui->lblEstimate->setText(estimateText(secondsRemaining));
    }
}

QString TAVProgressDialog::estimateText(int seconds)
{
    int count = seconds;
    QString unit = tr("seconds");
    if (seconds >= 3600) {
        count = seconds / 3600;
        unit = tr("hours");
    } else if (seconds >= 60) {
        count = seconds / 60;
        unit = tr("minutes");
    }
    return QStringLiteral("%1    %2 %3").arg(tr("Estimated Time to Complete:"), QString::number(count), unit);
}

void TAVProgressDialog::cancel()
{
    wasCanceled = true;
    emit canceled();
}

void TAVProgressDialog::on_btnCancel_released()
{
    cancel();
}

void TAVProgressDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        shownEstimate = -1;
    }
}

void TAVProgressDialog::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cancel();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TAVProgressDialog::closeEvent(QCloseEvent *e)
{
    // The owner's close() ends the job's window; a close asked for by the
    // user through the window manager only cancels.
    if (e->spontaneous()) {
        cancel();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TAVProgressDialog::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}
