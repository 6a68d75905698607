#ifndef PRODUCTINFO_H
#define PRODUCTINFO_H

#include <QString>
#include <QUrl>

// The maker's web site; builds for another site pass -DKV_WEB_HOST=\"host\".
#ifndef KV_WEB_HOST
#define KV_WEB_HOST "www.kolvane.example"
#endif

// Fixed facts about the program, shown in titles and the About box.
namespace ProductInfo {

// Title of the program's own boxes and base of its dialog titles; never translated.
inline QString title()
{
    return QStringLiteral("Kolvane\u2122 vave");
}

// Edition shown in the About box.
inline QString editionTitle()
{
    return QStringLiteral("Kolvane Vave");
}

// The program's version as the About box shows it.
inline QString displayVersion()
{
    return QStringLiteral(KV_VERSION "M");
}

inline QString releaseDate()
{
    return QStringLiteral("20/11/2014");
}

inline QString webHost()
{
    return QStringLiteral(KV_WEB_HOST);
}

// A page of the maker's web site; an empty path gives the home page.
inline QUrl webPage(const QString &path = QString())
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(webHost());
    url.setPath(path.isEmpty() ? QStringLiteral("/") : path);
    return url;
}

} // namespace ProductInfo

#endif // PRODUCTINFO_H
