// The image writer: the hex rule, the bytes on disk, and the earlier image kept whole until
// the new one is complete.
#include "CompilerTestSupport.h"

#include "compiler/ImageWriter.h"
#include "compiler/IntelHex.h"

namespace {

TEST(ImageWriter, HexPairRule) {
    struct Row {
        const char* text;
        int value;
    };
    const Row rows[] = {
        {"1A", -1},
        {"FF", -1},
        {"7", -1},
        {"", -1},
        {" 7", -1},
        {"g0", -1},
        {"0g", -1},
        {"fff", -1},
        {"0x", -1},
        {"-1", -1},
        {"\xE0"
         "0",
         -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HexPairValue(row.text), row.value) << '"' << row.text << '"';

    // Every pair of lower-case digits names its byte.
    const char* digits = "0123456789abcdef";
    for (int hi = 0; hi < 16; ++hi)
        for (int lo = 0; lo < 16; ++lo) {
            char text[2] = {digits[hi], digits[lo]};
            EXPECT_EQ(HexPairValue(std::string_view(text, 2)), hi * 16 + lo);
        }
}

TEST(ImageWriter, WritesExactlyTheBytesGivenAndReplacesTheWholeFile) {
    TempDir dir;
    std::string name = dir / "p.bin";
    WriteBytes(name, std::string(1000, 'x'));
    TImageWriter image;
    image.OpenImage(name);
    image.WriteImageByte(0x03);
    EXPECT_EQ(image.WriteHexPair("0a"), 0x0A);
    EXPECT_EQ(image.WriteHexPair("1A"), -1);
    EXPECT_EQ(image.WriteHexPair("0d"), 0x0D);
    EXPECT_EQ(image.WriteHexPair("7"), -1);
    EXPECT_EQ(image.WriteHexPair(""), -1);
    image.WriteImageByte(0);
    image.WriteImageByte(255);
    // Nothing reaches the image before it is closed.
    EXPECT_EQ(ReadFile(name), std::string(1000, 'x'));
    image.CloseImage();
    EXPECT_EQ(ReadFile(name), Bytes({0x03, 0x0A, 0x0D, 0x00, 0xFF}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
}

TEST(ImageWriter, AbandonedImageLeavesTheEarlierOneAndNoTemporaryFile) {
    TempDir dir;
    std::string name = dir / "p.bin";
    WriteBytes(name, "old");
    {
        TImageWriter image;
        image.OpenImage(name);
        image.WriteImageByte(1);
        image.Abandon();
        EXPECT_FALSE(image.IsOpen());
    }
    {
        TImageWriter image; // destroyed without CloseImage
        image.OpenImage(name);
        image.WriteImageByte(2);
    }
    EXPECT_EQ(ReadFile(name), "old");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
}

// Intel HEX records, their checksums worked out by hand: the two's complement of the low byte
// of the sum of count, address, type and data.
TEST(ImageWriter, IntelHexRecords) {
    const std::string end = ":00000001FF\n";
    const std::string sixteen = ":10000000000102030405060708090A0B0C0D0E0F78\n";
    std::string bytes17;
    for (int i = 0; i <= 16; ++i)
        bytes17 += static_cast<char>(i);
    struct Row {
        std::string image;
        std::string hex;
    };
    const Row rows[] = {
        {"", end},
        {"\x02", ":0100000002FD\n" + end},
        {bytes17.substr(0, 16), sixteen + end},
        {bytes17, sixteen + ":0100100010DF\n" + end},
        {Bytes({0x06, 0x1B, 0x64, 0x08, 0x1B, 0x64, 0x03, 0, 0}),
         ":09000000061B64081B64030000E8\n" + end},
        {Bytes({0xFF, 0xab}), ":02000000FFAB54\n" + end},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hex);
        EXPECT_EQ(IntelHexText(row.image), row.hex);
    }
    // 64 KiB is the most 16-bit addresses reach.
    std::string full(kMaxIntelHexImage, '\0');
    std::string hex = IntelHexText(full);
    EXPECT_TRUE(hex.ends_with(":10FFF000" + std::string(32, '0') + "01\n" + end));
    EXPECT_EQ(hex.size(), 4096 * 44 + end.size());
    EXPECT_THROW(IntelHexText(full + '\0'), std::length_error);
}

} // namespace
