// Reads fuzzed bytes as the update check's answer. Beyond surviving them: an
// offer is only ever made of a package address the download would fetch.
#include "fuzzsupport.h"
#include "updatedownload.h"
#include "updaterequest.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silence();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The helper hands the answer over as text, up to its first zero byte.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const int zero = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
    UpdateRequest::Offer offer;
    const int result = UpdateRequest::parseReply(text, &offer);
    if (result == UpdateRequest::Found && !UpdateDownload::isAcceptableLink(QUrl(offer.link, QUrl::TolerantMode)))
        std::abort();
    return 0;
}
