#include "host/console/token_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/memory_streams.h"

namespace kanvo::console {
namespace {

using testing::ChunkedInput;

// Every token the input yields, in order, up to its end.
std::vector<std::string> all_tokens(std::vector<std::string> chunks) {
  ChunkedInput input(std::move(chunks));
  TokenReader reader(input);
  std::vector<std::string> tokens;
  while (std::optional<std::string> token = reader.next_token()) tokens.push_back(*token);
  return tokens;
}

using Tokens = std::vector<std::string>;

TEST(TokenReader, AnswersAreTakenAsTyped) {
  EXPECT_EQ(all_tokens({"Y\n", "y\n", "N\n", "YES\n", "Yes\n"}),
            (Tokens{"Y", "y", "N", "YES", "Yes"}));
}

TEST(TokenReader, LeadingSpacesTabsAndBlankLinesAreSkipped) {
  EXPECT_EQ(all_tokens({"   \t Y\n"}), Tokens{"Y"});
  EXPECT_EQ(all_tokens({"\n", "\n", "  \t \n", "\r\n", "\v\f N\n"}), Tokens{"N"});
}

TEST(TokenReader, OneLineCanAnswerSeveralRounds) {
  ChunkedInput input({"N Y\n", "Y\n"});
  TokenReader reader(input);
  EXPECT_EQ(reader.next_token(), "N");
  EXPECT_EQ(reader.next_token(), "Y");
  // Both answers came from the first line: the second line has not been read yet.
  EXPECT_EQ(input.reads, 1);
  EXPECT_EQ(reader.next_token(), "Y");
}

TEST(TokenReader, LongTokensKeepThreeBytesAndAreConsumedWhole) {
  EXPECT_EQ(all_tokens({"YY\n", "YYYY Y\n"}), (Tokens{"YY", "YYY", "Y"}));
  // Ten thousand characters across several reads of the reader's buffer, then the next answer.
  const std::string huge(10000, 'Y');
  EXPECT_EQ(all_tokens({huge.substr(0, 3000), huge.substr(3000) + "\n", "N\n"}),
            (Tokens{"YYY", "N"}));
  EXPECT_EQ(all_tokens({huge + " Y"}), (Tokens{"YYY", "Y"}));
}

TEST(TokenReader, BytesAreKeptAsTheyArrive) {
  // Invalid GBK, a lone lead byte, and a zero byte: none is white space, none is dropped.
  EXPECT_EQ(all_tokens({"\xFF\xFE\n", "\x81\n", std::string("Y\0", 2) + "\n"}),
            (Tokens{"\xFF\xFE", "\x81", std::string("Y\0", 2)}));
  // A GBK character's two bytes count as two of the three kept.
  EXPECT_EQ(all_tokens({"\xCA\xC7\xCA\xC7\n"}), Tokens{"\xCA\xC7\xCA"});
}

TEST(TokenReader, EndOfInput) {
  EXPECT_EQ(all_tokens({}), Tokens{});
  EXPECT_EQ(all_tokens({"  \n\t"}), Tokens{});
  // A token cut short by the end still counts; the end is reported after it, and again after.
  ChunkedInput input({"N Y"});
  TokenReader reader(input);
  EXPECT_EQ(reader.next_token(), "N");
  EXPECT_EQ(reader.next_token(), "Y");
  EXPECT_EQ(reader.next_token(), std::nullopt);
  EXPECT_EQ(reader.next_token(), std::nullopt);
}

TEST(FileDescriptorInput, ReadsAPipeToItsEnd) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "N\n Y\n", 5), 5);
  close(fds[1]);
  FileDescriptorInput input(fds[0]);
  TokenReader reader(input);
  EXPECT_EQ(reader.next_token(), "N");
  EXPECT_EQ(reader.next_token(), "Y");
  EXPECT_EQ(reader.next_token(), std::nullopt);
  close(fds[0]);
}

TEST(FileDescriptorInput, AClosedDescriptorIsTheEndOfInput) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  close(fds[0]);
  close(fds[1]);
  FileDescriptorInput input(fds[0]);
  TokenReader reader(input);
  EXPECT_EQ(reader.next_token(), std::nullopt);
}

}  // namespace
}  // namespace kanvo::console
