#include "proxyserveritem.h"

ProxyServerItem::ProxyServerItem(const QString &host, const QString &port, const QString &userName,
                                 const QString &password)
    : m_host(host.trimmed())
    , m_port(port.trimmed())
    , m_userName(userName.trimmed())
    , m_password(password.trimmed())
{
}
