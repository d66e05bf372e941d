// The version check over real TLS on the loopback interface: certificates are
// checked, and a redirect from HTTPS to plain HTTP is not followed.

#include <QSslSocket>

#include "loopback_http_server.h"
#include "loopback_https_server.h"
#include "ui/version_check.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

using namespace std::chrono_literals;

VersionCheckSettings SettingsFor(const QUrl& page, bool trustTestCertificate) {
  VersionCheckSettings settings{page, QUrl(QStringLiteral("https://mochou-qichun.example/download")), 3000ms, {}};
  if (trustTestCertificate) settings.extraAuthorities = {LoopbackCertificate()};
  return settings;
}

VersionVerdict CheckPage(const VersionCheckSettings& settings) {
  return VersionCheck(settings, [](const QUrl&) {}).Run(nullptr);
}

class HttpsVersionCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QSslSocket::supportsSsl()) GTEST_SKIP() << "no TLS backend";
    ASSERT_FALSE(LoopbackCertificate().isNull());
  }
};

TEST_F(HttpsVersionCheck, ReadsThePageFromATrustedServer) {
  LoopbackHttpsServer server;
  server.Answer(200, "开始[1.13|x]");
  EXPECT_EQ(CheckPage(SettingsFor(server.Url(), true)), VersionVerdict::UpToDate);
  EXPECT_EQ(server.Requests(), 1);
}

TEST_F(HttpsVersionCheck, AnUntrustedCertificateIsAFailedFetch) {
  LoopbackHttpsServer server;
  server.Answer(200, "开始[1.13|x]");
  DialogAnswerer answerer(ClickButton("按钮2"));
  EXPECT_EQ(CheckPage(SettingsFor(server.Url(), false)), VersionVerdict::FetchFailed);
  EXPECT_EQ(answerer.Answered().className, "qichun::FetchFailedDialog");
  EXPECT_EQ(server.Requests(), 0);
}

TEST_F(HttpsVersionCheck, ARedirectToPlainHttpIsNotFollowed) {
  LoopbackHttpServer plain;
  plain.Answer(200, "开始[1.13|x]");
  LoopbackHttpsServer server;
  server.Answer(302, "", "Location: " + plain.Url().toEncoded() + "\r\n");
  DialogAnswerer answerer(ClickButton("按钮2"));
  EXPECT_EQ(CheckPage(SettingsFor(server.Url(), true)), VersionVerdict::FetchFailed);
  EXPECT_EQ(answerer.Answered().className, "qichun::FetchFailedDialog");
  EXPECT_EQ(plain.Requests(), 0);
}

}  // namespace
}  // namespace qichun::testing
