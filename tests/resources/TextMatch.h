// Comparing wide texts with failure messages a person can read: both texts
// are printed as UTF-8 (GoogleTest would print Japanese as escapes).
#pragma once
#include <string>
#include <gtest/gtest.h>
#include "ResourceReader.h"

namespace ResTest {

inline ::testing::AssertionResult SameText(const std::wstring& actual, const std::wstring& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\n  actual:   " << Show(actual)
                                         << "\n  expected: " << Show(expected);
}

}  // namespace ResTest
