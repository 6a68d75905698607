#include "languagetable.h"

QString LanguageTable::sourceLanguage()
{
    return QStringLiteral("en_US");
}

QStringList LanguageTable::codes()
{
    return {QStringLiteral("de_DE"), QStringLiteral("en_US"), QStringLiteral("es_ES"),
            QStringLiteral("fr_FR"), QStringLiteral("it_IT"), QStringLiteral("ja_JP"),
            QStringLiteral("pt_PT"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};
}

QString LanguageTable::resolve(const QString &stored, const QString &systemLocale)
{
    return stored.isEmpty() ? fromLocale(systemLocale) : stored;
}

QString LanguageTable::fromLocale(const QString &localeName)
{
    QString code = localeName;
    if (code == QLatin1String("zh_CN") || code == QLatin1String("zh_SG"))
        code = QStringLiteral("zh_CN");
    else if (code == QLatin1String("zh_HK") || code == QLatin1String("zh_MO") || code == QLatin1String("zh_TW"))
        code = QStringLiteral("zh_TW");
    // Arabic has no entry in the list, so an Arabic system also starts in
    // the source language.
    return codes().contains(code) ? code : sourceLanguage();
}

int LanguageTable::comboIndex(const QString &code)
{
    return codes().indexOf(code) + 1;
}

QString LanguageTable::codeAt(int comboIndex)
{
    const QStringList list = codes();
    if (comboIndex < 1 || comboIndex > list.size())
        return QString();
    return list.at(comboIndex - 1);
}

Qt::LayoutDirection LanguageTable::layoutDirection(const QString &code)
{
    return code.startsWith(QLatin1String("ar")) ? Qt::RightToLeft : Qt::LeftToRight;
}

QString LanguageTable::translationFileName(const QString &code)
{
    if (code.isEmpty() || code == sourceLanguage())
        return QString();
    return QStringLiteral("kolvane_") + code + QStringLiteral(".qm");
}

QString LanguageTable::translationResource(const QString &code)
{
    const QString name = translationFileName(code);
    return name.isEmpty() ? QString() : QStringLiteral(":/res/") + name;
}
