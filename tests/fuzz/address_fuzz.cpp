// Any five form values must give a valid address whose query values decode back
// to exactly those values, in the order taf1 to taf6.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "services/tell_a_friend.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList values = input.split(QChar(0x1E));
    while (values.size() < 5) values << QString();
    const zodiac::TellAFriend form{values[0], values[1], values[2], values[3], values[4]};
    const QString site = QStringLiteral("https://zodiac.example.test");
    const QUrl address = zodiac::TellAFriendAddress(site, form);
    if (!address.isValid()) std::abort();
    // Decoded byte for byte, as the site would (QUrl itself turns Unicode
    // noncharacters into U+FFFD when decoding, which says nothing of the address).
    const QList<QByteArray> items = address.query(QUrl::FullyEncoded).toLatin1().split('&');
    const QStringList expected = {
        QStringLiteral("tovi-refer-a-friend"),   form.name, form.email, form.message, form.friendName, form.friendEmail,
        site + QStringLiteral("/qorvel-zodiac/")};
    if (items.size() != expected.size()) std::abort();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QByteArray key = i == 0 ? QByteArray("page") : "taf" + QByteArray::number(i);
        const auto equals = items[i].indexOf('=');
        if (equals < 0 || items[i].left(equals) != key) std::abort();
        if (QByteArray::fromPercentEncoding(items[i].mid(equals + 1)) != expected[i].toUtf8()) std::abort();
    }
    return 0;
}
