#ifndef TRANSLATION_H
#define TRANSLATION_H

#include <QObject>
#include <QString>

class QTranslator;

// The translation in force. Each install() puts a new translator in front of
// those installed before, which keep supplying the texts it lacks; only the
// newest one is ever taken out again (when the user picks another language).
// The translators are owned by this object.
class Translation : public QObject
{
public:
    explicit Translation(QObject *parent = nullptr);

    // Loads a compiled translation (a resource path such as
    // ":/res/kolvane_de_DE.qm") into a new translator and installs it on the
    // application. A file that does not load installs an empty translator,
    // which changes no text. Returns whether the file loaded.
    bool install(const QString &path);
    // Takes the newest translator off the application and deletes it.
    void removeCurrent();

    // Settles the language at start: the code from the stored value and the
    // system's locale (LanguageTable::resolve), its translation installed
    // unless it is the source language, and the application's layout
    // direction. Returns the code; the caller puts the combo on
    // LanguageTable::comboIndex(code).
    QString setLanguage(const QString &stored, const QString &systemLocale);
    // The language combo changed to an item. For an item that stands for a
    // code, the newest translator is taken off and that code's translation
    // installed (none for the source language); the prompt item changes
    // nothing. The layout direction follows the code in force. Returns the
    // code in force: the item's, or currentCode for the prompt.
    QString selectComboItem(int comboIndex, const QString &currentCode);

    // "kolvane_" + code + ".qm" of the last translation installed for a
    // language; empty before any.
    QString fileName() const { return m_fileName; }
    // The newest translator, or null.
    QTranslator *current() const { return m_current; }

private:
    bool installLanguage(const QString &code);

    QTranslator *m_current = nullptr;
    QString m_fileName;
};

#endif // TRANSLATION_H
