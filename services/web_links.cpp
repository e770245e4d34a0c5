#include "services/web_links.h"

#include "platform/platform.h"

namespace zodiac {

WebLinks::WebLinks(Platform& platform, QString siteBase) : platform_(platform), siteBase_(std::move(siteBase)) {}

QUrl WebLinks::PageAddress(const QString& key) const {
    return QUrl(siteBase_ + QStringLiteral("/qorvel-zodiac/ssd.php?page=") + key);
}

void WebLinks::OpenPage(const char* key) { platform_.OpenWebAddress(PageAddress(QString::fromLatin1(key))); }

void WebLinks::OpenHomePage() { OpenPage("home-page"); }
void WebLinks::OpenHelpPage() { OpenPage("help-web-page"); }
void WebLinks::OpenDownloadPage() { OpenPage("download-web-page"); }
void WebLinks::OpenDonatePage() { OpenPage("donate"); }
void WebLinks::OpenCoBrandPage() { OpenPage("co-brand"); }
void WebLinks::OpenFullyBrandedPage() { OpenPage("fully-branded"); }
void WebLinks::OpenSoftwarePage() { OpenPage("lumorasoftwares"); }

QString BuiltInSiteBase() { return QStringLiteral(ZODIAC_SITE_BASE); }

}  // namespace zodiac
