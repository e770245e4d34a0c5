#pragma once

#include <QString>

namespace zodiac {

// The texts of the maker's advertising and forum links, shared by the windows.
inline const QString kForumLine = QStringLiteral("Join the Lumora Softwares discussion forum");
inline const QString kVisitLine = QStringLiteral("Visit our web site for more free software");
inline const QString kCoBrandOffer = QStringLiteral(
    "Own a web site? Get this software with your site's name & link. It is free for you. "
    "See the Help for details. Click here to learn more about co-branding.");
inline const QString kFullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.");
inline const QString kForumAndVisitLines = QStringLiteral(
    "Share your zodiac findings with other users in the Lumora Softwares forum. "
    "Visit our web site for more free software.");

}  // namespace zodiac
