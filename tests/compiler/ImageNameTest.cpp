// Naming the image after the program file.
#include "compiler/ImageName.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageName, Rules) {
    struct Row {
        const char* program;
        const char* image;
    };
    const Row rows[] = {
        {"C:\\work\\blink.tovix", "C:\\work\\blink.bin"},
        {"/home/u/blink.tovix", "/home/u/blink.bin"},
        {"/home/u/Blink.TOVIX", "/home/u/Blink.bin"},
        {"/home/u/a.ToViX", "/home/u/a.bin"},
        {"blink.tovix", "blink.bin"},
        // Another extension is replaced, not cut to six characters (prog.txt is no pr.bin).
        {"C:\\work\\prog.txt", "C:\\work\\prog.bin"},
        {"/w/prog.txt", "/w/prog.bin"},
        {"/w/a.b.c", "/w/a.b.bin"},
        {"/w/prog.tovix.txt", "/w/prog.tovix.bin"},
        // No extension: appended.
        {"/w/prog", "/w/prog.bin"},
        {"/w.d/prog", "/w.d/prog.bin"},
        {"C:\\w.d\\prog", "C:\\w.d\\prog.bin"},
        {"/w/.profile", "/w/.profile.bin"},
        {"prog", "prog.bin"},
        {"/w/prog.", "/w/prog.bin"},
        // A name that would be the program file itself gets ".bin" appended to it whole.
        {"/w/prog.bin", "/w/prog.bin.bin"},
        {"prog.bin", "prog.bin.bin"},
        {"/w/prog.BIN", "/w/prog.bin"},
        {"/w/.tovix", "/w/.bin"},
        {"", ".bin"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ImageNameFor(row.program), row.image) << row.program;
}

} // namespace
