// tovixc end to end: the binary run on real files, its exit status, its output and the image.
#include "compiler/CompilerTestSupport.h"

#include "base/Cp1251.h"
#include "support/RunTool.h"

namespace {

using RunResult = TToolRun;

// Runs tovixc in folder with the given arguments.
RunResult Tovixc(const TempDir& dir, const std::vector<std::string>& args) {
    return RunTool(TOVIXC_PATH, dir.Path(), args);
}

std::string Program(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

const std::string kWorked = Program({"allond", "pause_64", "alloffd", "pause_64", "goto_0000"});

TEST(Tovixc, CompilesTheWorkedExample) {
    TempDir dir;
    WriteBytes(dir / "prog.tovix", kWorked);
    RunResult run = Tovixc(dir, {"prog.tovix"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Компиляция завершена!  Количество команд 5\n"
                       "Размер программы составляет 9 байт\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(dir / "prog.bin"), Bytes({0x06, 0x1B, 0x64, 0x08, 0x1B, 0x64, 0x03, 0, 0}));
    // The program file is read, not tidied or rewritten.
    EXPECT_EQ(ReadFile(dir / "prog.tovix"), kWorked);
}

TEST(Tovixc, NamesTheImage) {
    struct Row {
        const char* program;
        std::vector<std::string> extra;
        const char* image;
        std::string content = "\x02";
    };
    const std::string hex = ":0100000002FD\n:00000001FF\n";
    const Row rows[] = {
        {"blink.tovix", {}, "blink.bin"},
        {"blink.tovix", {"-f", "ihex"}, "blink.hex", hex},
        {"blink.tovix", {"--format=ihex"}, "blink.hex", hex},
        {"blink.tovix", {"--format", "ihex"}, "blink.hex", hex},
        {"blink.tovix", {"--format=bin"}, "blink.bin"},
        {"BLINK.TOVIX", {"-f", "ihex"}, "BLINK.hex", hex},
        {"prog", {"-f", "ihex"}, "prog.hex", hex},
        {"prog.bin", {"-f", "ihex"}, "prog.bin.hex", hex},
        {"prog.hex", {"-f", "ihex"}, "prog.hex.hex", hex},
        {"p.tovix", {"-f", "ihex", "-o", "sub/x.ihx"}, "sub/x.ihx", hex},
        {"p.tovix", {"-f", "bin", "-o", "sub/x.hex"}, "sub/x.hex"},
        {"BLINK.TOVIX", {}, "BLINK.bin"},
        {"prog.txt", {}, "prog.bin"},
        {"prog", {}, "prog.bin"},
        {"prog.bin", {}, "prog.bin.bin"},
        {"p.tovix", {"-o", "out.img"}, "out.img"},
        {"p.tovix", {"-o", "sub/x.bin"}, "sub/x.bin"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        TempDir dir;
        ASSERT_EQ(::mkdir((dir / "sub").c_str(), 0755), 0);
        WriteBytes(dir / row.program, Program({"stop"}));
        std::vector<std::string> args = row.extra;
        args.push_back(row.program);
        RunResult run = Tovixc(dir, args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(dir / row.image), row.content);
        EXPECT_EQ(ReadFile(dir / row.program), Program({"stop"}));
        EXPECT_EQ(FilesIn(dir.Path()).size(), row.image[3] == '/' ? 2u : 3u);
    }
}

TEST(Tovixc, ListingShowsOffsetsBytesLinesAndText) {
    TempDir dir;
    WriteBytes(dir / "p.tovix", Program({"// " + Utf8ToCp1251("мигание"), "configd_ff", "  allond",
                                         "\t10xpause_64 // 1 s", "goto_0002", "sound_0A_0d"}));
    RunResult run = Tovixc(dir, {"--listing", "p.tovix"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Адрес Байты    Строка  Текст\n"
                       "0000  04 FF         2  configd_ff\n"
                       "0002  06            3  allond\n"
                       "0003  1A 64         4  10xpause_64 // 1 s\n"
                       "0005  03 00 02      5  goto_0002\n"
                       "0008  2A 0A 0D      6  sound_0A_0d\n"
                       "Компиляция завершена!  Количество команд 5\n"
                       "Размер программы составляет 11 байт\n");
}

TEST(Tovixc, FaultyOperandsAreErrorsWithLineAndColumn) {
    TempDir dir;
    WriteBytes(dir / "bad.tovix",
               Program({"stop", "pause_6", "  goto_F5", "\tlcdout_x1 // " + Utf8ToCp1251("буква"),
                        "sound_10_30", "pause"}));
    RunResult run = Tovixc(dir, {"bad.tovix"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    const char* tail = ": нужны две шестнадцатеричные цифры, ";
    EXPECT_EQ(run.err,
              std::string("bad.tovix:2:7: ошибка: неверные данные команды pause") + tail +
                  "найдено «6»\n" + "bad.tovix:3:10: ошибка: неверные данные команды goto" + tail +
                  "строка кончается\n" + "bad.tovix:4:9: ошибка: неверные данные команды lcdout" +
                  tail + "найдено «x1»\n" + "bad.tovix:6:7: ошибка: неверные данные команды pause" +
                  tail + "строка кончается\n" +
                  "Компиляция не выполнена: неверные данные команды.\n");
}

// A goto into a command or past the end is a warning: the image is written, the exit status is
// 0, the column is that of the address in the file and the listing marks the line.
TEST(Tovixc, GotoTargetWarnings) {
    const std::string past = "переход за конец программы";
    const std::string program =
        Program({"stop", "pause_64", "\tgoto_0002 // " + Utf8ToCp1251("внутрь"), "  goto_000C",
                 "goto_0001"});
    const std::string image = Bytes({0x02, 0x1B, 0x64, 0x03, 0, 2, 0x03, 0, 0x0C, 0x03, 0, 1});
    const std::string warnings = "w.tovix:3:7: предупреждение: переход внутрь команды в строке 2\n"
                                 "w.tovix:4:8: предупреждение: " +
                                 past + "\n";
    const std::string done = "Компиляция завершена!  Количество команд 5\n"
                             "Размер программы составляет 12 байт\n";
    struct Row {
        std::vector<std::string> args;
        std::string out;
        const char* file;
        std::string content;
    };
    const Row rows[] = {
        {{"w.tovix"}, done, "w.bin", image},
        {{"-f", "ihex", "w.tovix"},
         done,
         "w.hex",
         ":0C000000021B6403000203000C0300015B\n:00000001FF\n"},
        {{"--listing", "w.tovix"},
         "Адрес Байты    Строка  Текст\n"
         "0000  02            1  stop\n"
         "0001  1B 64         2  pause_64\n"
         "0003  03 00 02      3  goto_0002 // внутрь  ; предупреждение: переход внутрь "
         "команды в строке 2\n"
         "0006  03 00 0C      4  goto_000C  ; предупреждение: " +
             past + "\n" + "0009  03 00 01      5  goto_0001\n" + done,
         "w.bin",
         image},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.front());
        TempDir dir;
        WriteBytes(dir / "w.tovix", program);
        RunResult run = Tovixc(dir, row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, warnings);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(ReadFile(dir / row.file), row.content);
    }
    // With faulty operands the compile fails before the target is looked at, unwritable as it
    // is here; the warnings are reported too.
    TempDir dir;
    WriteBytes(dir / "w.tovix", Program({"pause_6", "goto_0001"}));
    RunResult run = Tovixc(dir, {"-f", "ihex", "-o", "no/w.hex", "w.tovix"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "w.tovix:1:7: ошибка: неверные данные команды pause: нужны две "
                       "шестнадцатеричные цифры, найдено «6»\n"
                       "w.tovix:2:6: предупреждение: переход внутрь команды в строке 1\n"
                       "Компиляция не выполнена: неверные данные команды.\n");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"w.tovix"});
}

// Labels and lines the compile passes over warn as gotos do: the image is written, the status
// is 0, the column is the file's.
TEST(Tovixc, PassedOverWarnings) {
    struct Row {
        std::vector<std::string> lines;
        std::string err;
        int commands;
        int size;
    };
    const Row rows[] = {
        {{"\tPAUSE_64", "alond", "alloffd pause_10", "stopper", "loop:", "goto_0003 loop",
          "goto_0000 nowhere", "end:"},
         "p.tovix:1:2: предупреждение: команды пишутся строчными буквами: pause\n"
         "p.tovix:2:1: предупреждение: нет команды alond — возможно, allond\n"
         "p.tovix:3:9: предупреждение: вторая команда в строке не компилируется: pause_10\n"
         "p.tovix:4:1: предупреждение: строка читается как stop\n"
         "p.tovix:6:6: предупреждение: переход внутрь команды в строке 6\n"
         "p.tovix:6:6: предупреждение: адрес устарел: метка loop на адресе 0002\n"
         "p.tovix:7:11: предупреждение: нет метки nowhere\n"
         "p.tovix:8:1: предупреждение: после метки end нет команды\n",
         4,
         8},
        {{"delay_64"},
         "p.tovix:1:1: предупреждение: нет команды delay — возможно, pause, 10xpause\n",
         0,
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.front());
        TempDir dir;
        WriteBytes(dir / "p.tovix", Program(row.lines));
        RunResult run = Tovixc(dir, {"p.tovix"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.out,
                  "Компиляция завершена!  Количество команд " + std::to_string(row.commands) +
                      "\n" + "Размер программы составляет " + std::to_string(row.size) + " байт\n");
        EXPECT_EQ(ReadFile(dir / "p.bin").size(), static_cast<std::size_t>(row.size));
    }
}

// A command inserted above a label: --update-jumps makes the goto follow it, in the file too;
// without it, the stale address is compiled and warned about. A file with nothing to change is
// not written (its LF line ends stay).
TEST(Tovixc, UpdateJumps) {
    const std::vector<std::string> inserted = {
        "configd_FF", "alloffd", "loop:", "\tallond", "pause_64", "goto_0002 loop // back"};
    std::vector<std::string> followed = inserted;
    followed.back() = "goto_0003 loop // back";
    const std::string done = "Компиляция завершена!  Количество команд 5\n"
                             "Размер программы составляет 9 байт\n";
    const std::string lf = "loop:\nstop\ngoto_0000 loop\n";
    struct Row {
        std::string before;
        std::vector<std::string> args;
        std::string after;
        std::string out;
        std::string err;
        int target; // the image's goto address
    };
    const Row rows[] = {
        {Program(inserted),
         {"--update-jumps", "p.tovix"},
         Program(followed),
         "Обновлено адресов переходов: 1\n" + done,
         "",
         3},
        {Program(inserted),
         {"p.tovix"},
         Program(inserted),
         done,
         "p.tovix:6:6: предупреждение: адрес устарел: метка loop на адресе 0003\n",
         2},
        {lf,
         {"p.tovix", "--update-jumps"},
         lf,
         "Обновлено адресов переходов: 0\nКомпиляция завершена!  Количество команд 2\n"
         "Размер программы составляет 4 байт\n",
         "",
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.front());
        TempDir dir;
        WriteBytes(dir / "p.tovix", row.before);
        RunResult run = Tovixc(dir, row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(ReadFile(dir / "p.tovix"), row.after);
        std::string image = ReadFile(dir / "p.bin");
        EXPECT_EQ(image.substr(image.size() - 3), Bytes({0x03, 0, row.target}));
        EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"p.bin", "p.tovix"}));
    }
}

TEST(Tovixc, UsageErrors) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, "не указана программа"},
        {{"p.tovix", "-o"}, "после -o нужно имя образа"},
        {{"-o", "a.bin", "-o", "b.bin", "p.tovix"}, "параметр -o указан дважды"},
        {{"-o", "", "p.tovix"}, "пустое имя образа"},
        {{"p.tovix", "-f"}, "после -f нужен формат образа"},
        {{"-f", "elf", "p.tovix"}, "неизвестный формат образа «elf»"},
        {{"-f", "IHEX", "p.tovix"}, "неизвестный формат образа «IHEX»"},
        {{"--format=", "p.tovix"}, "неизвестный формат образа «»"},
        {{"--format", "p.tovix"}, "неизвестный формат образа «p.tovix»"},
        {{"-f", "bin", "--format=ihex", "p.tovix"}, "формат образа указан дважды"},
    };
    const std::string usage =
        "использование: tovixc ПРОГРАММА [-o ОБРАЗ] [-f bin|ihex] [--listing] [--update-jumps]\n"
        "  -f, --format=ФОРМАТ  bin: байты образа (по умолчанию), ihex: Intel HEX\n"
        "  --update-jumps       сначала исправить в файле адреса переходов по меткам\n";
    for (const auto& [args, problem] : rows) {
        SCOPED_TRACE(problem);
        TempDir dir;
        WriteBytes(dir / "p.tovix", Program({"stop"}));
        RunResult run = Tovixc(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "tovixc: ошибка: " + problem + "\n" + usage);
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.tovix"});
    }
    TempDir dir;
    RunResult help = Tovixc(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, usage);
    // "--" ends the options, so a program may be named like one.
    WriteBytes(dir / "-p.tovix", Program({"nop"}));
    EXPECT_EQ(Tovixc(dir, {"--", "-p.tovix"}).status, 0);
    EXPECT_EQ(ReadFile(dir / "-p.bin"), std::string(1, '\0'));
}

TEST(Tovixc, InputOutputErrors) {
    TempDir dir;
    WriteBytes(dir / "p.tovix", kWorked);
    WriteBytes(dir / "p.bin", "previous image");
    struct Row {
        std::vector<std::string> args;
        std::string err;
        std::string stdoutTo = {};
    };
    const Row rows[] = {
        {{"missing.tovix"},
         "missing.tovix: ошибка: не удалось прочитать программу: Cannot open "
         "file \"missing.tovix\". No such file or directory\n"},
        {{"-o", "null.bin", "/dev/null"},
         "/dev/null: ошибка: не удалось прочитать программу: Cannot open file \"/dev/null\". Is "
         "a device\n"},
        {{"-o", "no/p.bin", "p.tovix"},
         "no/p.bin: ошибка: не удалось записать образ: Folder \"no\" does not exist\n"},
        {{"-o", ".", "p.tovix"}, ".: ошибка: не удалось записать образ: File access denied\n"},
        {{"-f", "ihex", "-o", "no/p.hex", "p.tovix"},
         "no/p.hex: ошибка: не удалось записать образ: Folder \"no\" does not exist\n"},
        {{"-f", "ihex", "-o", ".", "p.tovix"},
         ".: ошибка: не удалось записать образ: File access denied\n"},
        {{"-o", "p.tovix", "p.tovix"}, "p.tovix: ошибка: образ не может заменить файл программы\n"},
        {{"-o", "./p.tovix", "p.tovix"},
         "./p.tovix: ошибка: образ не может заменить файл программы\n"},
        {{"--listing", "-o", "/dev/null", "p.tovix"},
         "tovixc: ошибка: не удалось записать стандартный вывод: Disk full\n",
         "/dev/full"},
    };
    for (const auto& row : rows) {
        RunResult run = RunTool(TOVIXC_PATH, dir.Path(), row.args, row.stdoutTo);
        EXPECT_EQ(run.status, 2) << row.err;
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(dir / "p.tovix"), kWorked);
    EXPECT_EQ(ReadFile(dir / "p.bin"), "previous image");
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"p.bin", "p.tovix"}));
    struct stat null;
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode)) << "a device is written, not replaced";
}

// The example programs: CR LF after every line, and compiled with no warning but the two that
// jumps-wrong is written for, so that every other goto lands on the first byte of a command.
TEST(Tovixc, ExamplesCompileCleanly) {
    const std::vector<std::string> names = {"blink.tovix", "running-light.tovix", "lcd-text.tovix",
                                            "tune.tovix", "jumps-wrong.tovix"};
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        std::string text = ReadFile(std::string(EXAMPLES_DIR) + "/" + name);
        ASSERT_NE(text, "<missing>");
        ASSERT_TRUE(text.ends_with("\r\n"));
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
            }
        }
        TempDir dir;
        WriteBytes(dir / name, text);
        RunResult run = Tovixc(dir, {name});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, name == "jumps-wrong.tovix"
                               ? "jumps-wrong.tovix:10:6: предупреждение: переход внутрь команды "
                                 "в строке 7\n"
                                 "jumps-wrong.tovix:11:6: предупреждение: переход за конец "
                                 "программы\n"
                               : "");
        std::string image = ReadFile(dir / (name.substr(0, name.size() - 6) + ".bin"));
        EXPECT_FALSE(image.empty());
    }
}

} // namespace
