#include "platform/vb/Literal.h"

#include <gtest/gtest.h>

namespace {

TEST(Literal, OneWriterOfStringLiterals) {
    const struct {
        const char* text;
        const char* literal;
    } cases[] = {
        {"", R"("")"},
        {"Net 30", R"("Net 30")"},
        {R"(Order "Header's)", R"("Order ""Header's")"},
        {"Net\n30", R"("Net" & vbCrLf & "30")"},
        {"Net\r\n30\r", R"("Net" & vbCrLf & "30" & vbCrLf & "")"},
        {"a\tb\x01", R"("a" & Chr(9) & "b" & Chr(1) & "")"},
        // The engine would read "&PropName" as its token: the literal is closed before the letter.
        {"R&PropName & D", R"("R&" & "PropName & D")"},
        {"Müller", R"("Müller")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::StringLiteral(c.text), c.literal) << c.text;
}

}  // namespace
