// What makes an address the site's, and how a mirror takes the site's place in it.
#include <gtest/gtest.h>

#include <stdexcept>

#include "host/site_address.h"

TEST(site_address, OriginsFillInTheDefaultPortAndIgnoreCase) {
  struct origin_case {
    const char* address;
    std::optional<host::web_origin> origin;
  };
  const origin_case cases[] = {
      {"https://www.melodara.com/search?q=a", host::web_origin{"https", "www.melodara.com", "443"}},
      {"HTTPS://WWW.Melodara.COM", host::web_origin{"https", "www.melodara.com", "443"}},
      {"http://127.0.0.1:8080/x", host::web_origin{"http", "127.0.0.1", "8080"}},
      {"http://127.0.0.1:80/x", host::web_origin{"http", "127.0.0.1", "80"}},
      {"ftp://www.melodara.com/x", std::nullopt},
      {"/texty-pisni/x", std::nullopt},
      {"", std::nullopt},
  };
  for (const origin_case& one : cases) {
    EXPECT_EQ(host::origin_of(one.address), one.origin) << one.address;
  }
}

TEST(site_address, BareOriginsHaveNothingAfterTheHost) {
  EXPECT_TRUE(host::is_bare_origin("https://www.melodara.com"));
  EXPECT_TRUE(host::is_bare_origin("http://127.0.0.1:8080/"));
  EXPECT_FALSE(host::is_bare_origin("http://127.0.0.1:8080/mirror"));
  EXPECT_FALSE(host::is_bare_origin("http://127.0.0.1:8080/?q=1"));
  EXPECT_FALSE(host::is_bare_origin("file:///tmp/site"));
}

TEST(site_address, MirrorTakesSchemeHostAndPortAndKeepsTheRestByteForByte) {
  const host::web_origin mirror{"http", "127.0.0.1", "8080"};
  EXPECT_EQ(host::with_origin("https://www.melodara.com/search?q=Milena+%C5%98ezn%C3%AD", mirror),
            "http://127.0.0.1:8080/search?q=Milena+%C5%98ezn%C3%AD");
  EXPECT_EQ(host::with_origin("https://www.melodara.com", mirror), "http://127.0.0.1:8080");
  EXPECT_EQ(host::with_origin("http://127.0.0.1:8080/a/../b#c", host::web_origin{"https", "www.melodara.com", "443"}),
            "https://www.melodara.com/a/../b#c");
  EXPECT_THROW((void)host::with_origin("/texty-pisni/x", mirror), std::invalid_argument);
}
