// Taking a step's value in a test: the message of a failure is what the assertion prints.
#pragma once

#include <string>
#include <utility>

#include "model/Result.h"

namespace kerf::test {

// Moves the result's value into `into` when it holds one and returns the failure's message,
// empty on success: ASSERT_EQ(TakeValue(LoadPicture(path), picture), "") shows why it failed.
template <class T, class U>
std::string TakeValue(Result<T> result, U& into) {
  if (result) into = std::move(result.Value());
  return result.Error();
}

}  // namespace kerf::test
