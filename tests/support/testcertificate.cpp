#include "testcertificate.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>

bool TestCertificate::make()
{
    if (!m_dir.isValid()) {
        errorText = QStringLiteral("no temporary folder");
        return false;
    }
    const QString keyPath = m_dir.filePath(QStringLiteral("key.pem"));
    const QString certPath = m_dir.filePath(QStringLiteral("cert.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", keyPath, "-out", certPath});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit
        || openssl.exitCode() != 0) {
        errorText = QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAllStandardError());
        return false;
    }
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        errorText = QStringLiteral("openssl wrote no files");
        return false;
    }
    certificate = QSslCertificate(certFile.readAll(), QSsl::Pem);
    key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    if (certificate.isNull() || key.isNull()) {
        errorText = QStringLiteral("Qt could not read the certificate or key");
        return false;
    }
    return true;
}

TrustedCertificate::TrustedCertificate(const QSslCertificate &certificate)
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    m_previous = tls.caCertificates();
    tls.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(tls);
}

TrustedCertificate::~TrustedCertificate()
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(m_previous);
    QSslConfiguration::setDefaultConfiguration(tls);
}
