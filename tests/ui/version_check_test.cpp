// The start-up version check against a real HTTP server on the loopback interface.

#include <QTreeWidget>

#include <string>
#include <vector>

#include "loopback_http_server.h"
#include "ui/startup_sequence.h"
#include "ui/version_check.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

using namespace std::chrono_literals;

constexpr char kNewVersionDialog[] = "qichun::NewVersionDialog";
constexpr char kFetchFailedDialog[] = "qichun::FetchFailedDialog";
const QUrl kDownloadPage(QStringLiteral("https://mochou-qichun.example/download"));

VersionCheck CheckOf(const QUrl& page, std::vector<QUrl>* opened = nullptr,
                     std::chrono::milliseconds timeout = 2000ms) {
  return VersionCheck(VersionCheckSettings{page, kDownloadPage, timeout}, [opened](const QUrl& url) {
    if (opened != nullptr) opened->push_back(url);
  });
}

struct PageCase {
  const char* name;
  int status;
  QByteArray body;
  VersionVerdict verdict;
  const char* dialog;  // "" for none
};

class VersionPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(VersionPageTest, OpensTheDialogThePageCallsFor) {
  const PageCase& c = GetParam();
  LoopbackHttpServer server;
  server.Answer(c.status, c.body);
  DialogAnswerer answerer(ClickButton("按钮2"));
  VersionCheck check = CheckOf(server.Url());
  EXPECT_EQ(check.Run(nullptr), c.verdict);
  EXPECT_EQ(answerer.Answered().className, c.dialog);
  EXPECT_EQ(server.Requests(), 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, VersionPageTest,
    ::testing::Values(
        PageCase{"same_version", 200, "开始[1.13|x]", VersionVerdict::UpToDate, ""},
        PageCase{"newer_version", 200, "开始[1.14|x]", VersionVerdict::NewVersion, kNewVersionDialog},
        PageCase{"older_version", 200, "开始[1.12|x]", VersionVerdict::NewVersion, kNewVersionDialog},
        PageCase{"space_before_version", 200, "开始[ 1.13|x]", VersionVerdict::NewVersion, kNewVersionDialog},
        PageCase{"first_of_two_lists_counts", 200, "<html>开始[1.13|a]<br>开始[9.99|b]</html>",
                 VersionVerdict::UpToDate, ""},
        PageCase{"list_ends_at_first_end", 200, "开始[1.13|a]x]", VersionVerdict::UpToDate, ""},
        PageCase{"not_found", 404, "开始[1.13|x]", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"server_error", 500, "开始[1.13|x]", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"invalid_utf8", 200, "开始[1.13|\xff\xfe]", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"empty_body", 200, "", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"no_marked_list", 200, "1.13|x", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"one_field", 200, "开始[1.13]", VersionVerdict::FetchFailed, kFetchFailedDialog},
        PageCase{"over_64_kib", 200, "开始[1.13|x]" + QByteArray(64 * 1024, 'x'), VersionVerdict::FetchFailed,
                 kFetchFailedDialog}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(VersionCheck, DialogTextsAreTheDefinedOnes) {
  LoopbackHttpServer server;
  server.Answer(200, "开始[1.14|x]");
  DialogAnswerer newVersion(ClickButton("按钮2"));
  CheckOf(server.Url()).Run(nullptr);
  EXPECT_EQ(newVersion.Answered().text, "\n\n您当前使用的软件不是最新版本。\n点击下载前往查看最新版本。\n点击确定继续使用");
  server.Answer(404, "");
  DialogAnswerer fetchFailed(ClickButton("按钮2"));
  CheckOf(server.Url()).Run(nullptr);
  EXPECT_EQ(fetchFailed.Answered().text, "\n\n获取最新版本号失败\n点击确定进入当前版本");
}

TEST(VersionCheck, ClosedPortCountsAsFailedFetch) {
  QUrl closed;
  {
    LoopbackHttpServer server;
    closed = server.Url();
  }
  DialogAnswerer answerer(ClickButton("按钮2"));
  EXPECT_EQ(CheckOf(closed).Run(nullptr), VersionVerdict::FetchFailed);
  EXPECT_EQ(answerer.Answered().className, kFetchFailedDialog);
}

TEST(VersionCheck, SilentServerTimesOutIntoFailedFetch) {
  LoopbackHttpServer server;
  server.NeverAnswer();
  DialogAnswerer answerer(ClickButton("按钮2"));
  EXPECT_EQ(CheckOf(server.Url(), nullptr, 200ms).Run(nullptr), VersionVerdict::FetchFailed);
  EXPECT_EQ(answerer.Answered().className, kFetchFailedDialog);
}

TEST(VersionCheck, FollowsARedirectOnTheSameScheme) {
  LoopbackHttpServer target;
  target.Answer(200, "开始[1.13|x]");
  LoopbackHttpServer moved;
  moved.Answer(302, "", "Location: " + target.Url().toEncoded() + "\r\n");
  EXPECT_EQ(CheckOf(moved.Url()).Run(nullptr), VersionVerdict::UpToDate);
  EXPECT_EQ(target.Requests(), 1);
}

TEST(VersionCheck, RequestRefusesLessSafeRedirectsAndCapsTheWait) {
  const VersionCheckSettings defaults;
  EXPECT_LE(defaults.timeout, 5000ms);
  const QNetworkRequest request = VersionPageRequest(QUrl("https://mochou-qichun.example/version.txt"), defaults);
  EXPECT_EQ(request.attribute(QNetworkRequest::RedirectPolicyAttribute).toInt(),
            static_cast<int>(QNetworkRequest::NoLessSafeRedirectPolicy));
  EXPECT_EQ(request.transferTimeout(), 5000);
}

TEST(VersionCheck, DownloadOpensTheDownloadPageThenClosesTheDialog) {
  LoopbackHttpServer server;
  server.Answer(200, "开始[1.14|x]");
  std::vector<QUrl> opened;
  bool openedWhileDialogShown = false;
  QPointer<QWidget> dialog;
  VersionCheck check(VersionCheckSettings{server.Url(), kDownloadPage, 2000ms}, [&](const QUrl& url) {
    opened.push_back(url);
    openedWhileDialogShown = dialog && dialog->isVisible();
  });
  DialogAnswerer answerer(ClickButton("按钮1"), [&](QWidget& shown) { dialog = &shown; });
  EXPECT_EQ(check.Run(nullptr), VersionVerdict::NewVersion);
  EXPECT_EQ(opened, std::vector<QUrl>{kDownloadPage});
  EXPECT_TRUE(openedWhileDialogShown);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(VersionCheck, OkEscapeAndCloseBoxCloseEitherDialogAndOpenNothing) {
  LoopbackHttpServer server;
  for (const QByteArray& page : {QByteArray("开始[1.12|x]"), QByteArray("")}) {
    for (const DialogAction& answer : {ClickButton("按钮2"), PressEscape(), UseCloseBox()}) {
      server.Answer(200, page);
      std::vector<QUrl> opened;
      VersionCheck check = CheckOf(server.Url(), &opened);
      DialogAnswerer answerer(answer);
      EXPECT_NE(check.Run(nullptr), VersionVerdict::UpToDate);
      EXPECT_FALSE(answerer.Answered().className.empty());
      EXPECT_TRUE(opened.empty());
      EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
  }
}

struct StartupCase {
  const char* name;
  QByteArray page;
  const char* dialog;
};

class StartupSequenceTest : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupSequenceTest, ResultsFirstThenTheCheckThenTheRowColours) {
  const StartupCase& c = GetParam();
  LoopbackHttpServer server;
  server.Answer(200, c.page);
  RowColourRegistry rowColours;
  MainWindow window(rowColours);
  VersionCheck check = CheckOf(server.Url());
  StartupSequence startup(window, check);

  bool shownBeforeCheck = false;
  QObject::connect(&startup, &StartupSequence::firstResultsShown, [&] {
    shownBeforeCheck = window.isVisible() && server.Requests() == 0 &&
                       RowText(window, "超级列表框2", 0) == "10385 | 1.89 | 0 | 1321 | 35.49 | 5284 | 62.62 | 13588";
  });
  bool colouredWhileDialogShown = true;
  DialogAnswerer answerer(ClickButton("按钮2"), [&](QWidget&) {
    colouredWhileDialogShown = rowColours.Rows(window.SkillTable().Key()) != nullptr;
  });
  startup.Run();

  EXPECT_TRUE(shownBeforeCheck);
  EXPECT_EQ(answerer.Answered().className, c.dialog);
  if (*c.dialog != '\0') {
    EXPECT_FALSE(colouredWhileDialogShown);
  }
  const auto* rows = rowColours.Rows(window.SkillTable().Key());
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->size(), 13u);
  EXPECT_TRUE(window.isVisible());
  // The calculator works on after the check.
  window.findChild<QLineEdit*>(QStringLiteral("编辑框10"))->setText("94");
  EXPECT_EQ(RowText(window, "超级列表框1", 0).substr(0, 5), "94 | ");
}

INSTANTIATE_TEST_SUITE_P(Pages, StartupSequenceTest,
                         ::testing::Values(StartupCase{"up_to_date", "开始[1.13|x]", ""},
                                           StartupCase{"new_version", "开始[1.14|x]", kNewVersionDialog},
                                           StartupCase{"fetch_failed", "", kFetchFailedDialog}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace qichun::testing
