#include "problemreport.h"

#include "appstate.h"
#include "httphelper.h"
#include "prompter.h"
#include "tavlogging.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

namespace {

const char kSupportAddress[] = "support@kolvanevave.com";
const char kReportPath[] = "/software/reportproblem.php";

QUrl defaultServer()
{
    const QString host = QStringLiteral(KV_REPORT_HOST).trimmed();
    if (host.isEmpty())
        return QUrl();
    return QUrl(QStringLiteral("https://") + host, QUrl::StrictMode);
}

QUrl &serverUrl()
{
    static QUrl url = defaultServer();
    return url;
}

int reportTimeOut = 10000; // the progress bar's full run

// Every value fully percent-encoded, so "&", "=", "+", "#" and blanks
// arrive as they were written.
QString queryItem(const char *key, const QString &value)
{
    return QString::fromLatin1(key) + QLatin1Char('=')
           + QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QUrl ProblemReport::server()
{
    return serverUrl();
}

void ProblemReport::setServer(const QUrl &server)
{
    serverUrl() = server;
}

int ProblemReport::timeOut()
{
    return reportTimeOut;
}

void ProblemReport::setTimeOut(int ms)
{
    reportTimeOut = ms;
}

QString ProblemReport::osTag()
{
    // The report names the system it really came from, so the server can tell
    // these reports apart from those of the Mac build.
    return QStringLiteral("Linux");
}

QString ProblemReport::messageText(const ProblemData &problem, bool canReport)
{
    QString text = QStringLiteral("A problem occured during the execution of this application.\n");
    if (canReport)
        text += QStringLiteral("Please click Ok to report this problem or Cancel to quit.\n");
    text += QStringLiteral("\nIf you have this same problem more often and can tell us\n"
                           "how to reproduce it, please contact ")
            + QLatin1String(kSupportAddress)
            + QStringLiteral("\nPlease download the latest beta from our download page and verify\n"
                             "if the problem is still in the latest beta. The download link for\n"
                             "beta releases is at the bottom of the download page.\n\n"
                             "Problem data:\nFilename: %1 (%2)\nFunction: %3 condition %4");
    // All four at once: a value holding "%2" must not be filled in again.
    return text.arg(QString::fromUtf8(problem.sourceFile), QString::number(problem.line),
                    problem.function, problem.condition);
}

QUrl ProblemReport::requestUrl(const ProblemData &problem)
{
    const QUrl base = server();
    if (base.isEmpty() || base.host().isEmpty())
        return QUrl();

    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString language =
        AppState::curLanguage.isEmpty() ? QStringLiteral("default") : AppState::curLanguage;
    QStringList items = {
        queryItem("app", app),
        queryItem("ver", QStringLiteral(KV_VERSION "M")),
        queryItem("os", osTag()),
        queryItem("lang", language),
        queryItem("condition", problem.condition),
        queryItem("sourceFile", QString::fromUtf8(problem.sourceFile)),
        queryItem("line", QString::number(problem.line)),
        queryItem("function", problem.function),
    };
    if (problem.hasInner) {
        items << queryItem("innerSourceFile", QString::fromUtf8(problem.innerSourceFile))
              << queryItem("innerLine", QString::number(problem.innerLine));
    }

    QUrl url = base;
    url.setPath(QLatin1String(kReportPath));
    url.setQuery(items.join(QLatin1Char('&')), QUrl::StrictMode);
    return url;
}

void ProblemReport::run(const ProblemData &problem)
{
    // Widgets live on the GUI thread only; a check failing anywhere else has
    // told standard error and ends without asking.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())
        || QThread::currentThread() != QCoreApplication::instance()->thread())
        return;

    const QUrl url = requestUrl(problem);
    const bool canReport = url.isValid() && !url.isEmpty();
    const QMessageBox::StandardButton answer = Prompter::instance()->ask(
        QMessageBox::Critical, QCoreApplication::translate("ProblemReport", "A problem occured"), messageText(problem, canReport),
        canReport ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, QMessageBox::Ok);
    if (!canReport || answer != QMessageBox::Ok)
        return;

    HttpHelper http;
    http.setTimeOut(quint64(qMax(1, timeOut()))); // never waits without end
    http.doRequest(url);

    QProgressDialog progress(nullptr, Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    progress.setFixedSize(300, 80);
    progress.setLabelText(QCoreApplication::translate("ProblemReport", "Sending Report. . ."));
    progress.setCancelButton(nullptr);
    progress.setRange(0, 100);
    progress.setValue(0);
    progress.show();

    for (int counter = 1; http.isRunning(); ++counter) {
        progress.setValue(counter);
        QCoreApplication::processEvents();
        if (http.isRunning())
            QThread::msleep(100);
    }

    progress.setValue(100);
    progress.repaint();
    QThread::msleep(100);
    progress.close();

    if (http.errorCode == 0) {
        LOG_INFO << "Problem report sent";
        Prompter::instance()->ask(QMessageBox::Information, QCoreApplication::translate("ProblemReport", "Send Report"),
                                  QCoreApplication::translate("ProblemReport", "Report was sent successful!"), QMessageBox::Ok,
                                  QMessageBox::Ok);
    } else {
        LOG_WARNING << "Problem report failed:" << http.errorCode << http.errorText;
        Prompter::instance()->ask(
            QMessageBox::Information, QCoreApplication::translate("ProblemReport", "Send Report"),
            QCoreApplication::translate("ProblemReport", "Error sending report!\n%2 (%1)")
                .arg(QString::number(http.errorCode), http.errorText),
            QMessageBox::Ok, QMessageBox::Ok);
    }
}
