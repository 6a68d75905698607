#ifndef PROBLEMREPORT_H
#define PROBLEMREPORT_H

#include <QByteArray>
#include <QString>
#include <QUrl>

// One failed internal check, as the checking code describes it.
struct ProblemData
{
    QByteArray sourceFile; // the source path as the compiler saw it
    int line = 0;
    QString function;
    QString condition;
    // The inner location of a check reported from a helper function.
    bool hasInner = false;
    QByteArray innerSourceFile;
    int innerLine = 0;
};

// Tells the user about a failed check and, when they agree, sends the problem
// report to the maker's report endpoint as one HTTP GET.
class ProblemReport
{
public:
    // Scheme, host and port of the report endpoint. The build's KV_REPORT_HOST
    // gives "https://" + host; empty (the default) means no report is ever
    // sent. Tests point it at a local server.
    static QUrl server();
    static void setServer(const QUrl &server);

    // How long a report may take before it is given up, in milliseconds
    // (10,000 by default; there is no waiting without end).
    static int timeOut();
    static void setTimeOut(int ms);

    // The problem box's text; without an endpoint it doesn't offer a report.
    static QString messageText(const ProblemData &problem, bool canReport);
    // The report request; empty when there is no endpoint.
    static QUrl requestUrl(const ProblemData &problem);
    // The operating-system tag the reports carry.
    static QString osTag();

    // Asks the user, sends the report on Ok while a small progress window
    // turns, and tells the outcome. Needs the GUI thread of a QApplication;
    // elsewhere it shows and sends nothing.
    static void run(const ProblemData &problem);

private:
    ProblemReport() = delete;
};

#endif // PROBLEMREPORT_H
