#ifndef TESTCERTIFICATE_H
#define TESTCERTIFICATE_H

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

// A self-signed certificate for 127.0.0.1, made at test time with the openssl
// command in a temporary folder.
class TestCertificate
{
public:
    // False, with errorText set, when openssl could not make it.
    bool make();

    QSslCertificate certificate;
    QSslKey key;
    QString errorText;

private:
    QTemporaryDir m_dir;
};

// Trusts a certificate in Qt's default TLS configuration while it lives.
class TrustedCertificate
{
public:
    explicit TrustedCertificate(const QSslCertificate &certificate);
    ~TrustedCertificate();

private:
    QList<QSslCertificate> m_previous;
};

#endif // TESTCERTIFICATE_H
