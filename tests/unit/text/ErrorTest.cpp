// Errors as values: what a failing step hands back, how its caller passes it
// on, and the event handlers that answer nothing or a status.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/Error.h"
#include "text/Text.h"
#include "ui/Callback.h"

using text::Error;
using text::Result;
using text::Status;

namespace {

// Two steps the way the program chains them: the second runs only when the
// first succeeded, and the first failure is the caller's.
Result<int> Sum(const char* a, const char* b, int& secondRan) {
  const Result<int32_t> first = text::ToInt(a);
  RETURN_IF_FAILED(first);
  ++secondRan;
  Result<int32_t> second = text::ToInt(b);
  RETURN_IF_FAILED(std::move(second));
  return *first + *second;
}

Status Check(const char* a, const char* b, int& secondRan) {
  RETURN_IF_FAILED(Sum(a, b, secondRan));
  return {};
}

}  // namespace

TEST(Errors, AFailureTravelsUpWithItsMessageAndEndsTheCallers) {
  struct Row {
    const char* a;
    const char* b;
    const char* message;  // empty: success
    int secondRan;
  };
  const Row rows[] = {
      {"2", "3", "", 1},
      {"x", "3", "'x' is not a valid integer value", 0},
      {"2", "", "'' is not a valid integer value", 1},
      {"-7", "+7", "", 1},
  };
  for (const Row& r : rows) {
    int secondRan = 0;
    const Status s = Check(r.a, r.b, secondRan);
    EXPECT_EQ(s.Ok(), *r.message == '\0') << r.a << " " << r.b;
    EXPECT_EQ(s.Message(), r.message) << r.a << " " << r.b;
    EXPECT_EQ(secondRan, r.secondRan) << r.a << " " << r.b;
  }
  int ran = 0;
  EXPECT_EQ(*Sum("40", "2", ran), 42);
}

TEST(Errors, CopiesAndMovesKeepTheErrorWhereItBelongs) {
  Status failed = Error("boom");
  const Status copy = failed;
  EXPECT_EQ(copy.Message(), "boom");
  EXPECT_EQ(failed.Message(), "boom");  // a copy takes nothing away
  Status moved = std::move(failed);
  EXPECT_EQ(moved.Message(), "boom");
  EXPECT_TRUE(failed.Ok());  // NOLINT: the moved-from status is success
  moved = Status();
  EXPECT_TRUE(moved.Ok());
  EXPECT_EQ(moved.Message(), "");
  const Result<std::string> value = std::string("text"), error = Error("no text");
  EXPECT_EQ(*value, "text");
  EXPECT_EQ(error.Message(), "no text");
  EXPECT_EQ(*error, "");  // the value's default
}

TEST(Errors, AHandlerThatAnswersNothingSucceeds) {
  int calls = 0;
  const ui::Callback<Status()> plain = [&] { ++calls; };
  const ui::Callback<Status()> failing = [&] {
    ++calls;
    return Status(Error("bad"));
  };
  const ui::Callback<Status(int)> withArgument = [&](int n) { calls += n; };
  EXPECT_TRUE(plain().Ok());
  EXPECT_EQ(failing().Message(), "bad");
  EXPECT_TRUE(withArgument(5).Ok());
  EXPECT_TRUE(ui::Callback<Status()>()().Ok());  // an empty handler does nothing
  EXPECT_EQ(calls, 7);
}
