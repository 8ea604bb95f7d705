#include "shell/ReferAFriend.h"

#include "links/WebLink.h"

#include <QCoreApplication>
#include <QUrl>

namespace vellora {

ReferralFieldDesign DesignOf(ReferralField field) {
    const ReferralFieldDesign designs[kReferralFieldCount] = {
        {QStringLiteral("txtName"), QCoreApplication::translate("ReferAFriend", "Your Name"),
         QCoreApplication::translate("ReferAFriend", "Please Enter Your Name"),
         QCoreApplication::translate("ReferAFriend", "Your name"), kReferralNameLength},
        {QStringLiteral("txtEmail"),
         QCoreApplication::translate("ReferAFriend", "Your Email Address"),
         QCoreApplication::translate("ReferAFriend", "Please Enter Your Email"),
         QCoreApplication::translate("ReferAFriend", "Your e-mail address"), kReferralEmailLength},
        {QStringLiteral("txtMessage"), QCoreApplication::translate("ReferAFriend", "Your Message"),
         QCoreApplication::translate("ReferAFriend", "Please Enter Your Message"),
         QCoreApplication::translate("ReferAFriend", "Your message"), kReferralMessageLength},
        {QStringLiteral("txtFriendName"),
         QCoreApplication::translate("ReferAFriend", "Friend's Name"),
         QCoreApplication::translate("ReferAFriend", "Please Enter Your Friend's Name"),
         QCoreApplication::translate("ReferAFriend", "Friend's name"), kReferralNameLength},
        {QStringLiteral("txtFriendEmail"),
         QCoreApplication::translate("ReferAFriend", "Friend's Email Address"),
         QCoreApplication::translate("ReferAFriend", "Please Enter Your Friend's Email"),
         QCoreApplication::translate("ReferAFriend", "Friend's e-mail address"),
         kReferralEmailLength},
    };
    return designs[static_cast<std::size_t>(field)];
}

QString ReferralRefusal(const Referral &referral) {
    const QString &email = referral[ReferralField::Email];
    const QString &friendEmail = referral[ReferralField::FriendEmail];
    // Two empty boxes are equal too, so this comes before any test for an empty box.
    if (email == friendEmail)
        return QCoreApplication::translate("ReferAFriend", "Please Enter Distinct Email Addresses");
    const auto proper = [](const QString &address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!proper(email) || !proper(friendEmail))
        return QCoreApplication::translate("ReferAFriend", "Please Enter Proper Email Address");
    for (int index = 0; index < kReferralFieldCount; ++index) {
        const auto field = static_cast<ReferralField>(index);
        const QString &value = referral[field];
        if (value.isEmpty() || value == DesignOf(field).placeholder)
            return DesignOf(field).emptyMessage;
    }
    return {};
}

QString ReferAFriendAddress(const Referral &referral) {
    const QString productPage = MainSiteAddress() + QStringLiteral("/Vellora/");
    // Everything but letters, digits and "-._~" is escaped as UTF-8 bytes; that takes in "+",
    // which a form decoder would otherwise read back as a blank, and "&", "=" and "#", which
    // would end the value early.
    QString address = MainSiteAddress() + QStringLiteral("/tolv-refer-a-friend.php?");
    for (int index = 0; index <= kReferralFieldCount; ++index) {
        const QString &value =
            index < kReferralFieldCount ? referral[static_cast<ReferralField>(index)] : productPage;
        if (index > 0)
            address += QLatin1Char('&');
        address += QStringLiteral("taf%1=").arg(index + 1) +
                   QString::fromLatin1(QUrl::toPercentEncoding(value));
    }
    return address;
}

} // namespace vellora
