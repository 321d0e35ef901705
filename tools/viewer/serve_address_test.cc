// The --serve address and the Host headers the server lets through.
#include "tools/viewer/serve_address.h"

#include <gtest/gtest.h>

namespace scenario::viewer {
namespace {

TEST(ServeAddressTest, ParsesPortAndOptionalHost) {
  struct Case {
    const char* text;
    const char* host;
    int port;
  };
  for (const Case& c : {Case{"8080", "127.0.0.1", 8080}, Case{"0", "127.0.0.1", 0},
                        Case{"localhost:9000", "localhost", 9000}, Case{"0.0.0.0:80", "0.0.0.0", 80},
                        Case{"[::1]:8080", "::1", 8080}, Case{"65535", "127.0.0.1", 65535}}) {
    const StatusOr<ServeAddress> address = ParseServeAddress(c.text);
    ASSERT_TRUE(address.ok()) << c.text;
    EXPECT_EQ(address->host, c.host) << c.text;
    EXPECT_EQ(address->port, c.port) << c.text;
  }
}

TEST(ServeAddressTest, RefusesWhatIsNoAddress) {
  struct Case {
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{"", "'' is not a port number (0 to 65535)"},
                        Case{"65536", "'65536' is not a port number (0 to 65535)"},
                        Case{"-1", "'-1' is not a port number (0 to 65535)"},
                        Case{"80x", "'80x' is not a port number (0 to 65535)"},
                        Case{"host:", "'' is not a port number (0 to 65535)"},
                        Case{":8080", "':8080' names no host before the colon"},
                        Case{"[::1]8080", "'[::1]8080' is not [HOST:]PORT"}}) {
    const StatusOr<ServeAddress> parsed = ParseServeAddress(c.text);
    ASSERT_FALSE(parsed.ok()) << c.text;
    EXPECT_EQ(parsed.status().message(), c.message) << c.text;
  }
}

TEST(ServeAddressTest, HostHeaderMustNameTheServedAddress) {
  const ServeAddress loopback{"127.0.0.1", 8123};
  const ServeAddress named{"viewer.lan", 8123};
  const ServeAddress web{"127.0.0.1", 80};
  struct Case {
    const ServeAddress& bound;
    const char* host;
    bool allowed;
  };
  for (const Case& c : {
           Case{loopback, "127.0.0.1:8123", true}, Case{loopback, "localhost:8123", true},
           Case{loopback, "LocalHost:8123", true}, Case{loopback, "[::1]:8123", true},
           Case{loopback, "127.0.0.1:8124", false}, Case{loopback, "127.0.0.1", false},
           Case{loopback, "evil.example:8123", false}, Case{loopback, "127.0.0.1.evil.example:8123", false},
           Case{loopback, "", false}, Case{loopback, "localhost:8123 ", false},
           Case{named, "viewer.lan:8123", true}, Case{named, "VIEWER.LAN:8123", true},
           Case{named, "localhost:8123", false}, Case{named, "127.0.0.1:8123", false},
           Case{web, "localhost", true}, Case{web, "localhost:80", true}, Case{web, "evil.example", false},
       }) {
    EXPECT_EQ(HostAllowed(c.host, c.bound), c.allowed) << c.bound.host << " <- '" << c.host << "'";
  }
}

TEST(ServeAddressTest, UrlsPutIpv6InBrackets) {
  EXPECT_EQ(ServeUrl({"127.0.0.1", 8080}), "http://127.0.0.1:8080/");
  EXPECT_EQ(ServeUrl({"::1", 8080}), "http://[::1]:8080/");
}

}  // namespace
}  // namespace scenario::viewer
