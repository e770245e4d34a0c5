#pragma once

#include <QString>
#include <QUrl>

namespace zodiac {

// The tell-a-friend form's values, blanks trimmed, as "Refer A Friend Now" took them.
struct TellAFriend {
    QString name, email, message, friendName, friendEmail;
};

// The page that passes the form to the maker's site. Each value is
// percent-encoded as UTF-8, so that no character of it can change the query.
QUrl TellAFriendAddress(const QString& siteBase, const TellAFriend& form);

}  // namespace zodiac
