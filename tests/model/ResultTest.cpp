// Result: a value or the message saying why there is none.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Result.h"

namespace kerf {
namespace {

TEST(Result, HoldsEitherAValueOrAMessage) {
  const Result<int> value = 7;
  EXPECT_TRUE(value);
  EXPECT_EQ(value.Value(), 7);
  EXPECT_EQ(value.Error(), "");

  const Result<int> failed = Result<int>::Fail("The file x.ROU could not be read.");
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.Error(), "The file x.ROU could not be read.");

  EXPECT_TRUE(Result<void>{});
  const Result<void> none = Result<void>::Fail("no OpenGL");
  EXPECT_FALSE(none);
  EXPECT_EQ(none.Error(), "no OpenGL");
}

TEST(Result, HandsOverAValueThatCannotBeCopied) {
  Result<std::unique_ptr<std::string>> made = std::make_unique<std::string>("context");
  ASSERT_TRUE(made);
  const std::unique_ptr<std::string> taken = std::move(made.Value());
  EXPECT_EQ(*taken, "context");
  EXPECT_EQ(made.Value(), nullptr);
}

}  // namespace
}  // namespace kerf
