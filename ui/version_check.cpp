#include "ui/version_check.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>
#include <string_view>

namespace qichun {

QNetworkRequest VersionPageRequest(const QUrl& url, const VersionCheckSettings& settings) {
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(static_cast<int>(settings.timeout.count()));
  if (!settings.extraAuthorities.isEmpty()) {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(settings.extraAuthorities);
    request.setSslConfiguration(tls);
  }
  return request;
}

QByteArray FetchVersionPage(const VersionCheckSettings& settings) {
  const std::chrono::milliseconds timeout = settings.timeout;
  QNetworkAccessManager network;
  const std::unique_ptr<QNetworkReply> reply(network.get(VersionPageRequest(settings.versionPage, settings)));
  QByteArray body;
  bool tooLarge = false;
  const auto takeBody = [&] {
    if (!reply->isOpen()) return;  // aborted
    body += reply->readAll();
    if (body.size() > kMaxVersionPageBytes && !tooLarge) {
      tooLarge = true;
      reply->abort();
    }
  };

  QEventLoop waiting;
  QTimer deadline;  // the transfer time-out alone restarts with every byte that arrives
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
  QObject::connect(reply.get(), &QNetworkReply::readyRead, &waiting, takeBody);
  QObject::connect(reply.get(), &QNetworkReply::finished, &waiting, &QEventLoop::quit);
  deadline.start(timeout);
  if (!reply->isFinished()) waiting.exec(QEventLoop::ExcludeUserInputEvents);
  if (!tooLarge) takeBody();

  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (tooLarge || reply->error() != QNetworkReply::NoError || status < 200 || status > 299) return {};
  return body;
}

VersionCheck::VersionCheck(VersionCheckSettings settings, BrowserOpener openBrowser)
    : m_settings(std::move(settings)), m_openBrowser(std::move(openBrowser)) {}

VersionVerdict VersionCheck::Run(QWidget* dialogParent) {
  const QByteArray body = FetchVersionPage(m_settings);
  const VersionVerdict verdict =
      JudgeVersionPage(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
  if (verdict == VersionVerdict::NewVersion) {
    NewVersionDialog dialog(m_settings.downloadPage, m_openBrowser, dialogParent);
    dialog.exec();
  } else if (verdict == VersionVerdict::FetchFailed) {
    FetchFailedDialog dialog(dialogParent);
    dialog.exec();
  }
  return verdict;
}

}  // namespace qichun
