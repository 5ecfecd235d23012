// tovixsim end to end: the golden runs of every example program (its JSON, its VCD and its
// timeline picture, byte for byte) and the command line's exit codes and messages.
// TOVIX_GOLDEN_WRITE=1 rewrites the golden files from the current tovixsim instead of comparing.
#include "support/RunTool.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using TRun = TToolRun;

TRun Tovixsim(const TempDir& dir, const std::vector<std::string>& args) {
    return RunTool(TOVIXSIM_PATH, dir.Path(), args);
}

TEST(Tovixsim, GoldenRunsOfTheExamples) {
    const bool write = std::getenv("TOVIX_GOLDEN_WRITE") != nullptr;
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES_DIR)) {
        if (entry.path().extension() != ".tovix")
            continue;
        ++examples;
        std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        TempDir dir;
        TRun run = Tovixsim(
            dir, {entry.path().string(), "--json", "--vcd", "run.vcd", "--svg", "run.svg"});
        EXPECT_LE(run.status, 1) << run.err;
        std::string vcd = ReadBytes(dir.File("run.vcd"));
        std::string svg = ReadBytes(dir.File("run.svg"));
        std::string golden = std::string(GOLDEN_DIR) + "/" + name;
        if (write) {
            WriteBytes(golden + ".json", run.out);
            WriteBytes(golden + ".vcd", vcd);
            WriteBytes(golden + ".svg", svg);
            continue;
        }
        EXPECT_EQ(run.out, ReadBytes(golden + ".json"));
        EXPECT_EQ(vcd, ReadBytes(golden + ".vcd"));
        EXPECT_EQ(svg, ReadBytes(golden + ".svg"));
    }
    EXPECT_GE(examples, 6);
}

const std::string kNotOverProgram = "ошибка: файл VCD не может заменить файл программы\n";
const std::string kStdoutFull =
    "tovixsim: ошибка: не удалось записать стандартный вывод: Disk full\n";

