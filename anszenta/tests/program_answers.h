// What both archive programs do for "--help", "-h" and "--version".
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "process.h"

// Each of the three arguments is answered on standard output with status 0, and no file name
// is asked for, even with names waiting on standard input (`waiting`).
inline void expectAnswersWithoutAsking(const std::string& exe, const std::string& program,
                                       const std::string& usage, const std::string& waiting) {
    const struct {
        const char* argument;
        std::string out;
    } cases[] = {
        {"--help", usage}, {"-h", usage}, {"--version", program + " " PROJECT_VERSION "\n"}};
    for (const auto& c : cases) {
        auto result = zenta_test::runProgram(exe, {c.argument}, waiting);
        EXPECT_EQ(result.status, 0) << c.argument;
        EXPECT_EQ(result.out, c.out) << c.argument;
        EXPECT_EQ(result.err, "") << c.argument;
    }
}
