#include "wordindex/search_link.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

std::string query_of(std::string_view context, std::string_view target_site) {
  std::string address;
  append_search_address(address, context, target_site);
  const std::string base = "https://www.google.com/search?q=";
  EXPECT_TRUE(address.starts_with(base)) << address;
  return address.substr(base.size());
}

TEST(SearchAddress, BlanksAndTheSiteRestrictionAreEncoded) {
  EXPECT_EQ(query_of("the red apple", "www.example.com"),
            "the%20red%20apple%20site%3Awww.example.com");
}

TEST(SearchAddress, UnreservedCharactersStandAsTheyAre) {
  EXPECT_EQ(query_of("AZaz09-._~", "x"), "AZaz09-._~%20site%3Ax");
}

TEST(SearchAddress, QuerySeparatorsOfTheContextAreEncoded) {
  EXPECT_EQ(query_of("salt & pepper", ""), "salt%20%26%20pepper%20site%3A");
  EXPECT_EQ(query_of("C# 100% a+b", ""), "C%23%20100%25%20a%2Bb%20site%3A");
  EXPECT_EQ(query_of("a/b?c=d", ""), "a%2Fb%3Fc%3Dd%20site%3A");
}

TEST(SearchAddress, CharacterReferencesAreDecodedBeforeEncoding) {
  EXPECT_EQ(query_of("Smith &amp; Sons", ""), "Smith%20%26%20Sons%20site%3A");
  EXPECT_EQ(query_of("&lt;&gt;&quot;&apos;", ""), "%3C%3E%22%27%20site%3A");
  EXPECT_EQ(query_of("caf&#233;", ""), "caf%C3%A9%20site%3A");
  EXPECT_EQ(query_of("caf&#xE9; caf&#XE9;", ""), "caf%C3%A9%20caf%C3%A9%20site%3A");
  EXPECT_EQ(query_of("&#x20AC;&#128512;", ""), "%E2%82%AC%F0%9F%98%80%20site%3A");
  EXPECT_EQ(query_of("a&nbsp;b&#160;c&#xA0;d", ""), "a%20b%20c%20d%20site%3A");
}

TEST(SearchAddress, UnknownOrBrokenReferencesStayAsWritten) {
  EXPECT_EQ(query_of("&copy;", ""), "%26copy%3B%20site%3A");
  EXPECT_EQ(query_of("&amp", ""), "%26amp%20site%3A");
  EXPECT_EQ(query_of("&#38 x", ""), "%26%2338%20x%20site%3A");
  EXPECT_EQ(query_of("&#;&#x;", ""), "%26%23%3B%26%23x%3B%20site%3A");
  EXPECT_EQ(query_of("&#0;", ""), "%26%230%3B%20site%3A");
  EXPECT_EQ(query_of("&#xD800;", ""), "%26%23xD800%3B%20site%3A");
  EXPECT_EQ(query_of("&#99999999999999999999;", ""), "%26%2399999999999999999999%3B%20site%3A");
}

TEST(SearchAddress, RawNonAsciiBytesAreEncodedByteByByte) {
  EXPECT_EQ(query_of("\xC5\xBE"
                     "aba",
                     ""),
            "%C5%BEaba%20site%3A");
  EXPECT_EQ(query_of("\xFF", ""), "%FF%20site%3A");
}

TEST(SearchAddress, TargetSiteIsEncodedButNotDecoded) {
  EXPECT_EQ(query_of("x", "a\"b"), "x%20site%3Aa%22b");
  EXPECT_EQ(query_of("x", "a&amp;b"), "x%20site%3Aa%26amp%3Bb");
}

}  // namespace
}  // namespace lexiweb