TEST(Tovixsim, CommandLine) {
    struct TRow {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string out; // a part of standard output that must be there
        std::string err; // a part of standard error that must be there
        std::string stdoutTo = {};
    };
    const TRow rows[] = {
        {"help", {"--help"}, 0, "--vcd ФАЙЛ", ""},
        {"no program", {}, 2, "", "tovixsim: ошибка: не указана программа\nиспользование:"},
        {"bad --ms", {"p.tovix", "--ms", "1e3"}, 2, "", "неверное число миллисекунд «1e3»"},
        {"--ms without a value", {"p.tovix", "--ms"}, 2, "", "после --ms нужно"},
        {"Intel HEX", {"p.hex"}, 2, "", "Intel HEX"},
        {"missing file", {"none.tovix"}, 2, "", "none.tovix: ошибка: не удалось прочитать"},
        {"missing image", {"none.bin"}, 2, "", "none.bin: ошибка: не удалось прочитать образ"},
        {"VCD in a missing folder",
         {"p.tovix", "--vcd", "no/such/dir.vcd"},
         2,
         "",
         "no/such/dir.vcd: ошибка: не удалось записать VCD: Folder \"no/such\" does not exist"},
        {"VCD over the program", {"p.tovix", "--vcd", "p.tovix"}, 2, "", kNotOverProgram},
        {"VCD over a link to it", {"p.tovix", "--vcd", "./link.tovix"}, 2, "", kNotOverProgram},
        {"VCD over a hard link", {"./p.tovix", "--vcd", "hard.tovix"}, 2, "", kNotOverProgram},
        {"VCD over the image", {"p.bin", "--vcd", "p.bin"}, 2, "", kNotOverProgram},
        {"SVG over the program",
         {"p.tovix", "--svg", "p.tovix"},
         2,
         "",
         "ошибка: файл SVG не может заменить файл программы\n"},
        {"SVG in a missing folder",
         {"p.tovix", "--svg", "no/such.svg"},
         2,
         "",
         "no/such.svg: ошибка: не удалось записать SVG: Folder \"no\" does not exist"},
        {"VCD to a device", {"p.tovix", "--ms=1", "--vcd=/dev/null"}, 0, "Состояние", ""},
        {"image over 64 KB", {"big.bin"}, 2, "", "big.bin: ошибка: образ больше 64 КБ\n"},
        {"trace to a full disk", {"p.tovix", "--trace"}, 2, "", kStdoutFull, "/dev/full"},
        {"JSON to a full disk", {"p.tovix", "--json"}, 2, "", kStdoutFull, "/dev/full"},
        {"compile faults as tovixc prints them",
         {"bad.TOVIX"},
         1,
         "",
         "bad.TOVIX:2:8: ошибка: неверные данные команды pause: нужны две шестнадцатеричные "
         "цифры, найдено «6»\nКомпиляция не выполнена: неверные данные команды.\n"},
        {"an image runs as it is",
         {"p.bin", "--json", "--ms=1"},
         0,
         "\"status\": \"running\",\n  \"time_us\": 1200,\n  \"steps\": 6,\n  \"pc\": 0,\n  "
         "\"line\": null,\n  \"portd\": 3,",
         ""},
        {"a run error",
         {"err.img"},
         1,
         "Состояние: ошибка",
         "err.img: ошибка: байт FF не является командой (смещение 0001)"},
        {"until a line: paused before its command",
         {"p.tovix", "--until-line", "3", "--json"},
         0,
         "\"status\": \"paused\",\n  \"time_us\": 300,\n  \"steps\": 2,\n  \"pc\": 3,\n  "
         "\"line\": 3,",
         ""},
        {"until a line, the summary",
         {"p.tovix", "--until-line=2"},
         0,
         "Состояние: пауза перед строкой 2\n",
         ""},
        {"until a line without commands",
         {"p.tovix", "--until-line", "9"},
         2,
         "",
         "p.tovix: ошибка: на строке 9 и после неё нет команд\n"},
        {"until a time in microseconds",
         {"p.tovix", "--at-us", "650", "--json"},
         0,
         "\"status\": \"running\",\n  \"time_us\": 700,\n  \"steps\": 4,",
         ""},
        {"--ms and --at-us together",
         {"p.tovix", "--ms=1", "--at-us=5"},
         2,
         "",
         "параметры --ms и --at-us вместе не указываются"},
        {"trace",
         {"p.tovix", "--trace", "--ms", "1"},
         0,
         "0\t0000\t1\tallond\tPORTD=FF\n100\t0001\t2\tonpind_09\tпредупреждение: номер "
         "вывода больше 7\n300\t0003\t3\tgoto_0000\t\n600\t0000\t1\tallond\t\n",
         "p.tovix:2: предупреждение: номер вывода больше 7 (смещение 0001)"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "allond\r\nonpind_09\r\ngoto_0000\r\n");
        WriteBytes(dir.File("bad.TOVIX"), "stop\r\n\tpause_6\r\n");
        WriteBytes(dir.File("p.bin"), std::string("\x0C\x03\x00\x00", 4));
        WriteBytes(dir.File("err.img"), "\x06\xFF");
        WriteBytes(dir.File("big.bin"), std::string(65537, '\0'));
        std::filesystem::create_symlink("p.tovix", dir.File("link.tovix"));
        std::filesystem::create_hard_link(dir.File("p.tovix"), dir.File("hard.tovix"));
        TRun run = RunTool(TOVIXSIM_PATH, dir.Path(), row.args, row.stdoutTo);
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.out.find(row.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(dir.File("p.tovix")), "allond\r\nonpind_09\r\ngoto_0000\r\n");
        EXPECT_EQ(ReadBytes(dir.File("p.bin")), std::string("\x0C\x03\x00\x00", 4));
    }
}

} // namespace
