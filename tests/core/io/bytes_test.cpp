#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/io/bytes.h"

using vorla::io::ByteReader;
using vorla::io::ByteWriter;

TEST(Bytes, LittleEndianFieldsAtTheirOffsets) {
    std::array<std::uint8_t, 8> buf{};
    ByteWriter w(buf);
    w.u16(0, 0x1234);
    w.u32(2, 0xA1B2C3D4);
    w.u8(6, 0xEE);
    EXPECT_EQ(buf, (std::array<std::uint8_t, 8>{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0xEE, 0}));
    ByteReader r(buf);
    EXPECT_EQ(r.u16(0), 0x1234);
    EXPECT_EQ(r.u32(2), 0xA1B2C3D4u);
    EXPECT_EQ(r.u8(6), 0xEE);
}

TEST(Bytes, AccessOutsideTheBufferReadsZeroAndWritesNothing) {
    std::array<std::uint8_t, 4> buf{1, 2, 3, 4};
    ByteReader r(buf);
    EXPECT_EQ(r.u16(3), 0);
    EXPECT_EQ(r.u32(1), 0u);
    EXPECT_EQ(r.text(2, 10), "");
    EXPECT_TRUE(r.bytes(5, 1).empty());
    ByteWriter w(buf);
    w.u16(3, 0xFFFF);
    w.text(1, 8, "abc");
    EXPECT_EQ(buf, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

TEST(Bytes, TextFieldsAreWindows1251ZeroFilled) {
    std::array<std::uint8_t, 8> buf;
    buf.fill(0xAA);
    ByteWriter w(buf);
    w.text(1, 6, "Юг");
    EXPECT_EQ(buf, (std::array<std::uint8_t, 8>{0xAA, 0xDE, 0xE3, 0, 0, 0, 0, 0xAA}));
    EXPECT_EQ(ByteReader(buf).text(1, 6), "Юг");
}

TEST(Bytes, TextWithoutTerminatorReadsToItsWidthAndRoundTrips) {
    std::array<std::uint8_t, 6> buf{'a', 'b', 'c', 'd', 'X', 0};
    ByteReader r(buf);
    EXPECT_EQ(r.text(0, 4), "abcd");
    std::array<std::uint8_t, 6> out{};
    ByteWriter(out).text(0, 4, r.text(0, 4));
    EXPECT_EQ(out, (std::array<std::uint8_t, 6>{'a', 'b', 'c', 'd', 0, 0}));
    // A longer text is cut to the width; nothing spills into the next field.
    ByteWriter(out).text(0, 4, "abcdefgh");
    EXPECT_EQ(out[4], 0);
}

TEST(Bytes, TextStopsAtTerminatorIgnoringGarbageAfterIt) {
    std::array<std::uint8_t, 6> buf{'h', 'i', 0, 'z', 'z', 'z'};
    EXPECT_EQ(ByteReader(buf).text(0, 6), "hi");
}
