// Test helper: runs an action and returns every byte it wrote to standard
// output, C stdio included, so printed formats can be compared exactly.
#ifndef PAGEVET_TESTS_FOUNDATION_CAPTURE_H_
#define PAGEVET_TESTS_FOUNDATION_CAPTURE_H_

#include <gtest/gtest.h>

#include <string>

template <typename Action>
std::string SortieDe(Action action) {
  // The capture redirects descriptor 1 and flushes the C streams on both ends.
  testing::internal::CaptureStdout();
  action();
  return testing::internal::GetCapturedStdout();
}

#endif  // PAGEVET_TESTS_FOUNDATION_CAPTURE_H_
