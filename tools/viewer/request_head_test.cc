// The first look at a request head: what is waited for, let through or
// refused, and in which order the refusals come.
#include "tools/viewer/request_head.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario::viewer {
namespace {

const ServeAddress kServed{"127.0.0.1", 8080};
const std::string kHost = "Host: 127.0.0.1:8080\r\n";

TEST(RequestHeadTest, JudgesEachHead) {
  struct Case {
    std::string received;
    int status;
  };
  const std::string long_target(kMaxRequestLine, 'a');
  const Case cases[] = {
      // Not whole yet: wait.
      {"", 0},
      {"GET / HTTP/1.1\r\n" + kHost, 0},
      {"GET /" + std::string(kMaxRequestLine - 20, 'a'), 0},
      // Whole and acceptable, with either line ending, the body length 0.
      {"GET / HTTP/1.1\r\n" + kHost + "\r\n", 200},
      {"GET /scene HTTP/1.0\nhost: localhost:8080\n\n", 200},
      {"GET / HTTP/1.1\r\n" + kHost + "Content-Length: 0\r\n\r\n", 200},
      // Refused as soon as the limit is passed, complete or not.
      {"GET /" + long_target, 414},
      {"GET /" + long_target + " HTTP/1.1\r\n" + kHost + "\r\n", 414},
      {"GET / HTTP/1.1\r\n" + std::string(kMaxRequestHead, 'x'), 431},
      {"GET / HTTP/1.1\r\n" + kHost + "X: " + std::string(kMaxRequestHead, 'x') + "\r\n\r\n", 431},
      // Whole and refused.
      {"GARBAGE\r\n\r\n", 400},
      {"GET / HTTP/2.0\r\n" + kHost + "\r\n", 400},
      {"GET / HTTP/1.1\r\nno colon\r\n" + kHost + "\r\n", 400},
      {"POST / HTTP/1.1\r\n" + kHost + "\r\n", 405},
      {"HEAD / HTTP/1.1\r\n" + kHost + "\r\n", 405},
      {"GET / HTTP/1.1\r\n\r\n", 403},
      {"GET / HTTP/1.1\r\nHost: evil.example:8080\r\n\r\n", 403},
      {"GET / HTTP/1.1\r\n" + kHost + kHost + "\r\n", 403},
      {"GET / HTTP/1.1\r\n" + kHost + "Content-Length: 5\r\n\r\nhello", 413},
      {"GET / HTTP/1.1\r\n" + kHost + "Transfer-Encoding: chunked\r\n\r\n", 413},
      // A foreign Host with a body is refused for its Host, the body unread.
      {"GET / HTTP/1.1\r\nHost: evil.example\r\nContent-Length: 104857600\r\n\r\n", 403},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeHead(c.received, kServed).status, c.status) << c.received.substr(0, 80);
    // Arriving a byte at a time and judged only when HeadWorthJudging says
    // so, as the gate does, each head meets the same verdict.
    int verdict = 0;
    bool due = true;
    for (size_t size = 1; size <= c.received.size() && verdict == 0; ++size) {
      due = due || HeadWorthJudging(std::string_view(c.received).substr(0, size), size - 1);
      if (due) verdict = JudgeHead(std::string_view(c.received).substr(0, size), kServed).status;
      due = false;
    }
    EXPECT_EQ(verdict, c.status) << "byte by byte: " << c.received.substr(0, 80);
  }
}

TEST(RequestHeadTest, TheHeadEndsAtTheEmptyLineAndTheRestIsTheNextRequest) {
  const std::string first = "GET /status HTTP/1.1\r\n" + kHost + "\r\n";
  const HeadVerdict verdict = JudgeHead(first + "GET /scene HTTP/1.1\r\n", kServed);
  EXPECT_EQ(verdict.status, 200);
  EXPECT_EQ(verdict.head_size, first.size());
}

TEST(RequestHeadTest, AcceptEncodingIsTakenOutAndNothingElse) {
  const std::string head = "GET / HTTP/1.1\r\n" + kHost + "accept-encoding: gzip, br\r\nAccept: */*\r\n\r\n";
  EXPECT_EQ(WithoutAcceptEncoding(head), "GET / HTTP/1.1\r\n" + kHost + "Accept: */*\r\n\r\n");
}

TEST(RequestHeadTest, ARefusalIsAWholeAnswerThatClosesTheConnection) {
  const std::string answer = RefusalResponse({413, 0, "no request body is read here"});
  EXPECT_EQ(answer.rfind("HTTP/1.1 413 Payload Too Large\r\n", 0), 0u) << answer;
  EXPECT_NE(answer.find("Connection: close\r\n"), std::string::npos);
  EXPECT_NE(answer.find("Content-Length: 29\r\n\r\nno request body is read here\n"), std::string::npos) << answer;
}

}  // namespace
}  // namespace scenario::viewer
