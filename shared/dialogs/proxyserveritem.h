#ifndef PROXYSERVERITEM_H
#define PROXYSERVERITEM_H

#include <QString>

// One proxy server as the user typed it: host, port, user name and password,
// each kept without the blanks around it.
class ProxyServerItem
{
public:
    ProxyServerItem(const QString &host, const QString &port, const QString &userName, const QString &password);

    QString host() const { return m_host; }
    QString port() const { return m_port; }
    QString userName() const { return m_userName; }
    QString password() const { return m_password; }

private:
    QString m_host;
    QString m_port;
    QString m_userName;
    QString m_password;
};

#endif // PROXYSERVERITEM_H
