// The compile over the editor (and over plain lines): bytes of the image, counters, marks, the tidy
// step, faulty operands and the messages.
#include "CompilerTestSupport.h"
#include "support/FakeHost.h"

#include "base/Cp1251.h"
#include "base/Errors.h"
#include "base/HexDigits.h"
#include "compiler/CompileMessages.h"
#include "compiler/Compiler.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramListing.h"
#include "workbench/MemoCompileTarget.h"

#include <algorithm>

namespace {

struct Compiled {
    TCompileResult result;
    TCompileCounters counters;
    std::string image;
    std::vector<std::string> lines;
    std::vector<int> marked;
    std::vector<TListingEntry> listing;
};

Compiled CompileLines(const std::vector<std::string>& lines) {
    TempDir dir;
    Editor editor(lines);
    TMemoCompileTarget target(editor.memo);
    Compiled out;
    out.counters = {-1, -1};
    out.result = Compile(target, dir / "p.bin", out.counters, &out.listing);
    out.image = ReadFile(dir / "p.bin");
    out.lines = editor.Lines();
    out.marked = editor.Marked();

    // Plain lines, as tovixc compiles, give the same compile.
    TLinesCompileTarget plain(lines);
    TCompileCounters counters{-1, -1};
    std::vector<TListingEntry> listing;
    TCompileResult result = Compile(plain, dir / "q.bin", counters, &listing);
    EXPECT_EQ(ReadFile(dir / "q.bin"), out.image);
    EXPECT_EQ(result.ImageWritten, out.result.ImageWritten);
    EXPECT_EQ(counters.CommandCount, out.counters.CommandCount);
    EXPECT_EQ(counters.ProgramSize, out.counters.ProgramSize);
    std::vector<std::string> plainLines;
    std::vector<int> plainMarked;
    for (int i = 0; i < plain.LineCount(); ++i) {
        plainLines.emplace_back(plain.Line(i));
        if (plain.CompileMark(i))
            plainMarked.push_back(i);
    }
    EXPECT_EQ(plainLines, out.lines);
    EXPECT_EQ(plainMarked, out.marked);
    EXPECT_EQ(result.Faults.size(), out.result.Faults.size());
    for (std::size_t i = 0; i < std::min(result.Faults.size(), out.result.Faults.size()); ++i) {
        const auto& a = result.Faults[i];
        const auto& b = out.result.Faults[i];
        EXPECT_EQ(std::tie(a.Line, a.Text, a.Column, a.Indent, a.Command),
                  std::tie(b.Line, b.Text, b.Column, b.Indent, b.Command));
    }
    EXPECT_EQ(result.Warnings.size(), out.result.Warnings.size());
    for (std::size_t i = 0; i < std::min(result.Warnings.size(), out.result.Warnings.size()); ++i) {
        const auto& a = result.Warnings[i];
        const auto& b = out.result.Warnings[i];
        EXPECT_EQ(std::tie(a.Line, a.Text, a.Column, a.Indent, a.Message),
                  std::tie(b.Line, b.Text, b.Column, b.Indent, b.Message));
    }
    // In memory, the same bytes, or none when the file is not written.
    TLinesCompileTarget again(lines);
    std::string bytes = "old";
    TCompileResult inMemory = CompileToBytes(again, bytes, counters);
    EXPECT_EQ(bytes, out.result.ImageWritten ? out.image : "");
    EXPECT_EQ(inMemory.ImageWritten, out.result.ImageWritten);
    EXPECT_EQ(inMemory.Warnings.size(), out.result.Warnings.size());
    EXPECT_EQ(listing.size(), out.listing.size());
    for (std::size_t i = 0; i < std::min(listing.size(), out.listing.size()); ++i)
        EXPECT_EQ(std::tie(listing[i].Offset, listing[i].Line, listing[i].Bytes),
                  std::tie(out.listing[i].Offset, out.listing[i].Line, out.listing[i].Bytes));

    // The listing built a line at a time over the untidied text, as the listing window builds
    // it, tells the same commands, faults and warnings.
    TLinesCompileTarget untouched(lines);
    TListingBuilder builder;
    while (!builder.Continue(untouched, 1)) {
    }
    TProgramListing live = builder.Take();
    EXPECT_EQ(std::tie(live.Counters.CommandCount, live.Counters.ProgramSize),
              std::tie(out.counters.CommandCount, out.counters.ProgramSize));
    EXPECT_EQ(live.Entries.size(), out.listing.size());
    for (std::size_t i = 0; i < std::min(live.Entries.size(), out.listing.size()); ++i) {
        const auto& e = live.Entries[i];
        EXPECT_EQ(std::tie(e.Offset, e.Line, e.Bytes, e.ByteCount),
                  std::tie(out.listing[i].Offset, out.listing[i].Line, out.listing[i].Bytes,
                           out.listing[i].ByteCount));
    }
    EXPECT_EQ(live.Faults.size(), out.result.Faults.size());
    for (std::size_t i = 0; i < std::min(live.Faults.size(), out.result.Faults.size()); ++i) {
        EXPECT_EQ(live.Entries[static_cast<std::size_t>(live.Faults[i].Entry)].Line,
                  out.result.Faults[i].Line);
        EXPECT_EQ(live.Faults[i].Column, out.result.Faults[i].Column);
    }
    EXPECT_EQ(live.Warnings.size(), out.result.Warnings.size());
    for (std::size_t i = 0; i < std::min(live.Warnings.size(), out.result.Warnings.size()); ++i)
        EXPECT_EQ(std::tie(live.Warnings[i].Line, live.Warnings[i].Message),
                  std::tie(out.result.Warnings[i].Line, out.result.Warnings[i].Message));
    // A sound goto lands on the command its address names; a warned or faulty one has no target.
    for (int i = 0; i < static_cast<int>(live.Entries.size()); ++i) {
        const auto& e = live.Entries[static_cast<std::size_t>(i)];
        bool jump = e.Bytes[0] == 0x03 && e.ByteCount == 3 && !live.WarningOf(e.Line);
        int target = live.JumpTargetOf(i);
        EXPECT_EQ(target >= 0, jump);
        if (target >= 0) {
            EXPECT_EQ(live.Entries[static_cast<std::size_t>(target)].Offset,
                      e.Bytes[1] * 256 + e.Bytes[2]);
        }
        EXPECT_EQ(live.EntryOfLine(e.Line), i);
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char b : bytes)
        out += (out.empty() ? "" : " ") + HexDigits(b, 2);
    return out;
}

// Programs without faults: image bytes, counters and marked lines.
TEST(Compile, ProgramsToImages) {
    struct Row {
        std::vector<std::string> lines;
        const char* image; // hex
        int commands;
        int size;
        std::vector<int> marked;
    };
    const Row rows[] = {
        {{"allond", "pause_64", "alloffd", "pause_64", "goto_0000"},
         "06 1B 64 08 1B 64 03 00 00",
         5,
         9,
         {0, 1, 2, 3, 4}},
        {{"goto_00F5"}, "03 00 F5", 1, 3, {0}},
        {{"  goto_00F5"}, "03 00 F5", 1, 3, {0}},
        {{"nop_12"}, "00", 1, 1, {0}},
        {{"stopper", "STOP", "Stop", "stop"}, "02 02", 2, 2, {0, 3}},
        {{"pause_64", "pause@64", "pause 64"}, "1B 64 1B 64 1B 64", 3, 6, {0, 1, 2}},
        {{"pause_FF", "pause_ff", "pause_1A", "pause_Ab"},
         "1B FF 1B FF 1B 1A 1B AB",
         4,
         8,
         {0, 1, 2, 3}},
        {{"onpind_07", "onpind_0F"}, "12 07 12 0F", 2, 4, {0, 1}},
        {{"sound_10_30"}, "2A 10 30", 1, 3, {0}},
        {{"sound_10x30"}, "2A 10 30", 1, 3, {0}},
        {{"pause_64 // wait", "pause_640"}, "1B 64 1B 64", 2, 4, {0, 1}},
        {{"// stop", "", "Stop", "   ", "x pause_01"}, "", 0, 0, {}},
        {{"pause_0a", "pause_0D"}, "1B 0A 1B 0D", 2, 4, {0, 1}},
        {{}, "", 0, 0, {}},
        // Every line form, its operands read at their own positions.
        {{"configd_12", "configb_34", "portdwrite_56", "portbwrite_78"},
         "04 12 05 34 0A 56 0B 78",
         4,
         8,
         {0, 1, 2, 3}},
        {{"onpinb_01", "offpind_02", "offpinb_03", "10xpause_9a", "lcdout_41"},
         "13 01 14 02 15 03 1A 9A 22 41",
         5,
         10,
         {0, 1, 2, 3, 4}},
        {{"goto_1234", "sound_ab_CD", "goto@FFFF"}, "03 12 34 2A AB CD 03 FF FF", 3, 9, {0, 1, 2}},
        {{"reset", "allonb", "alloffb", "incd", "incb", "decd", "decb", "invertd", "invertb"},
         "01 07 09 0C 0D 0E 0F 10 11",
         9,
         9,
         {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {{"initlcdd", "initlcdb", "lcdclear", "lcdleft", "lcdright", "lcdl1", "lcdl2", "lcdl3",
          "lcdl4", "outsound"},
         "20 21 23 24 25 26 27 28 29 2B",
         10,
         10,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.empty() ? std::string("<no lines>") : row.lines.front());
        Compiled c = CompileLines(row.lines);
        EXPECT_TRUE(c.result.Succeeded());
        EXPECT_TRUE(c.result.ImageWritten);
        EXPECT_EQ(Hex(c.image), row.image);
        EXPECT_EQ(c.counters.CommandCount, row.commands);
        EXPECT_EQ(c.counters.ProgramSize, row.size);
        EXPECT_EQ(c.marked, row.marked);
        EXPECT_EQ(static_cast<int>(c.image.size()), c.counters.ProgramSize);
        // The listing gives each command its offset and bytes, and lists the marked lines.
        std::string listed;
        std::vector<int> listedLines;
        for (const auto& e : c.listing) {
            EXPECT_EQ(e.Offset, static_cast<int>(listed.size()));
            listed.append(e.Bytes.begin(), e.Bytes.begin() + e.ByteCount);
            listedLines.push_back(e.Line);
        }
        EXPECT_EQ(listed, c.image);
        EXPECT_EQ(listedLines, row.marked);
    }
}

TEST(Compile, TidyRemovesLeadingSpacesOnly) {
    Compiled c = CompileLines(
        {"  goto_00F5", "   ", "", " a b ", "\xA0stop", "  // stop", "\x01 stop", "stop  "});
    EXPECT_EQ(c.lines, (std::vector<std::string>{"goto_00F5", "", "", "a b ", "\xA0stop", "// stop",
                                                 "\x01 stop", "stop  "}));
    EXPECT_EQ(c.marked, (std::vector<int>{0, 7}));
}

TEST(Compile, SecondCompileMarksOnlyWhatItRecognises) {
    TempDir dir;
    Editor editor({"stop", "nop", "reset"});
    TMemoCompileTarget target(editor.memo);
    TCompileCounters counters;
    Compile(target, dir / "p.bin", counters);
    EXPECT_EQ(editor.Marked(), (std::vector<int>{0, 1, 2}));
    editor.memo.Lines().Put(1, "// nop");
    editor.memo.Lines().Insert(0, "  incd");
    Compile(target, dir / "p.bin", counters);
    EXPECT_EQ(editor.Lines(), (std::vector<std::string>{"incd", "stop", "// nop", "reset"}));
    EXPECT_EQ(editor.Marked(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(ReadFile(dir / "p.bin"), Bytes({0x0C, 0x02, 0x01}));
    // The same text again gives the same image, counters and marks.
    Compile(target, dir / "p.bin", counters);
    EXPECT_EQ(ReadFile(dir / "p.bin"), Bytes({0x0C, 0x02, 0x01}));
    EXPECT_EQ(editor.Marked(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(counters.CommandCount, 3);
    EXPECT_EQ(counters.ProgramSize, 3);
}

// A window of 20 rows by 30 columns.
struct ScrollHost : FakeHost {
    ScrollHost() { Client = TRect{0, 0, 30 * 8 + 5, 20 * 16 + 5}; }
};

// The compile holds back the editor's change notifications while it adds the tidied lines
// back; the editor must end as it would after a notification for every line.
TEST(Compile, EditorEndsAsIfNotifiedAfterEveryLine) {
    std::vector<std::string> program;
    for (int i = 0; i < 200; ++i)
        program.push_back(i % 7 == 0 ? "    pause_01 // " +
                                           std::string(static_cast<std::size_t>(i % 50), 'x')
                                     : "  stop");
    auto prepare = [&](TCodeMemo& memo) {
        memo.Lines().Clear();
        for (const auto& line : program)
            memo.Lines().Add(line);
        memo.SetCurY(120);
        memo.SetCurX(3);
        memo.SetTopLine(100);
        memo.SetLeftCol(5);
    };
    TempDir dir;
    ScrollHost compiledHost, manualHost;
    TCodeMemo compiled(compiledHost), manual(manualHost);
    prepare(compiled);
    prepare(manual);

    TMemoCompileTarget target(compiled);
    TCompileCounters counters;
    Compile(target, dir / "p.bin", counters);

    std::vector<std::string> copy = manual.Lines().ToVector();
    manual.Lines().Clear();
    for (const auto& line : copy)
        manual.Lines().Add(line.substr(std::min(line.find_first_not_of(' '), line.size())));
    for (int i = 0; i < manual.Lines().Count(); ++i)
        manual.SetBreakpoint(i, true);

    EXPECT_EQ(compiled.Lines().ToVector(), manual.Lines().ToVector());
    EXPECT_EQ(compiled.TopLine(), manual.TopLine());
    EXPECT_EQ(compiled.LeftCol(), manual.LeftCol());
    EXPECT_EQ(compiled.MaxLineLength(), manual.MaxLineLength());
    EXPECT_EQ(compiled.CurX(), manual.CurX());
    EXPECT_EQ(compiled.CurY(), manual.CurY());
    EXPECT_EQ(compiledHost.Bars[0], manualHost.Bars[0]);
    EXPECT_EQ(compiledHost.Bars[1], manualHost.Bars[1]);
    EXPECT_EQ(compiled.MaxLineLength(), 61);
    EXPECT_TRUE(compiled.NotifyChanges());
    EXPECT_EQ(compiled.Lines().LockCount(), 0);
}

TEST(Compile, EditorWithoutLinesGivesAnEmptyImage) {
    TempDir dir;
    WriteBytes(dir / "p.bin", "old");
    Editor editor;
    editor.memo.ClearAll();
    TMemoCompileTarget target(editor.memo);
    TCompileCounters counters{7, 9};
    TCompileResult result = Compile(target, dir / "p.bin", counters);
    EXPECT_TRUE(result.ImageWritten);
    EXPECT_EQ(ReadFile(dir / "p.bin"), "");
    EXPECT_EQ(counters.CommandCount, 0);
    EXPECT_EQ(counters.ProgramSize, 0);
    EXPECT_EQ(CompletionMessage(counters.CommandCount),
              "Компиляция завершена!  Количество команд 0");
}

// Operands that are not two hexadecimal digits: no image, the faulty lines reported, and
// everything else as in a good compile.
TEST(Compile, FaultyOperandsWriteNoImage) {
    struct Row {
        std::vector<std::string> lines;
        int commands;
        int size;
        std::vector<int> faultLines;
        std::vector<int> columns;
        std::vector<int> indents;
    };
    const Row rows[] = {
        {{"goto_F5"}, 1, 3, {0}, {8}, {0}},
        {{"pause_6"}, 1, 2, {0}, {7}, {0}},
        {{"pause_g0", "stop"}, 2, 3, {0}, {7}, {0}},
        {{"stop", "pause"}, 2, 3, {1}, {7}, {0}},
        {{"pause_"}, 1, 2, {0}, {7}, {0}},
        {{"sound_10_3", "sound_1_30"}, 2, 6, {0, 1}, {10, 7}, {0, 0}},
        {{"sound_zz_zz"}, 1, 3, {0}, {7}, {0}},
        {{"configd_ 1", "  lcdout_4"}, 2, 4, {0, 1}, {9, 8}, {0, 2}},
        {{"onpind_0x", "goto_00 1", "10xpause_-1"}, 3, 7, {0, 1, 2}, {8, 8, 10}, {0, 0, 0}},
        {{"goto_0x10", "    pause_6"}, 2, 5, {0, 1}, {6, 7}, {0, 4}},
    };
    bool previous = false;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.front());
        TempDir dir;
        // Every other case has an earlier image to keep, the others must not leave one.
        previous = !previous;
        if (previous)
            WriteBytes(dir / "p.bin", "previous image");
        Editor editor(row.lines);
        TMemoCompileTarget target(editor.memo);
        TCompileCounters counters;
        TCompileResult result = Compile(target, dir / "p.bin", counters);
        EXPECT_FALSE(result.Succeeded());
        EXPECT_FALSE(result.ImageWritten);
        EXPECT_EQ(ReadFile(dir / "p.bin"), previous ? "previous image" : "<missing>");
        EXPECT_EQ(FilesIn(dir.Path()).size(), previous ? 1u : 0u);
        EXPECT_EQ(counters.CommandCount, row.commands);
        EXPECT_EQ(counters.ProgramSize, row.size);
        EXPECT_EQ(static_cast<int>(editor.Marked().size()), row.commands);
        std::vector<int> lines, columns, indents;
        for (const auto& f : result.Faults) {
            lines.push_back(f.Line);
            columns.push_back(f.Column);
            indents.push_back(f.Indent);
            EXPECT_EQ(f.Text, editor.memo.Lines().Get(f.Line));
            EXPECT_EQ(f.Command, RecognizeCommand(f.Text));
        }
        EXPECT_EQ(lines, row.faultLines);
        EXPECT_EQ(columns, row.columns);
        EXPECT_EQ(indents, row.indents);
    }
}

// Every goto address must be the first byte of a command; any other is a warning, and the
// image is written all the same.
TEST(Compile, GotoTargetsAreChecked) {
    const std::string past = "переход за конец программы";
    const std::string inside = "переход внутрь команды в строке ";
    struct Row {
        std::vector<std::string> lines;
        std::vector<std::string> warnings; // "LINE:COLUMN:INDENT message", LINE from 1
        bool faulty = false;
    };
    const Row rows[] = {
        {{"allond", "pause_64", "alloffd", "pause_64", "goto_0000"}, {}},
        {{"goto_0000"}, {}},
        {{"goto_0003", "stop"}, {}},
        {{"stop", "goto_0001"}, {}},
        {{"stop", "goto_0002"}, {"2:6:0 " + inside + "2"}},
        {{"stop", "goto_0004"}, {"2:6:0 " + past}},
        {{"stop", "goto_0003"}, {"2:6:0 " + inside + "2"}},
        {{"goto_FFFF"}, {"1:6:0 " + past}},
        {{"pause_64", "goto_0001 // back"}, {"2:6:0 " + inside + "1"}},
        {{"// start", "stop", "", "Stop", "goto_0002"}, {"5:6:0 " + inside + "5"}},
        {{"goto_0005", "goto_0001", "  sound_01_02", "  goto_0012", "goto_0006", "goto_000b"},
         {"1:6:0 " + inside + "2", "2:6:0 " + inside + "1", "4:6:2 " + past,
          "6:6:0 " + inside + "4"}},
        // A goto without its address is a fault and not checked; the others are checked over
        // the offsets the compile counts.
        {{"goto_F5", "goto_0001", "goto_0x10", "goto_0006"}, {"2:6:0 " + inside + "1"}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.back());
        Compiled c = CompileLines(row.lines);
        EXPECT_EQ(c.result.Succeeded(), !row.faulty);
        EXPECT_EQ(c.result.ImageWritten, !row.faulty);
        std::vector<std::string> warnings;
        for (const auto& w : c.result.Warnings) {
            warnings.push_back(std::to_string(w.Line + 1) + ":" + std::to_string(w.Column) + ":" +
                               std::to_string(w.Indent) + " " + w.Message);
            EXPECT_EQ(w.Text, c.lines[static_cast<std::size_t>(w.Line)]);
        }
        EXPECT_EQ(warnings, row.warnings);
    }
}

TEST(Compile, Messages) {
    EXPECT_EQ(CompletionMessage(5), "Компиляция завершена!  Количество команд 5");
    EXPECT_EQ(CompletionMessage(12345), "Компиляция завершена!  Количество команд 12345");

    std::vector<TCompileFault> faults = {
        {2, "pause_6 // " + Utf8ToCp1251("пауза"), 7, 0, nullptr},
        {9, "goto_F5", 8, 2, nullptr},
    };
    EXPECT_EQ(CompileFaultMessage(faults), "Компиляция не выполнена: неверные данные команды.\n"
                                           "Строка 3: pause_6 // пауза\n"
                                           "Строка 10: goto_F5");

    std::vector<TCompileFault> many;
    for (int i = 0; i < 25; ++i)
        many.push_back({i, "pause_" + std::to_string(i % 10), 7, 0, nullptr});
    std::string message = CompileFaultMessage(many);
    std::string expected = "Компиляция не выполнена: неверные данные команды.";
    for (int i = 0; i < 20; ++i)
        expected += "\nСтрока " + std::to_string(i + 1) + ": pause_" + std::to_string(i % 10);
    expected += "\n…";
    EXPECT_EQ(message, expected);
    many.resize(20);
    EXPECT_EQ(CompileFaultMessage(many), expected.substr(0, expected.size() - 4));

    EXPECT_EQ(CompletionMessage(5, {}), "Компиляция завершена!  Количество команд 5");
    std::vector<TCompileWarning> warnings = {
        {0, "goto_0001 // " + Utf8ToCp1251("туда"), 6, 0, "переход внутрь команды в строке 1"},
        {4, "goto_00F0", 6, 2, "переход за конец программы"},
    };
    EXPECT_EQ(CompletionMessage(3, warnings),
              "Компиляция завершена!  Количество команд 3\n"
              "Предупреждения:\n"
              "Строка 1: goto_0001 // туда — переход внутрь команды в строке 1\n"
              "Строка 5: goto_00F0 — переход за конец программы");
    warnings.assign(21, warnings[1]);
    std::string withMore = CompletionMessage(3, warnings);
    EXPECT_EQ(std::count(withMore.begin(), withMore.end(), '\n'), 22);
    EXPECT_TRUE(withMore.ends_with("переход за конец программы\n…"));
}

TEST(Compile, JumpRewriteMessages) {
    const std::string done = "Компиляция завершена!  Количество команд 4";
    const TJumpRewrite loop{4, "goto_0018", "goto_0019", "loop"};
    const TJumpRewrite cyrillic{0, "goto_0000", "goto_01A0", Utf8ToCp1251("цикл")};
    const std::vector<TCompileWarning> warned = {
        {2, "goto_00F0", 6, 0, "переход за конец программы"}};
    std::vector<TJumpRewrite> many(21, loop);
    std::string manyLines;
    for (int i = 0; i < 20; ++i)
        manyLines += "\nСтрока 5: goto_0018 → goto_0019 (loop)";
    struct {
        std::vector<TCompileWarning> warnings;
        std::vector<TJumpRewrite> rewrites;
        std::string box, update;
    } rows[] = {
        {{}, {}, done, "Адреса переходов верны."},
        {{},
         {loop, cyrillic},
         done + "\nОбновлены адреса переходов:\nСтрока 5: goto_0018 → goto_0019 (loop)"
                "\nСтрока 1: goto_0000 → goto_01A0 (цикл)",
         "Обновлено адресов переходов: 2\nСтрока 5: goto_0018 → goto_0019 (loop)"
         "\nСтрока 1: goto_0000 → goto_01A0 (цикл)"},
        {warned,
         {loop},
         done + "\nПредупреждения:\nСтрока 3: goto_00F0 — переход за конец программы"
                "\nОбновлены адреса переходов:\nСтрока 5: goto_0018 → goto_0019 (loop)",
         "Обновлено адресов переходов: 1\nСтрока 5: goto_0018 → goto_0019 (loop)"},
        {{},
         many,
         done + "\nОбновлены адреса переходов:" + manyLines + "\n…",
         "Обновлено адресов переходов: 21" + manyLines + "\n…"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CompletionMessage(4, row.warnings, row.rewrites), row.box);
        EXPECT_EQ(JumpUpdateMessage(row.rewrites), row.update);
    }
}

} // namespace
