// Result<T>: the outcome of a step that can fail, either its value or a message saying why.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace kerf {

// Either a value or a message for the user. A failed result always carries a message and, when
// it comes from a file with lines, the 1-based line of the fault (0 otherwise); Value() may be
// read only when the result holds one.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit
  static Result Fail(std::string message, int line = 0) {
    assert(!message.empty() && "a failure says why");
    Result result(std::in_place_index<1>, std::move(message));
    result.line_ = line;
    return result;
  }
  // Builds a failure of this type from another result's failure, message and line.
  template <class U>
  static Result FailLike(const Result<U>& failed) {
    return Fail(failed.Error(), failed.Line());
  }

  bool Ok() const { return state_.index() == 0; }
  explicit operator bool() const { return Ok(); }
  T& Value() {
    assert(Ok());
    return std::get<0>(state_);
  }
  const T& Value() const {
    assert(Ok());
    return std::get<0>(state_);
  }
  // Why the step failed; empty when it did not.
  const std::string& Error() const {
    static const std::string none;
    return Ok() ? none : std::get<1>(state_);
  }
  int Line() const { return line_; }

 private:
  Result(std::in_place_index_t<1> failed, std::string message)
      : state_(failed, std::move(message)) {}
  std::variant<T, std::string> state_;
  int line_ = 0;
};

// The outcome of a step that yields nothing but can fail.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  static Result Fail(std::string message, int line = 0) {
    assert(!message.empty() && "a failure says why");
    Result result;
    result.error_ = std::move(message);
    result.line_ = line;
    return result;
  }
  template <class U>
  static Result FailLike(const Result<U>& failed) {
    return Fail(failed.Error(), failed.Line());
  }

  bool Ok() const { return error_.empty(); }
  explicit operator bool() const { return Ok(); }
  const std::string& Error() const { return error_; }
  int Line() const { return line_; }

 private:
  std::string error_;
  int line_ = 0;
};

}  // namespace kerf
