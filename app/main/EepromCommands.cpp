// Program > "Записать в EEPROM": compiles as F9 does, then runs the programmer's command on the
// image in the EEPROM write window; "Программатор…" sets that command. Nothing runs before the
// user has set a command and confirmed it in the programmer dialog.
#include "app/main/EepromWindow.h"
#include "app/main/MainWindow.h"
#include "app/main/ProgrammerDialog.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "compiler/ImageName.h"
#include "compiler/IntelHex.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "workbench/ProgrammerCommand.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kCommandKey = QStringLiteral("programmer/command");

std::string Encoded(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A file the write would make that is the program file itself is refused before the compile.
void RefuseProgramFile(const std::string& file, const std::string& program) {
    if (SameFile(file, program))
        throw EFCreateError(file, "The image cannot replace the program file");
}

// The image F9 has written, as Intel HEX beside it.
void WriteHexOfImage(const std::string& image, const std::string& hex) {
    std::string bytes;
    if (const int err = ReadWholeFile(image, bytes); err != 0)
        throw EFOpenError(image, ReadFailureReason(err));
    // Addresses of Intel HEX records are 16 bits; a larger image has no such form.
    if (bytes.size() > kMaxIntelHexImage)
        throw EFCreateError(hex, "The image is larger than 64 KB");
    const int err = WriteFileAtomically(
        hex, [&](AtomicFileWriter& writer) { return writer.Write(IntelHexText(bytes)); });
    if (err != 0)
        throw EFCreateError(hex, WriteFailureReason(err));
}

} // namespace

bool TMainWindow::AskProgrammerCommand() {
    TProgrammerDialog dialog(this, WorkbenchSettings()->value(kCommandKey).toString());
    if (!FDialogs.RunModal(dialog))
        return false;
    WorkbenchSettings()->setValue(kCommandKey, dialog.Command());
    return true;
}

void TMainWindow::ChangeProgrammer() {
    AskProgrammerCommand();
}

void TMainWindow::WriteEeprom() {
    if (FEepromWindow && FEepromWindow->Running()) {
        FEepromWindow->ShowInFront();
        return;
    }
    TProgrammerCommand command =
        ReadProgrammerCommand(WorkbenchSettings()->value(kCommandKey).toString().toStdString());
    if (!command.Valid()) {
        if (!AskProgrammerCommand())
            return;
        command =
            ReadProgrammerCommand(WorkbenchSettings()->value(kCommandKey).toString().toStdString());
    }

    const QFileInfo programFile(FProgram.Path);
    TProgrammerFiles files;
    files.Program = Encoded(programFile.absoluteFilePath());
    files.Bin = ImageNameFor(files.Program);
    files.Hex = HexNameFor(files.Bin);
    const bool writeHex = command.Uses("hex");
    RefuseProgramFile(files.Bin, files.Program);
    if (writeHex)
        RefuseProgramFile(files.Hex, files.Program);
    bool compiled = false;
    CompileProgram(
        [&](TCompileTarget& target, TCompileCounters& counters) {
            return ::Compile(target, files.Bin, counters);
        },
        [&] {
            if (writeHex)
                WriteHexOfImage(files.Bin, files.Hex);
            compiled = true;
        });
    if (!compiled)
        return;
    if (!FEepromWindow)
        FEepromWindow = new TEepromWindow(this, FProgrammerGracePeriod);
    FEepromWindow->Start(command.Arguments(files), programFile.absolutePath());
}
