// Program > "Компилировать" (F9): compiles the editor's text into the byte image named after the
// program file, marks the compiled lines and reports the result; Program > "Сохранить образ в
// Intel HEX…" compiles the same way and saves the image as Intel HEX where the user chooses;
// "Снять выделение" removes the compile marks; "Обновить адреса переходов" and "Назвать
// переходы" edit the labels and gotos.
#include "app/main/MainWindow.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "compiler/CompileMessages.h"
#include "compiler/ImageName.h"
#include "compiler/IntelHex.h"
#include "compiler/ProgramWarnings.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"
#include "workbench/JumpEdits.h"
#include "workbench/MemoCompileTarget.h"

#include <QFile>

namespace {

// True when removing leading spaces would change some line.
bool AnyLineIndented(const TCodeMemoStrings& lines) {
    for (int i = 0; i < lines.Count(); ++i)
        if (lines.Line(i).starts_with(' '))
            return true;
    return false;
}

// The compile takes every line out and adds it back. Only the leading spaces it removes change
// the text, so afterwards the changed flag is what it was, or set when a line lost its indent.
class TChangedFlagKeeper {
public:
    TChangedFlagKeeper(bool& flag, bool textWillChange)
        : FFlag(flag), FValue(flag || textWillChange) {}
    TChangedFlagKeeper(const TChangedFlagKeeper&) = delete;
    TChangedFlagKeeper& operator=(const TChangedFlagKeeper&) = delete;
    ~TChangedFlagKeeper() { FFlag = FValue; }

private:
    bool& FFlag;
    bool FValue;
};

// The image's name with ".hex" in place of ".bin".
QString SuggestedHexName(const QString& programPath) {
    QString image = QFile::decodeName(
        QByteArray::fromStdString(ImageNameFor(QFile::encodeName(programPath).toStdString())));
    if (image.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        image.chop(4);
    return image + QLatin1String(".hex");
}

// An image named so that it would replace the program file (a link to it, a hard link) is
// refused before anything is compiled.
void RefuseProgramFile(const std::string& image, const QString& programPath) {
    if (SameFile(image, QFile::encodeName(programPath).toStdString()))
        throw EFCreateError(image, "The image cannot replace the program file");
}

void WriteIntelHex(const std::string& file, std::string_view image) {
    // Addresses of Intel HEX records are 16 bits; a larger image has no such form.
    if (image.size() > kMaxIntelHexImage)
        throw EFCreateError(file, "The image is larger than 64 KB");
    const int err = WriteFileAtomically(
        file, [&](AtomicFileWriter& writer) { return writer.Write(IntelHexText(image)); });
    if (err != 0)
        throw EFCreateError(file, WriteFailureReason(err));
}

} // namespace

void TMainWindow::CompileProgram(
    const std::function<TCompileResult(TCompileTarget&, TCompileCounters&)>& compile,
    const std::function<void()>& afterSuccess) {
    TCodeMemo& memo = Editor();
    // Labelled gotos are put right first, in the editor as one undo step: the image then holds
    // the addresses their labels have now.
    const std::vector<TJumpRewrite> rewrites = UpdateJumpAddresses(memo);
    TChangedFlagKeeper keeper(FProgram.Changed, AnyLineIndented(memo.Lines()));

    TMemoCompileTarget target(memo);
    // Labels and lines that look like mistakes are read as the user wrote them, before the
    // compile tidies the lines; they only add warnings.
    std::vector<TCompileWarning> passedOver = PassedOverWarnings(target);
    TCompileResult result = compile(target, FCounters);
    MergeWarnings(result.Warnings, std::move(passedOver));
    if (!result.Succeeded()) {
        // The caret goes to the start of the first faulty line, which stays in view behind the
        // message.
        CaretToLineStart(result.Faults.front().Line);
        FDialogs.ShowMessage(QString::fromStdString(CompileFaultMessage(result.Faults)));
        return;
    }
    afterSuccess();
    // A goto that lands wrongly: the caret goes to the start of the first such line.
    if (!result.Warnings.empty())
        CaretToLineStart(result.Warnings.front().Line);
    FDialogs.ShowMessage(QString::fromStdString(
        CompletionMessage(FCounters.CommandCount, result.Warnings, rewrites)));
}

void TMainWindow::UpdateJumps() {
    FDialogs.ShowMessage(QString::fromStdString(JumpUpdateMessage(UpdateJumpAddresses(Editor()))));
}

void TMainWindow::NameJumps() {
    NameJumpsInEditor(Editor());
}

void TMainWindow::CaretToLineStart(int line) {
    TCodeMemo& memo = Editor();
    // A line chosen in a window may be gone by the time it is chosen.
    if (line < 0 || line >= memo.Lines().Count())
        return;
    memo.SetCurY(line);
    memo.SetCurX(0);
    memo.ClearSelection();
    memo.ScrollCaretIntoView();
    FEditor->setFocus();
}

void TMainWindow::Compile() {
    const std::string image = ImageNameFor(QFile::encodeName(FProgram.Path).toStdString());
    RefuseProgramFile(image, FProgram.Path);
    CompileProgram([&](TCompileTarget& target,
                       TCompileCounters& counters) { return ::Compile(target, image, counters); },
                   [] {});
}

void TMainWindow::ExportIntelHex() {
    const std::optional<QString> path = FDialogs.GetExportFileName(
        QString::fromUtf8("Intel HEX (*.hex)"), SuggestedHexName(FProgram.Path));
    if (!path)
        return;
    RefuseProgramFile(QFile::encodeName(*path).toStdString(), FProgram.Path);
    std::string image;
    CompileProgram(
        [&](TCompileTarget& target, TCompileCounters& counters) {
            return CompileToBytes(target, image, counters);
        },
        [&] { WriteIntelHex(QFile::encodeName(*path).toStdString(), image); });
}

void TMainWindow::ClearMarks() {
    // Every line goes out and comes back byte for byte, without its compile mark; the text
    // counts as changed exactly when it did before.
    std::vector<std::string> lines = Editor().Lines().ToVector();
    const bool changed = FProgram.Changed;
    TMemoCompileTarget target(Editor());
    target.Clear();
    for (const std::string& line : lines)
        target.Add(line);
    FProgram.Changed = changed;
}
