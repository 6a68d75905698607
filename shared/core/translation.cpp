#include "translation.h"

#include "languagetable.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTranslator>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

Translation::Translation(QObject *parent)
    : QObject(parent)
{
    // The compiled translations live in a static library, whose resources
    // are registered only when asked for.
    initTranslationResources();
}

bool Translation::install(const QString &path)
{
    auto *translator = new QTranslator(this);
    m_current = translator;
    m_fileName = QFileInfo(path).fileName();
    const bool loaded = translator->load(path, QString(), QString(), QString());
    if (!loaded)
        LOG_DEBUG << "Translation not loaded:" << path;
    QCoreApplication::installTranslator(translator);
    return loaded;
}

void Translation::removeCurrent()
{
    if (!m_current)
        return;
    QCoreApplication::removeTranslator(m_current);
    delete m_current;
    m_current = nullptr;
}

bool Translation::installLanguage(const QString &code)
{
    const QString path = LanguageTable::translationResource(code);
    if (path.isEmpty())
        return false;
    LOG_DEBUG << "Install translator" << LanguageTable::translationFileName(code);
    return install(path);
}

QString Translation::setLanguage(const QString &stored, const QString &systemLocale)
{
    const QString code = LanguageTable::resolve(stored, systemLocale);
    installLanguage(code);
    QGuiApplication::setLayoutDirection(LanguageTable::layoutDirection(code));
    return code;
}

QString Translation::selectComboItem(int comboIndex, const QString &currentCode)
{
    // The prompt item names no language: the one in force stays, with its
    // translation, rather than an English interface under a stored German.
    QString code = LanguageTable::codeAt(comboIndex);
    if (code.isEmpty()) {
        code = currentCode;
    } else {
        removeCurrent();
        installLanguage(code);
    }
    QGuiApplication::setLayoutDirection(LanguageTable::layoutDirection(code));
    return code;
}
