#include "labelfit.h"

#include <QImage>
#include <QLabel>
#include <QTextDocument>

namespace {

// The rows and columns in which the text draws, on a label of the given size.
QRect inkRect(const QLabel *label, const QSize &size)
{
    QLabel copy;
    copy.setFont(label->font());
    copy.setTextFormat(label->textFormat());
    copy.setWordWrap(label->wordWrap());
    copy.setAlignment(label->alignment());
    copy.setMargin(label->margin());
    copy.setIndent(label->indent());
    copy.setFrameStyle(label->frameStyle());
    copy.setContentsMargins(label->contentsMargins());
    QPalette palette = copy.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    copy.setPalette(palette);
    copy.setAutoFillBackground(true);
    copy.setText(label->text());
    copy.resize(size);
    const QImage image = copy.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

QString clippedLabelText(const QLabel *label)
{
    const QString name = label->objectName();
    const QSize has = label->size();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich) {
        const int height = label->wordWrap() ? label->heightForWidth(has.width()) : label->sizeHint().height();
        if (height > has.height())
            return QStringLiteral("%1: needs %2 px, has %3").arg(name).arg(height).arg(has.height());
        if (!label->wordWrap() && label->sizeHint().width() > has.width())
            return QStringLiteral("%1: needs %2 px wide, has %3").arg(name).arg(label->sizeHint().width()).arg(has.width());
        return QString();
    }
    // A rich text taller than its label starts at the label's top whatever
    // the alignment, so room below it moves nothing.
    const QSize room(label->wordWrap() ? has.width() : qMax(has.width(), label->sizeHint().width()),
                     qMax(has.height(), label->wordWrap() ? label->heightForWidth(has.width())
                                                          : label->sizeHint().height()));
    const QRect ink = inkRect(label, room);
    if (ink.isNull())
        return QString();
    if (ink.bottom() >= has.height())
        return QStringLiteral("%1: text down to %2 px, has %3").arg(name).arg(ink.bottom() + 1).arg(has.height());
    if (ink.right() >= has.width())
        return QStringLiteral("%1: text across %2 px, has %3").arg(name).arg(ink.right() + 1).arg(has.width());
    return QString();
}
