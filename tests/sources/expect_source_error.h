// A call that the sources code must refuse, with a message holding a text.
#pragma once

#include "sources/source_error.h"

#include <gtest/gtest.h>

#include <string>

template<class Function>
void ExpectSourceError(Function function, const std::string &message)
{
    try {
        function();
        ADD_FAILURE() << "not refused; expected: " << message;
    } catch (const pheltra::SourceError &error) {
        EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos) << error.what();
    }
}
