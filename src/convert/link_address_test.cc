#include "convert/link_address.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lexiweb {
namespace {

TEST(AddressAsBrowserReads, DecodesReferencesDropsBlanksAndControlsAndLowersCase) {
  EXPECT_EQ(address_as_browser_reads(" JaVa\tScr\nipt\x7F\x01:X "), "javascript:x");
  // Numeric references, decimal or hex, with or without ";", leading zeros.
  EXPECT_EQ(address_as_browser_reads("&#106;&#x61;&#X76&#0000097sc&#x72ipt&#58;"), "javascript:");
  // Named references, case as written; the blanks they stand for go too.
  EXPECT_EQ(address_as_browser_reads("java&Tab;scr&NewLine;ipt&colon;a&amp;b"), "javascript:a&b");
  // Characters outside ASCII, code 0 and codes past the last one read alike.
  EXPECT_EQ(address_as_browser_reads("&#233;&#0;&#x110000;&#99999999999999999999;"),
            "\x80\x80\x80\x80");
}

TEST(AddressAsBrowserReads, LeavesWhatIsNoReferenceAndDecodesOnce) {
  EXPECT_EQ(address_as_browser_reads("&#;&#x;&#xg&colon&Colon;&unknown;&"),
            "&#;&#x;&#xg&colon&colon;&unknown;&");
  EXPECT_EQ(address_as_browser_reads("&amp;#106;"), "&#106;");
}

struct LinkCase {
  const char* name;
  const char* href;
  bool followable;
};

void PrintTo(const LinkCase& link, std::ostream* out) {
  *out << '"' << link.href << "\" " << (link.followable ? "followed" : "refused");
}

class FollowableLinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(FollowableLinkTest, OnlyAddressesThatLeadToAPlaceAreFollowed) {
  EXPECT_EQ(is_followable_link(GetParam().href), GetParam().followable);
}

INSTANTIATE_TEST_SUITE_P(
    Links, FollowableLinkTest,
    ::testing::Values(LinkCase{"Javascript", "javascript:alert(document.cookie)", false},
                      LinkCase{"MixedCase", "JaVaScRiPt:alert(1)", false},
                      LinkCase{"TabReference", "java&#09;script:alert(1)", false},
                      LinkCase{"LetterReference", "&#106;avascript:alert(1)", false},
                      LinkCase{"ColonReference", "javascript&colon;alert(1)", false},
                      LinkCase{"ColonReferenceWithoutSemicolon", "javascript&#58alert(1)", false},
                      LinkCase{"LeadingBlank", " javascript:alert(1)", false},
                      LinkCase{"BlanksAndControlsInside", "java\tscr ipt\x01:alert(1)", false},
                      LinkCase{"Data", "data:text/html,<script>alert(1)</script>", false},
                      LinkCase{"Vbscript", "vbscript:msgbox(1)", false},
                      LinkCase{"File", "file:///etc/passwd", false},
                      LinkCase{"UnknownReferenceInScheme", "java&zwj;script:alert(1)", false},
                      LinkCase{"EmptyScheme", ":alert(1)", false},
                      LinkCase{"Http", "http://example.org/a?b=1&c=2", true},
                      LinkCase{"HttpsUpperCase", "HTTPS://example.org/", true},
                      LinkCase{"HttpsWithReferences", "&#104;ttps&colon;//example.org/", true},
                      LinkCase{"Ftp", "ftp://ftp.example.org/pub", true},
                      LinkCase{"Mailto", "mailto:keeper@example.org", true},
                      LinkCase{"PageOfTheSite", "f000003.htm", true},
                      LinkCase{"PageOfTheDocument", "page-3.html#section", true},
                      LinkCase{"ColonAfterSlash", "docs/javascript:alert(1)", true},
                      LinkCase{"ColonAfterQuery", "?q=javascript:alert(1)", true},
                      LinkCase{"ColonAfterFragment", "#javascript:alert(1)", true},
                      LinkCase{"Empty", "", true}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lexiweb
