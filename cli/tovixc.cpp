// tovixc: the headless compiler. Reads a program file with the editor's file format, compiles
// it with the workbench's compile and writes the byte image.
//
//   tovixc PROGRAM [-o IMAGE] [-f bin|ihex] [--listing] [--update-jumps]
//
// --update-jumps first puts every labelled goto's address right in the program file itself.
//
// Exit status: 0 compiled (warnings included), 1 the program has errors (no image written), 2
// usage or input/output error.
#include "base/Cp1251.h"
#include "base/Errors.h"
#include "base/FileIO.h"
#include "base/HexDigits.h"
#include "base/TextFile.h"
#include "cli/Arguments.h"
#include "cli/CompileReport.h"
#include "cli/StandardOutput.h"
#include "compiler/CompileMessages.h"
#include "compiler/Compiler.h"
#include "compiler/ImageName.h"
#include "compiler/IntelHex.h"
#include "compiler/Labels.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramWarnings.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProgramErrors = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "использование: tovixc ПРОГРАММА [-o ОБРАЗ] [-f bin|ihex] [--listing] [--update-jumps]\n"
    "  -f, --format=ФОРМАТ  bin: байты образа (по умолчанию), ihex: Intel HEX\n"
    "  --update-jumps       сначала исправить в файле адреса переходов по меткам\n";

enum class TImageFormat { Binary, IntelHex };

struct TOptions {
    std::string Program;
    std::optional<std::string> Image;
    std::optional<TImageFormat> Format;
    bool Listing = false;
    bool UpdateJumps = false;
    bool Help = false;
};

int UsageError(const std::string& problem) {
    std::cerr << "tovixc: ошибка: " << problem << "\n" << kUsage;
    return kExitUsage;
}

// Parses the command line into options; returns an exit status when it is not usable.
std::optional<int> ParseCommandLine(int argc, char** argv, TOptions& options) {
    const std::vector<TOption> table = {
        {.Name = "--listing", .Take = SetFlag(options.Listing)},
        {.Name = "--update-jumps", .Take = SetFlag(options.UpdateJumps)},
        {.Name = "-o",
         .NoValue = "после -o нужно имя образа",
         .Twice = "параметр -o указан дважды",
         .Take = KeepValue(options.Image)},
        {.Name = "--format",
         .Short = "-f",
         .NoValue = "после -f нужен формат образа",
         .Twice = "формат образа указан дважды",
         .Take =
             [&](const std::string& name) {
                 if (name == "bin")
                     options.Format = TImageFormat::Binary;
                 else if (name == "ihex")
                     options.Format = TImageFormat::IntelHex;
                 else
                     return "неизвестный формат образа «" + name + "»";
                 return std::string();
             }},
    };
    TArguments arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), table);
    if (!arguments.Problem.empty())
        return UsageError(arguments.Problem);
    options.Program = arguments.Program;
    options.Help = arguments.Help;
    if (!options.Help && options.Image && options.Image->empty())
        return UsageError("пустое имя образа");
    return std::nullopt;
}

// Offset, bytes, line number and text of every compiled command: the table for working out
// goto addresses. A goto with a warning is marked at the end of its row.
void PrintListing(const TCompileTarget& target, const std::vector<TListingEntry>& listing,
                  const std::vector<TCompileWarning>& warnings) {
    std::cout << "Адрес Байты    Строка  Текст\n";
    auto warning = warnings.begin();
    for (const auto& entry : listing) {
        std::string bytes;
        for (int k = 0; k < entry.ByteCount; ++k) {
            if (k > 0)
                bytes += ' ';
            AppendHexDigits(bytes, entry.Bytes[static_cast<std::size_t>(k)], 2);
        }
        char prefix[64];
        std::snprintf(prefix, sizeof prefix, "%-4s  %-8s %6d  ",
                      HexDigits(static_cast<unsigned>(entry.Offset), 4).c_str(), bytes.c_str(),
                      entry.Line + 1);
        std::cout << prefix << Cp1251ToUtf8(target.Line(entry.Line));
        while (warning != warnings.end() && warning->Line < entry.Line)
            ++warning;
        if (warning != warnings.end() && warning->Line == entry.Line)
            std::cout << "  ; предупреждение: " << warning->Message;
        std::cout << "\n";
    }
}

