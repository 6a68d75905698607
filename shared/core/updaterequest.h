#ifndef UPDATEREQUEST_H
#define UPDATEREQUEST_H

#include <QString>
#include <QUrl>

#include <functional>

// The question to the update host: one GET of "/software/checkforupdates.php"
// with the program's version, platform, language, release channel, the
// working drive's serial number and the system's version, answered by an XML
// document whose first ReleaseNote, version and url elements make the offer.
// The client compares no versions: every usable reply is an offer, and a
// host with nothing newer answers with an HTTP error status.
class UpdateRequest
{
public:
    // Results of check().
    enum Result {
        Found = 0,        // a usable offer; lastOffer() holds it
        ProxyRefused = 1, // the proxy refused the connection
        Failed = 2,       // any other network failure, time-out and HTTP error status included
        NotXml = 3,       // the reply is not well-formed XML
        NoOffer = 4,      // well-formed, but its package address can't be fetched
    };

    struct Offer {
        QString releaseNote; // plain or rich text
        QString version;     // shown only; nothing rests on it
        QString link;        // the package's address
    };

    // Where the question goes: https on this build's update host, or what
    // setBaseUrl() put in its place; empty when there is neither, and then
    // no request is ever made.
    static QUrl baseUrl();
    // Tests point the question at a server of their own; an empty URL goes
    // back to the build's host.
    static void setBaseUrl(const QUrl &url);
    // Whether there is anyone to ask.
    static bool available();

    // Time allowed for the whole question, in milliseconds (30 s unless set).
    static int timeOut();
    static void setTimeOut(int ms);

    // The question's address for these values. Each value is percent-encoded
    // whole, so a "&" or "#" in a serial number stays inside its own key.
    static QUrl checkUrl(const QString &language, const QString &serial, const QString &pid = QString(),
                         const QString &vid = QString());
    // The language as sent: its first two characters when it has fewer than
    // six ("en_US" goes as "en"), else its first five.
    static QString languageKey(const QString &language);

    // Reads a reply text: Found (filling *offer), NotXml or NoOffer. Element
    // names are compared case-sensitively, namespaces are not processed, and
    // a missing element reads as empty text.
    static int parseReply(const QString &text, Offer *offer);

    // Sends the question to `url` and waits for the outcome while the event
    // loop keeps turning; `onPoll` is called with 1, 2, 3, ... while waiting.
    // On Found the offer is kept as lastOffer().
    static int check(const QUrl &url, const std::function<void(int)> &onPoll = {});

    // The offer of the last check that found one; empty until then.
    static Offer lastOffer();

private:
    UpdateRequest() = delete;
};

#endif // UPDATEREQUEST_H
