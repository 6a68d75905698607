#include "textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

// Widens a widget by `extra`, keeping a fixed width fixed.
void widen(QWidget *widget, int extra)
{
    const int width = widget->width() + extra;
    if (widget->minimumWidth() == widget->maximumWidth()) {
        widget->setFixedWidth(width);
    } else {
        if (widget->maximumWidth() < width)
            widget->setMaximumWidth(width);
        widget->resize(width, widget->height());
    }
}

QList<QWidget *> placedChildren(const QWidget *container)
{
    QList<QWidget *> children;
    for (QObject *object : container->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow())
            children << child;
    }
    return children;
}

int growWidget(QWidget *widget);

// A group, frame or plain widget whose children the form placed by hand;
// views, spin boxes and the like place their own parts.
bool isContainer(const QWidget *widget)
{
    const QMetaObject *kind = widget->metaObject();
    return qobject_cast<const QGroupBox *>(widget) || kind == &QWidget::staticMetaObject
        || kind == &QFrame::staticMetaObject;
}

// Lets the hand-placed children of `container` grow; a child's neighbours on
// its right move along. The width the container now needs, keeping its
// right margin within `width` (its own width when -1).
int growChildren(QWidget *container, int width = -1)
{
    QList<QWidget *> children = placedChildren(container);
    if (children.isEmpty())
        return 0;
    int right = 0;
    for (const QWidget *child : children)
        right = std::max(right, child->geometry().x() + child->width());
    const int margin = std::max(0, (width < 0 ? container->width() : width) - right);

    std::sort(children.begin(), children.end(),
              [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    for (QWidget *child : children) {
        const QRect before = child->geometry();
        const int extra = growWidget(child);
        if (extra <= 0)
            continue;
        for (QWidget *other : children) {
            const QRect at = other->geometry();
            const bool sameRow = at.top() <= before.bottom() && at.bottom() >= before.top();
            if (other != child && sameRow && at.x() >= before.x() + before.width() - 1)
                other->move(at.x() + extra, at.y());
        }
    }
    right = 0;
    for (const QWidget *child : children)
        right = std::max(right, child->geometry().x() + child->width());
    return right + margin;
}

// How much `widget` widened.
int growWidget(QWidget *widget)
{
    int extra = 0;
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        // Every page has the place of the page shown; the others keep the
        // size they were made with until they are shown themselves.
        const int page = tabs->currentWidget() ? tabs->currentWidget()->width() : tabs->width();
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget *each = tabs->widget(i);
            if (!each->layout())
                extra = std::max(extra, growChildren(each, page) - page);
        }
        // Every tab whole, none scrolled out of sight.
        extra = std::max(extra, tabs->tabBar()->sizeHint().width() + 4 - tabs->width());
    } else if (widget->layout()) {
        // The layout has the frame's inside: its border comes on top.
        extra = widget->layout()->minimumSize().width() + widget->width() - widget->contentsRect().width()
            - widget->width();
    } else if (isContainer(widget)) {
        int needed = growChildren(widget);
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            needed = std::max(needed, TextFit::neededWidth(group));
        extra = needed - widget->width();
    } else {
        extra = TextFit::neededWidth(widget) - widget->width();
    }
    if (extra <= 0)
        return 0;
    widen(widget, extra);
    return extra;
}

} // namespace

QString TextFit::shownText(const QString &text)
{
    // "&&" shows as "&"; a lone "&" marks the shortcut and shows nothing.
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            shown += text.at(++i) == QLatin1Char('&') ? QStringLiteral("&") : QString(text.at(i));
            continue;
        }
        shown += text.at(i);
    }
    return shown;
}

int TextFit::neededWidth(const QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
        return widget->sizeHint().width();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().isEmpty() ? 0 : metrics.horizontalAdvance(shownText(button->text())) + 12;
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title().isEmpty() ? 0 : metrics.horizontalAdvance(group->title()) + 16;
    if (auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        if (edit->placeholderText().isEmpty())
            return 0;
        // The frame and text margins, and the room of a trailing action.
        return metrics.horizontalAdvance(edit->placeholderText()) + 12
            + (edit->actions().isEmpty() ? 0 : edit->height());
    }
    return 0;
}

int TextFit::grow(QWidget *window)
{
    const auto widenWindow = [window](int extra) {
        if (extra <= 0)
            return 0;
        if (window->minimumWidth() == window->maximumWidth()) {
            window->setFixedWidth(window->width() + extra);
        } else {
            window->setMaximumWidth(std::max(window->maximumWidth(), window->width() + extra));
            window->resize(window->width() + extra, window->height());
        }
        return extra;
    };
    if (!window->layout())
        return widenWindow(growChildren(window) - window->width());
    // A layout's minimum is the room its texts need (spacers give way),
    // though a window of fixed size may give it less; once laid out, what still falls short widens
    // the window by as much.
    int extra = widenWindow(window->layout()->minimumSize().width() - window->width());
    window->layout()->activate();
    int shortBy = 0;
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisibleTo(window))
            shortBy = std::max(shortBy, TextFit::neededWidth(child) - child->width());
    }
    extra += widenWindow(shortBy);
    return extra;
}
