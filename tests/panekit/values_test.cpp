// The property protocol without windows: flags, typed senders, conversions of what was sent to
// what is wanted, and reads through the conversion operators.
#include <values.h>

#include <gtest/gtest.h>

namespace {

// Keeps one int property (flag 1), one unsigned long (flag 2), a string (flag 3) and a float
// that is readable only (flag 4).
class Settings : public Values {
public:
    int number = 0;
    unsigned long bits = 0;
    char* text = nullptr;
    unsigned int count = 7;
    int ignoredWrites = 0;

protected:
    void setValue(void* value) override {
        switch (flag) {
        case 1:
            number = (*this)(value);
            break;
        case 2:
            bits = (*this)(value);
            break;
        case 3:
            text = static_cast<char*>(value);
            break;
        default:
            ++ignoredWrites;
            Values::setValue(value);
        }
    }
    void* getValue() override {
        switch (flag) {
        case 1:
            return (*this)(number);
        case 5:
            return (*this)(count);
        }
        return Values::getValue();
    }
};

} // namespace

TEST(Values, TypedSendersArriveConvertedToWhatTheReceiverWants) {
    Settings s;
    s << Values::Flag(1) << 42;
    EXPECT_EQ(s.number, 42);
    s << Values::Flag(1) << -5L;
    EXPECT_EQ(s.number, -5);
    s << Values::Flag(1) << 300UL;
    EXPECT_EQ(s.number, 300);
    s << Values::Flag(2) << 0x80000000UL;
    EXPECT_EQ(s.bits, 0x80000000UL);
    s << Values::Flag(2) << -1; // an int read as unsigned long, as a style mask is
    EXPECT_EQ(s.bits, 0xFFFFFFFFUL);
    s << Values::Flag(2) << 9u;
    EXPECT_EQ(s.bits, 9UL);
}

TEST(Values, WritesChainAndPointersPassUnchanged) {
    Settings s;
    char name[] = "name";
    s << Values::Flag(1) << 3 << Values::Flag(3) << name << Values::Flag(9) << 1;
    EXPECT_EQ(s.number, 3);
    EXPECT_EQ(s.text, name);
    EXPECT_EQ(s.ignoredWrites, 1);
    s << Values::Flag(3) << "literal";
    EXPECT_STREQ(s.text, "literal");
}

TEST(Values, ReadsConvertTheAnsweredMember) {
    Settings s;
    s << Values::Flag(1) << -12;
    int asInt = s << Values::Flag(1);
    long asLong = s << Values::Flag(1);
    double asDouble = s << Values::Flag(1);
    unsigned int count = s << Values::Flag(5);
    float countAsFloat = s << Values::Flag(5);
    int* address = s << Values::Flag(1);
    EXPECT_EQ(asInt, -12);
    EXPECT_EQ(asLong, -12L);
    EXPECT_EQ(asDouble, -12.0);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(countAsFloat, 7.0f);
    EXPECT_EQ(address, &s.number);
    // A flag nobody answers reads as 0 and as a null address.
    int unknown = s << Values::Flag(77);
    char* none = s << Values::Flag(77);
    EXPECT_EQ(unknown, 0);
    EXPECT_EQ(none, nullptr);
}
