#ifndef LANGUAGETABLE_H
#define LANGUAGETABLE_H

#include <QString>
#include <QStringList>
#include <Qt>

// The interface languages: their codes, the login page's language combo
// (item 0 is the "[Select Language]" prompt, item i + 1 is code i), the
// layout direction and the translation file of each code.
class LanguageTable
{
public:
    // The language the source texts are written in; it has no translation file.
    static QString sourceLanguage();
    // The codes the combo offers, in its order.
    static QStringList codes();

    // The code a session starts with: the stored "Language" when one is
    // stored, else the one the system's locale name gives (fromLocale).
    static QString resolve(const QString &stored, const QString &systemLocale);
    // A locale name made a code of the list: Chinese of the mainland and
    // Singapore is "zh_CN", of Hong Kong, Macao and Taiwan "zh_TW"; anything
    // not in the list is the source language.
    static QString fromLocale(const QString &localeName);

    // The combo item of a code: its position + 1, or 0 (the prompt) when
    // the combo does not offer it.
    static int comboIndex(const QString &code);
    // The code of a combo item; empty for the prompt and for any index the
    // combo does not have.
    static QString codeAt(int comboIndex);

    // Right to left for Arabic ("ar..."), else left to right.
    static Qt::LayoutDirection layoutDirection(const QString &code);

    // "kolvane_" + code + ".qm"; empty for the source language and for no code.
    static QString translationFileName(const QString &code);
    // The translation among the resources (":/res/" + file name); empty
    // where translationFileName is.
    static QString translationResource(const QString &code);
};

#endif // LANGUAGETABLE_H