// The image name for a format: ImageNameFor's, its ".bin" made ".hex" for Intel HEX (and
// ".hex" appended to the whole path should that name the program file).
std::string DefaultImageName(const std::string& program, TImageFormat format) {
    std::string image = ImageNameFor(program);
    if (format == TImageFormat::IntelHex) {
        image.replace(image.size() - 4, 4, ".hex");
        if (image == program)
            image = program + ".hex";
    }
    return image;
}

// Compiles in memory, then writes the image as Intel HEX text, as the workbench's export does:
// a program with faults, or too large for the format, never touches the target. Raises
// EInOutError.
TCompileResult CompileToIntelHex(TCompileTarget& target, const std::string& imageName,
                                 TCompileCounters& counters, std::vector<TListingEntry>* listing,
                                 bool& tooLarge) {
    std::string bytes;
    TCompileResult result = CompileToBytes(target, bytes, counters, listing);
    tooLarge = bytes.size() > kMaxIntelHexImage;
    if (!result.ImageWritten || tooLarge) {
        result.ImageWritten = false;
        return result;
    }
    const int err = WriteFileAtomically(
        imageName, [&](AtomicFileWriter& file) { return file.Write(IntelHexText(bytes)); });
    if (err != 0)
        throw WriteError(err, imageName);
    return result;
}

// Puts every labelled goto of the program right, in rawLines, lines and the file, which is
// written only when an address changes. Returns how many changed; raises EFCreateError.
int UpdateJumps(const std::string& program, std::vector<std::string>& rawLines,
                std::vector<std::string>& lines) {
    std::vector<TJumpRewrite> rewrites = FindJumpRewrites(TLinesCompileTarget(lines));
    if (rewrites.empty())
        return 0;
    ApplyJumpRewrites(rawLines, rewrites);
    ApplyJumpRewrites(lines, rewrites);
    WriteTextFile(program, rawLines);
    return static_cast<int>(rewrites.size());
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (auto status = ParseCommandLine(argc, argv, options))
        return *status;
    if (options.Help) {
        std::cout << kUsage;
        return StandardOutputWritten("tovixc") ? kExitOk : kExitUsage;
    }
    TImageFormat format = options.Format.value_or(TImageFormat::Binary);
    std::string image = options.Image ? *options.Image : DefaultImageName(options.Program, format);
    if (SameFile(image, options.Program)) {
        std::cerr << image << ": ошибка: образ не может заменить файл программы\n";
        return kExitUsage;
    }

    std::optional<TProgramLines> program = ReadProgramLines(options.Program);
    if (!program)
        return kExitUsage;
    std::vector<std::string>& rawLines = program->Raw;
    std::vector<std::string>& lines = program->Expanded;

    if (options.UpdateJumps) {
        try {
            int changed = UpdateJumps(options.Program, rawLines, lines);
            std::cout << "Обновлено адресов переходов: " << changed << "\n";
        } catch (const ERuntimeError& e) {
            std::cerr << options.Program << ": ошибка: не удалось записать программу: " << e.what()
                      << "\n";
            return kExitUsage;
        }
    }

    TLinesCompileTarget target(std::move(lines));
    std::vector<TCompileWarning> passedOver = PassedOverWarnings(target);
    TCompileCounters counters;
    std::vector<TListingEntry> listing;
    TCompileResult result;
    bool tooLarge = false;
    try {
        std::vector<TListingEntry>* wanted = options.Listing ? &listing : nullptr;
        if (format == TImageFormat::IntelHex)
            result = CompileToIntelHex(target, image, counters, wanted, tooLarge);
        else
            result = Compile(target, image, counters, wanted);
    } catch (const ERuntimeError& e) {
        std::cerr << image << ": ошибка: не удалось записать образ: " << e.what() << "\n";
        return kExitUsage;
    }
    MergeWarnings(result.Warnings, std::move(passedOver));

    if (!result.Succeeded()) {
        PrintFailedCompile(options.Program, rawLines, kDefaultTabSize, result);
        return kExitProgramErrors;
    }
    if (tooLarge) {
        std::cerr << image << ": ошибка: образ больше 64 КиБ не записать в формате Intel HEX\n";
        return kExitProgramErrors;
    }
    if (options.Listing)
        PrintListing(target, listing, result.Warnings);
    for (const auto& warning : result.Warnings)
        PrintWarning(options.Program, rawLines, kDefaultTabSize, warning);
    std::cout << CompletionMessage(counters.CommandCount) << "\n"
              << "Размер программы составляет " << counters.ProgramSize << " байт\n";
    return StandardOutputWritten("tovixc") ? kExitOk : kExitUsage;
}
