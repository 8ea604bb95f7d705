#pragma once

// The refer-a-friend form apart from its window: what each of its five boxes stands for, which
// message refuses a filled-in form, and the address that carries an accepted one to the maker's
// refer-a-friend page.

#include <QString>

#include <array>
#include <cstddef>

namespace vellora {

// The five boxes, in the order their values are checked and sent (taf1 to taf5).
enum class ReferralField { Name, Email, Message, FriendName, FriendEmail };
inline constexpr int kReferralFieldCount = 5;

struct ReferralFieldDesign {
    QString box;            // objectName of its text box
    QString placeholder;    // stands in the box while nothing is typed there
    QString emptyMessage;   // refuses the form while the box is empty or holds its placeholder
    QString accessibleName; // what a screen reader calls the box
    int maxLength;          // the most characters the box takes
};
// In the user's language.
ReferralFieldDesign DesignOf(ReferralField field);

// The most characters each box takes. Escaped, a character takes up to nine (three bytes of
// UTF-8, each as %XX), so with every box full of such characters the whole address stays under
// 25,000 characters: well inside the 32,767 of a Windows command line and a fifth of the 128 KiB
// Linux allows one argument, through which the address reaches the browser. An e-mail address
// has at most 254 characters; a name needs far fewer than 100; a message of 2,000 characters is
// a long letter.
inline constexpr int kReferralNameLength = 100;
inline constexpr int kReferralEmailLength = 254;
inline constexpr int kReferralMessageLength = 2000;

// The five values as taken from the boxes, trimmed.
struct Referral {
    std::array<QString, kReferralFieldCount> values;

    QString &operator[](ReferralField field) { return values[static_cast<std::size_t>(field)]; }
    const QString &operator[](ReferralField field) const {
        return values[static_cast<std::size_t>(field)];
    }
};

// The first message that refuses the referral, or an empty text when it may be sent.
QString ReferralRefusal(const Referral &referral);

// The refer-a-friend page with the five values and the product page as taf1 to taf6. Each value
// is escaped as a query component, so the page reads back exactly the texts that were typed.
QString ReferAFriendAddress(const Referral &referral);

} // namespace vellora
