// Helpers of the archive core tests: run a reader on text, catch a stop.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "data.h"
#include "fatal_error.h"

// A model whose console messages are collected in `console`.
struct ArchiveFixture {
    std::ostringstream console;
    Data dat{console};

    // Runs the summary on `text`.
    void read(void (Data::*reader)(std::istream&), const std::string& text) {
        std::istringstream in(text);
        (dat.*reader)(in);
    }

    // Runs one of the readers that share a pass on `text`, alone.
    void read(std::unique_ptr<ArchiveReader> (Data::*reader)(), const std::string& text) {
        std::istringstream in(text);
        readAlone(in, *(dat.*reader)(), console);
    }

    // Runs `action` and returns the message of the stop it raised ("<no stop>" when none).
    template <typename Action>
    static std::string stopMessage(Action action) {
        try {
            action();
        } catch (const FatalError& stop) {
            EXPECT_EQ(stop.status(), 1);
            return stop.what();
        }
        return "<no stop>";
    }
};

inline std::string releaseLine(const char* release) {
    return std::string("/COM,ANSYS RELEASE  ") + release +
           "    UP20000101       10:00:00    01/01/2000\n";
}
