// The version check against servers that answer badly: each ends in the
// fetch-failed dialog within the time-out, and the calculator works on.

#include <QElapsedTimer>
#include <QLineEdit>

#include <string>

#include "misbehaving_http_server.h"
#include "ui/main_window.h"
#include "ui/row_colour_registry.h"
#include "ui/startup_sequence.h"
#include "ui/version_check.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

using namespace std::chrono_literals;

struct BadServerCase {
  const char* name;
  Misbehaviour misbehaviour;
};

class BadServerTest : public ::testing::TestWithParam<BadServerCase> {};

TEST_P(BadServerTest, EndsInFetchFailedWithinTheTimeOutAndTheCalculatorWorksOn) {
  MisbehavingHttpServer server(GetParam().misbehaviour);
  constexpr auto timeout = 1500ms;
  RowColourRegistry rowColours;
  MainWindow window(rowColours);
  VersionCheck check(VersionCheckSettings{server.Url(), QUrl("https://mochou-qichun.example/download"), timeout},
                     [](const QUrl&) { ADD_FAILURE() << "no browser may open"; });
  StartupSequence startup(window, check);
  DialogAnswerer answerer(ClickButton("按钮2"));

  QElapsedTimer elapsed;
  elapsed.start();
  startup.Run();
  // The time-out bounds the wait; the margin only absorbs a loaded machine.
  EXPECT_LT(elapsed.elapsed(), 1500 + 3000);
  EXPECT_EQ(answerer.Answered().className, "qichun::FetchFailedDialog");

  window.findChild<QLineEdit*>(QStringLiteral("编辑框10"))->setText("1000");
  EXPECT_EQ(RowText(window, "超级列表框1", 0).substr(0, 7), "1000 | ");
  ASSERT_NE(rowColours.Rows(window.SkillTable().Key()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Servers, BadServerTest,
                         ::testing::Values(BadServerCase{"endless_body", Misbehaviour::EndlessBody},
                                           BadServerCase{"huge_body", Misbehaviour::HugeBody},
                                           BadServerCase{"redirect_loop", Misbehaviour::RedirectLoop},
                                           BadServerCase{"slow_trickle", Misbehaviour::Trickle}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace qichun::testing
