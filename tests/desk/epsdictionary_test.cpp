// The small classes behind the EPS import: owned texts, the bounded operand stack with its
// overflow report, and the abbreviation dictionary with its resolution and its limit.
#include "desk/defines.h"
#include "desk/strings.h"
#include "desk/stringstack.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

static_assert(!std::is_copy_constructible_v<strings> && !std::is_copy_assignable_v<strings>);
static_assert(!std::is_copy_constructible_v<StringStack>);
static_assert(!std::is_copy_constructible_v<Defines>);

namespace {
char* text(const char* t) {
    return const_cast<char*>(t);
}
} // namespace

TEST(Strings, HoldsACopyAndReplacesIt) {
    strings s;
    EXPECT_EQ(static_cast<char*>(s), nullptr);
    std::string source = "moveto";
    s << source.c_str();
    source[0] = 'X';
    EXPECT_STREQ(s, "moveto");
    s << "a much longer text than before";
    EXPECT_STREQ(s, "a much longer text than before");
    // Its own text, or a part of it, survives being given back to it.
    s << static_cast<char*>(s) + 7;
    EXPECT_STREQ(s, "longer text than before");
    s << nullptr;
    EXPECT_STREQ(s, "");
}

TEST(StringStack, PopsInReverseAndLeavesTheTargetAloneWhenEmpty) {
    StringStack stack(3);
    EXPECT_EQ(static_cast<char*>(stack), nullptr);
    stack << "10"
          << "20"
          << "m";
    EXPECT_EQ(stack.getnMax(), 3u);
    EXPECT_STREQ(stack, "m");
    char out[16] = "unchanged";
    ASSERT_EQ(stack >> out, 1);
    EXPECT_STREQ(out, "m");
    ASSERT_EQ(stack >> out, 1);
    EXPECT_STREQ(out, "20");
    ASSERT_EQ(stack.pop(out, sizeof out), 1);
    EXPECT_STREQ(out, "10");
    EXPECT_EQ(stack >> out, 0);
    EXPECT_EQ(stack.pop(out, sizeof out), 0);
    EXPECT_STREQ(out, "10");
    EXPECT_EQ(stack.getnMax(), 0u);
}

TEST(StringStack, OverflowIsReportedAndTheWordDropped) {
    StringStack stack(2);
    testing::internal::CaptureStdout();
    stack << "a"
          << "b"
          << "c"
          << "d";
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "# StringStack::error : overflow ! ( StackSize : 2 )\n"
              "# StringStack::error : overflow ! ( StackSize : 2 )\n");
    EXPECT_EQ(stack.getnMax(), 2u);
    EXPECT_STREQ(stack, "b");
    // Still usable after the overflow.
    char out[4];
    stack >> out;
    stack << "e";
    EXPECT_STREQ(stack, "e");
}

TEST(StringStack, BoundedPopCutsLongWords) {
    StringStack stack;
    stack << "a-rather-long-word";
    char out[7];
    ASSERT_EQ(stack.pop(out, sizeof out), 1);
    EXPECT_STREQ(out, "a-rath");
}

TEST(Defines, StartsWithTheWordsOfTheImportMappedToThemselves) {
    Defines d;
    const char* expected[] = {
        "lineto",      "moveto",       "gsave",         "grestore",  "sethsbcolor", "setlinecap",
        "setlinejoin", "setlinewidth", "setmiterlimit", "image",     "translate",   "scale",
        "string",      "stroke",       "showpage",      "closepath", "newpath"};
    ASSERT_EQ(d.getMax(), 17u);
    for (unsigned i = 0; i < 17; ++i) {
        EXPECT_STREQ(d.label(i), expected[i]);
        EXPECT_STREQ(d.command(i), expected[i]);
    }
    // Entries are counted modulo the entries in use.
    EXPECT_STREQ(d.label(17), "lineto");
    EXPECT_STREQ(d.command(18), "moveto");
}

TEST(Defines, ResolvesAbbreviationsNumbersAndNamesDefinedByNames) {
    Defines d;
    d.Load("l", "lineto");
    d.Load("sp", "showpage");
    d.Load("width", "64 ");
    d.Load("height", "32 ");
    d.Load("picstr", "width string ");
    EXPECT_STREQ(d(text("l")), "lineto");
    EXPECT_STREQ(d(text("sp")), "showpage");
    EXPECT_STREQ(d(text("height")), "32 ");
    // Only the first word of a longer definition counts.
    EXPECT_STREQ(d(text("picstr")), "64 ");
    EXPECT_STREQ(d(text("unknown")), "unknown");
    // Labels match whole words only.
    EXPECT_STREQ(d(text("wid")), "wid");
}

TEST(Defines, RedefinitionReplacesTheCommandInPlace) {
    Defines d;
    d.Load("width", "64 ");
    d.Load("width", "64 ");
    EXPECT_EQ(d.getMax(), 18u);
    d.Load("width", "128 ");
    EXPECT_EQ(d.getMax(), 18u);
    EXPECT_STREQ(d(text("width")), "128 ");
    d.Load("", "x");
    d.Load("x", "");
    d.Load(nullptr, "x");
    EXPECT_EQ(d.getMax(), 18u);
}

TEST(Defines, AFullDictionaryReplacesItsLastEntry) {
    Defines d;
    for (unsigned i = 17; i < 1000; ++i)
        d.Load(("n" + std::to_string(i)).c_str(), "lineto");
    ASSERT_EQ(d.getMax(), 1000u);
    testing::internal::CaptureStdout();
    d.Load("extra", "moveto");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "buffergrenze erreicht : 999 : 1000\n");
    EXPECT_EQ(d.getMax(), 1000u);
    EXPECT_STREQ(d.label(999), "extra");
    EXPECT_STREQ(d(text("n999")), "n999");
    EXPECT_STREQ(d(text("extra")), "moveto");
    // A label already there needs no slot: nothing else is lost.
    testing::internal::CaptureStdout();
    d.Load("n500", "newpath");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_STREQ(d(text("extra")), "moveto");
    EXPECT_STREQ(d(text("n500")), "newpath");
}

TEST(Defines, ResetForgetsEverything) {
    Defines d;
    d.Load("l", "lineto");
    d.reset();
    EXPECT_EQ(d.getMax(), 0u);
    EXPECT_STREQ(d(text("l")), "l");
    EXPECT_STREQ(d(text("lineto")), "lineto");
    EXPECT_STREQ(d.label(5), " ");
    d.Load("m", "moveto");
    EXPECT_EQ(d.getMax(), 1u);
    EXPECT_STREQ(d(text("m")), "moveto");
}
