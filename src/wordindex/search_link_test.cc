#include "wordindex/search_link.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

std::string query_of(std::string_view context, std::string_view target_site) {
  std::string address = "x";  // appended to, not replaced
  append_search_address(address, context, target_site);
  const std::string start = "xhttps://www.google.com/search?q=";
  EXPECT_TRUE(address.starts_with(start)) << address;
  return address.substr(start.size());
}

// Anything but A-Z a-z 0-9 - . _ ~ could cut the query or its attribute.
TEST(SearchAddressTest, EncodesEveryByteButTheUnreservedOnes) {
  EXPECT_EQ(query_of("AZaz09-._~ & C# 100% a+b/c?d=e \xC5\xBE\xFF", "www.ex\"ample.com"),
            "AZaz09-._~%20%26%20C%23%20100%25%20a%2Bb%2Fc%3Fd%3De%20%C5%BE%FF"
            "%20site%3Awww.ex%22ample.com");
  EXPECT_EQ(query_of("x", "a&amp;b"), "x%20site%3Aa%26amp%3Bb") << "the site is not decoded";
}

TEST(SearchAddressTest, DecodesCharacterReferencesOfTheContextFirst) {
  EXPECT_EQ(query_of("&amp;&lt;&gt;&quot;&apos; caf&#233; caf&#xE9;&#XE9; &#x20AC;&#128512;", ""),
            "%26%3C%3E%22%27%20caf%C3%A9%20caf%C3%A9%C3%A9%20%E2%82%AC%F0%9F%98%80%20site%3A");
  EXPECT_EQ(query_of("a&nbsp;b&#160;c&#xA0;d", ""), "a%20b%20c%20d%20site%3A");
}

// Unknown names, a missing ";" and code points that are no characters.
TEST(SearchAddressTest, LeavesUnknownOrBrokenReferencesAsWritten) {
  EXPECT_EQ(query_of("&copy;&amp &#38 &#;&#x;&#0;&#xD800;&#99999999999999999999;", ""),
            "%26copy%3B%26amp%20%26%2338%20%26%23%3B%26%23x%3B%26%230%3B%26%23xD800%3B"
            "%26%2399999999999999999999%3B%20site%3A");
}

}  // namespace
}  // namespace lexiweb
