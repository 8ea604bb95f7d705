// The refer-a-friend address: whatever the five boxes hold, each field comes back exactly from
// the percent-decoded query, the address holds nothing a browser or a form decoder could read
// otherwise, and it stays under its limit.

#include "FuzzCheck.h"
#include "links/WebLink.h"
#include "shell/ReferAFriend.h"

#include <QStringList>
#include <QUrl>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

using namespace vellora;

namespace {

// The most characters the address may have with every box full.
constexpr qsizetype kAddressLimit = 25000;

// What a box holds after typing or pasting: at most its length, a surrogate pair not cut in
// two; then trimmed, as the form takes it.
QString BoxValue(FuzzedDataProvider &input, int maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(3 * maxLength + 8);
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).left(maxLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text.trimmed();
}

bool IsUnreservedOrEscape(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~' || c == u'%';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    Referral referral;
    for (int index = 0; index < kReferralFieldCount; ++index) {
        const auto field = static_cast<ReferralField>(index);
        referral[field] = BoxValue(input, DesignOf(field).maxLength);
    }
    std::string what;
    for (const QString &value : referral.values)
        what += value.toStdString() + '|';

    const QString refusal = ReferralRefusal(referral);
    if (refusal.isEmpty()) {
        const QString &email = referral[ReferralField::Email];
        const QString &friendEmail = referral[ReferralField::FriendEmail];
        CHECK(email != friendEmail && email.contains(u'@') && friendEmail.contains(u'.'), what);
    }

    const QString address = ReferAFriendAddress(referral);
    CHECK(address.size() < kAddressLimit, what);
    const QString page = MainSiteAddress() + QStringLiteral("/tolv-refer-a-friend.php?");
    CHECK(address.startsWith(page), what);
    const QStringList pairs = address.mid(page.size()).split(u'&');
    CHECK(pairs.size() == kReferralFieldCount + 1, what);
    for (int index = 0; index <= kReferralFieldCount; ++index) {
        const QString key = QStringLiteral("taf%1=").arg(index + 1);
        CHECK(pairs[index].startsWith(key), what);
        const QString escaped = pairs[index].mid(key.size());
        CHECK(std::all_of(escaped.begin(), escaped.end(), IsUnreservedOrEscape), what);
        const QString expected = index < kReferralFieldCount
                                     ? referral[static_cast<ReferralField>(index)]
                                     : MainSiteAddress() + QStringLiteral("/Vellora/");
        CHECK(QUrl::fromPercentEncoding(escaped.toLatin1()) == expected, what);
    }
    // The browser gets the address as it is, not re-escaped or cut.
    const QUrl url(address, QUrl::StrictMode);
    CHECK(url.isValid() && url.toString(QUrl::FullyEncoded) == address, what);
    return 0;
}
