#pragma once

// A test whose tool is missing is skipped on a developer's machine. Where the
// environment variable CI is set the test command has installed every tool, so
// a missing one there is a fault: the test fails instead of passing unseen.

#include <gtest/gtest.h>

#include <cstdlib>

#define ZINDRA_TOOL_MISSING(why)                                                                   \
    do {                                                                                           \
        if (std::getenv("CI") != nullptr) GTEST_FAIL() << (why) << " (CI is set)";                 \
        GTEST_SKIP() << (why);                                                                     \
    } while (false)
