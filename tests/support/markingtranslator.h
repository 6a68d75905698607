#ifndef MARKINGTRANSLATOR_H
#define MARKINGTRANSLATOR_H

#include <QByteArray>
#include <QTranslator>

// A test translation that knows every text of one context: each comes out
// as "«" + source + "»", so a text that did not pass through the
// translation (or went through another context) is seen at once.
//   MarkingTranslator marks("MainWindowClass");
//   QCoreApplication::installTranslator(&marks);
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const QByteArray &context)
        : m_context(context)
    {
    }

    static QString marked(const QString &source) { return QStringLiteral("\u00ab") + source + QStringLiteral("\u00bb"); }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (m_context != context || !sourceText || !*sourceText)
            return QString();
        return marked(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    QByteArray m_context;
};

#endif // MARKINGTRANSLATOR_H
