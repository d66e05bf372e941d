#pragma once

// The start-up check of the published version: one GET of the version page,
// the comparison with the running version, and the dialog that tells the user.

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QUrl>

#include <chrono>

#include "ui/version_dialogs.h"
#include "ui/version_page.h"

class QWidget;

namespace qichun {

struct VersionCheckSettings {
  QUrl versionPage;
  QUrl downloadPage;
  std::chrono::milliseconds timeout{5000};  // the whole transfer, connection included
  // Certificate authorities trusted besides the system's; tests trust their own loopback server.
  QList<QSslCertificate> extraAuthorities{};
};

// A larger page is not the version page.
inline constexpr qsizetype kMaxVersionPageBytes = 64 * 1024;

// A plain GET; redirects only where they are as safe as the page itself (never HTTPS to HTTP).
QNetworkRequest VersionPageRequest(const QUrl& url, const VersionCheckSettings& settings);

// The body of a successful (2xx) response of at most kMaxVersionPageBytes; empty on
// any failure. Waits for the answer but handles no user input meanwhile.
QByteArray FetchVersionPage(const VersionCheckSettings& settings);

class VersionCheck {
 public:
  VersionCheck(VersionCheckSettings settings, BrowserOpener openBrowser);

  // Fetches and compares; shows the matching dialog modally over `dialogParent`
  // and returns once it is closed.
  VersionVerdict Run(QWidget* dialogParent);

 private:
  VersionCheckSettings m_settings;
  BrowserOpener m_openBrowser;
};

}  // namespace qichun
