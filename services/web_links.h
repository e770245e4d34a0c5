#pragma once

#include <QString>
#include <QUrl>

namespace zodiac {

class Platform;

// Opens the pages of the maker's web site. Each page is the site's base address,
// the product's path and the page's key; a page that cannot be opened is silent.
class WebLinks {
public:
    WebLinks(Platform& platform, QString siteBase);

    void OpenHomePage();
    void OpenHelpPage();
    void OpenDownloadPage();
    void OpenDonatePage();
    void OpenCoBrandPage();
    void OpenFullyBrandedPage();
    void OpenSoftwarePage();

    const QString& siteBase() const { return siteBase_; }
    QUrl PageAddress(const QString& key) const;

private:
    void OpenPage(const char* key);

    Platform& platform_;
    QString siteBase_;
};

// The site base address this build was made for (scheme and host, no path).
QString BuiltInSiteBase();

}  // namespace zodiac
