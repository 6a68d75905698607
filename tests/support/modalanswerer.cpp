#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

ModalAnswerer::ModalAnswerer(int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
    m_since.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer &ModalAnswerer::press(const QString &button)
{
    return act([this, button](QWidget *dialog) {
        QString why;
        if (!clickButton(dialog, button, &why)) {
            fail(why);
            dismiss(dialog);
        }
    });
}

ModalAnswerer &ModalAnswerer::reject()
{
    return act([](QWidget *dialog) { dismiss(dialog); });
}

ModalAnswerer &ModalAnswerer::act(Action action)
{
    if (m_queue.isEmpty())
        m_since.restart();
    m_queue.enqueue(std::move(action));
    return *this;
}

QString ModalAnswerer::errorString() const
{
    QStringList all = m_errors;
    if (!m_queue.isEmpty())
        all << QStringLiteral("%1 answer(s) never given").arg(m_queue.size());
    return all.join(QLatin1String("; "));
}

QString ModalAnswerer::stripMnemonic(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain.append(text.at(i));
    }
    return plain;
}

bool ModalAnswerer::clickButton(QWidget *dialog, const QString &button, QString *why)
{
    const QString wanted = stripMnemonic(button);
    QStringList available;
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    for (QAbstractButton *candidate : buttons) {
        if (!candidate->isVisibleTo(dialog))
            continue;
        const QString text = stripMnemonic(candidate->text());
        available << (text.isEmpty() ? candidate->objectName() : text);
        if (candidate->objectName() != button && text != wanted)
            continue;
        if (!candidate->isEnabled()) {
            if (why)
                *why = QStringLiteral("button \"%1\" of \"%2\" is disabled").arg(button, dialog->windowTitle());
            return false;
        }
        candidate->click();
        return true;
    }
    if (why)
        *why = QStringLiteral("no button \"%1\" in \"%2\" (buttons: %3)")
                   .arg(button, dialog->windowTitle(), available.join(QLatin1String(", ")));
    return false;
}

void ModalAnswerer::poll()
{
    QWidget *top = QApplication::activeModalWidget();
    if (top && !top->isVisible())
        top = nullptr;

    // The dialog answered last is still on top: give it the time limit to close.
    if (top && top == m_current) {
        if (m_since.elapsed() > m_timeoutMs) {
            fail(QStringLiteral("\"%1\" still open %2 ms after its answer").arg(top->windowTitle()).arg(m_timeoutMs));
            m_current.clear();
            dismiss(top);
        }
        return;
    }
    if (!m_queue.isEmpty()) {
        if (top) {
            m_unexpected.clear();
            answer(top, m_queue.dequeue());
        } else if (m_since.elapsed() > m_timeoutMs) {
            fail(QStringLiteral("no dialog opened within %1 ms; %2 answer(s) dropped")
                     .arg(m_timeoutMs)
                     .arg(m_queue.size()));
            m_queue.clear();
        }
        return;
    }

    // Nobody asked for this one: let the test fail rather than hang.
    if (!top) {
        m_unexpected.clear();
        return;
    }
    if (m_unexpected != top) {
        m_unexpected = top;
        m_unexpectedSince.start();
    } else if (m_unexpectedSince.elapsed() > m_timeoutMs) {
        const Seen seen = describe(top);
        fail(QStringLiteral("unanswered dialog \"%1\" (%2) rejected").arg(seen.title, seen.text));
        m_unexpected.clear();
        dismiss(top);
    }
}

void ModalAnswerer::answer(QWidget *dialog, const Action &action)
{
    m_seen.append(describe(dialog));
    m_current = dialog;
    // A dialog shown again after it closed (an opener that loops) is a new
    // opening, due its own answer.
    dialog->installEventFilter(this);
    m_since.restart();
    // Run outside the timer's slot: the answer may open a nested modal loop,
    // and a timer never fires again while its own slot is running.
    QPointer<QWidget> target(dialog);
    QTimer::singleShot(0, this, [this, target, action] {
        if (target)
            action(target);
        m_since.restart();
    });
}

bool ModalAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == m_current)
        m_current.clear();
    return QObject::eventFilter(watched, event);
}

void ModalAnswerer::fail(const QString &message)
{
    m_errors.append(message);
}

void ModalAnswerer::dismiss(QWidget *dialog)
{
    if (auto *box = qobject_cast<QDialog *>(dialog))
        box->reject();
    else
        dialog->close();
}

ModalAnswerer::Seen ModalAnswerer::describe(QWidget *dialog)
{
    Seen seen;
    seen.className = QString::fromLatin1(dialog->metaObject()->className());
    seen.objectName = dialog->objectName();
    seen.title = dialog->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        seen.text = box->text();
        seen.informativeText = box->informativeText();
    } else if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
        seen.text = input->labelText();
    }
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isVisibleTo(dialog) && !button->text().isEmpty())
            seen.buttons << stripMnemonic(button->text());
    }
    return seen;
}
