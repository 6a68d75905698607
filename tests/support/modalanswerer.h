#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the modal dialogs and message boxes that the code under test opens
// with exec(), in the order they open, so a test never blocks on one.
//
//   ModalAnswerer answers;
//   answers.press("Cancel");              // button text (mnemonic '&' ignored) or object name
//   answers.act([](QWidget *d) { ... });  // anything, e.g. fill fields, then press a button
//   int r = dialogUnderTest.exec();
//   QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
//
// Each answer goes to the modal widget on top once it is due. An answer that
// finds no dialog within the time limit, a button that is missing or disabled,
// a dialog still open a time limit after its answer, and a dialog nobody
// answers are all recorded as errors; the dialog concerned is then rejected,
// so the test fails instead of hanging. Works under QT_QPA_PLATFORM=offscreen.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    using Action = std::function<void(QWidget *dialog)>;

    // What a dialog showed when it was answered.
    struct Seen {
        QString className;
        QString objectName;
        QString title;
        QString text;            // message box text or input dialog label
        QString informativeText; // message box only
        QStringList buttons;     // visible button texts, mnemonics removed
    };

    explicit ModalAnswerer(int timeoutMs = 5000, QObject *parent = nullptr);
    ~ModalAnswerer() override;

    ModalAnswerer &press(const QString &button);
    ModalAnswerer &reject();
    ModalAnswerer &act(Action action);

    // True when every answer was given and nothing went wrong.
    bool ok() const { return m_errors.isEmpty() && m_queue.isEmpty(); }
    bool allAnswered() const { return m_queue.isEmpty(); }
    QStringList errors() const { return m_errors; }
    QString errorString() const;
    QList<Seen> seen() const { return m_seen; }

    // Removes mnemonic markers: "&Save" -> "Save", "A && B" -> "A & B".
    static QString stripMnemonic(const QString &text);
    // Clicks the visible button of the dialog whose object name or text is
    // `button`; false (with the reason in `why`) when there is none or it is disabled.
    static bool clickButton(QWidget *dialog, const QString &button, QString *why = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void poll();
    void answer(QWidget *dialog, const Action &action);
    void fail(const QString &message);
    static void dismiss(QWidget *dialog);
    static Seen describe(QWidget *dialog);

    int m_timeoutMs;
    QTimer m_timer;
    QQueue<Action> m_queue;
    QElapsedTimer m_since;           // since the next answer became due, or the last answer
    QPointer<QWidget> m_current;     // the dialog answered last
    QPointer<QWidget> m_unexpected;  // an unanswered dialog being timed
    QElapsedTimer m_unexpectedSince;
    QStringList m_errors;
    QList<Seen> m_seen;
};

#endif // MODALANSWERER_H
