#include "services/tell_a_friend.h"

namespace zodiac {
namespace {

// Everything but the unreserved characters, "+" included: the site reads "+" as a blank.
QByteArray Encoded(const QString& value) { return QUrl::toPercentEncoding(value); }

}  // namespace

QUrl TellAFriendAddress(const QString& siteBase, const TellAFriend& form) {
    QByteArray address = siteBase.toUtf8() + "/qorvel-zodiac/ssd.php?page=tovi-refer-a-friend";
    address += "&taf1=" + Encoded(form.name);
    address += "&taf2=" + Encoded(form.email);
    address += "&taf3=" + Encoded(form.message);
    address += "&taf4=" + Encoded(form.friendName);
    address += "&taf5=" + Encoded(form.friendEmail);
    address += "&taf6=" + Encoded(siteBase + QStringLiteral("/qorvel-zodiac/"));
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

}  // namespace zodiac
