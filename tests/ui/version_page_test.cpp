#include "ui/version_page.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qichun {
namespace {

struct BetweenCase {
  const char* name;
  std::string text;
  std::string start;
  std::string end;
  std::string expected;
};

class TextBetweenTest : public ::testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, FindsTheFirstMarkedText) {
  const BetweenCase& c = GetParam();
  EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBetweenTest,
    ::testing::Values(
        BetweenCase{"plain_list", "开始[1.13|x]", "开始[", "]", "1.13|x"},
        BetweenCase{"text_around", "<p>版本 开始[1.14|说明]</p>", "开始[", "]", "1.14|说明"},
        BetweenCase{"first_start_counts", "开始[1.13|a]开始[9.99|b]", "开始[", "]", "1.13|a"},
        BetweenCase{"first_end_after_start", "开始[1.13|a]x]", "开始[", "]", "1.13|a"},
        BetweenCase{"end_before_start_ignored", "]开始[1.12|a]", "开始[", "]", "1.12|a"},
        BetweenCase{"no_start", "1.13|x]", "开始[", "]", ""},
        BetweenCase{"no_end", "开始[1.13|x", "开始[", "]", ""},
        BetweenCase{"empty_between", "开始[]", "开始[", "]", ""},
        BetweenCase{"case_sensitive", "Start[1|2]", "start[", "]", ""},
        BetweenCase{"quote_word_and_letter", "say \"a1.13\" now", "#引号a", "#引号", "1.13"},
        BetweenCase{"every_quote_word", "x\"\"y", "#引号#引号", "y", ""},
        BetweenCase{"quote_word_in_text_stays", "#引号a1#引号", "#引号a", "#引号", ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct FieldsCase {
  const char* name;
  std::string list;
  std::vector<std::string> fields;
};

class SplitFieldsTest : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(SplitFieldsTest, EachBarEndsAField) {
  EXPECT_EQ(SplitFields(GetParam().list), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitFieldsTest,
                         ::testing::Values(FieldsCase{"two_fields", "1.14|x", {"1.14", "x"}},
                                           FieldsCase{"empty_first", "|x", {"", "x"}},
                                           FieldsCase{"trailing_bar", "1.14|", {"1.14"}},
                                           FieldsCase{"adjacent_bars", "a||b", {"a", "", "b"}},
                                           FieldsCase{"no_bar", "1.13", {"1.13"}},
                                           FieldsCase{"empty_list", "", {}},
                                           FieldsCase{"only_bar", "|", {""}}),
                         [](const auto& row) { return std::string(row.param.name); });

struct PageCase {
  const char* name;
  std::string body;
  VersionVerdict verdict;
};

class JudgeVersionPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(JudgeVersionPageTest, ComparesFieldOneByteForByte) {
  EXPECT_EQ(JudgeVersionPage(GetParam().body), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeVersionPageTest,
    ::testing::Values(PageCase{"same_version", "开始[1.13|x]", VersionVerdict::UpToDate},
                      PageCase{"newer_version", "开始[1.14|x]", VersionVerdict::NewVersion},
                      PageCase{"older_version", "开始[1.12|x]", VersionVerdict::NewVersion},
                      PageCase{"space_before", "开始[ 1.13|x]", VersionVerdict::NewVersion},
                      PageCase{"longer_spelling", "开始[1.130|x]", VersionVerdict::NewVersion},
                      PageCase{"empty_field_one", "开始[|x]", VersionVerdict::NewVersion},
                      PageCase{"second_list_ignored", "开始[1.13|a] 开始[9.99|b]", VersionVerdict::UpToDate},
                      PageCase{"list_ends_at_first_end", "开始[1.13|a]x]", VersionVerdict::UpToDate},
                      PageCase{"one_field_only", "开始[1.13]", VersionVerdict::FetchFailed},
                      PageCase{"trailing_bar_one_field", "开始[1.13|]", VersionVerdict::FetchFailed},
                      PageCase{"no_marker", "1.13|x", VersionVerdict::FetchFailed},
                      PageCase{"no_end_marker", "开始[1.13|x", VersionVerdict::FetchFailed},
                      PageCase{"empty_body", "", VersionVerdict::FetchFailed},
                      PageCase{"not_utf8", "开始[1.13|\xff]", VersionVerdict::FetchFailed}),
    [](const auto& row) { return std::string(row.param.name); });

struct Utf8Case {
  const char* name;
  std::string bytes;
  bool valid;
};

class IsValidUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(IsValidUtf8Test, AcceptsOnlyWellFormedSequences) { EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(Cases, IsValidUtf8Test,
                         ::testing::Values(Utf8Case{"ascii", "1.13|x", true}, Utf8Case{"chinese", "开始[", true},
                                           Utf8Case{"four_byte", "\xf0\x9f\x98\x80", true},
                                           Utf8Case{"lone_continuation", "\x80", false},
                                           Utf8Case{"truncated", "\xe5\xbc", false},
                                           Utf8Case{"overlong_slash", "\xc0\xaf", false},
                                           Utf8Case{"overlong_three", "\xe0\x80\xaf", false},
                                           Utf8Case{"surrogate", "\xed\xa0\x80", false},
                                           Utf8Case{"beyond_unicode", "\xf4\x90\x80\x80", false},
                                           Utf8Case{"latin1_byte", "caf\xe9", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReleasedVersionPage, NamesTheRunningVersion) {
  std::ifstream file(QICHUN_RELEASED_VERSION_PAGE, std::ios::binary);
  ASSERT_TRUE(file) << QICHUN_RELEASED_VERSION_PAGE;
  const std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(JudgeVersionPage(page), VersionVerdict::UpToDate);
  EXPECT_EQ(SplitFields(TextBetween(page, "开始[", "]")).at(0), "1.13");
}

}  // namespace
}  // namespace qichun
