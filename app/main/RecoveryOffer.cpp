// The start after a crash: the recovery files left behind are offered, the newest first, and the
// text taken is opened as changed and not saved. The program file itself is not read: it may be
// gone, or never have been written.
#include "app/main/MainWindow.h"

#include "app/main/RecoveryKeeper.h"
#include "base/TextFile.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kRecoverQuestion =
    QStringLiteral("Восстановить несохранённые изменения программы %1 (%2)?");

} // namespace

void TMainWindow::OfferRecovery() {
    std::vector<TRecoveryOrphan>& orphans = FRecovery->Orphans();
    // Only one program is in the editor: after a Yes the others wait for a later start, and
    // Cancel leaves them all for then.
    for (std::size_t i = 0; i < orphans.size(); ++i) {
        const TRecoveryRecord& record = orphans[i].Record;
        const QString path = QFile::decodeName(QByteArray::fromStdString(record.ProgramPath));
        const QString time = QDateTime::fromMSecsSinceEpoch(record.ChangedAtMs)
                                 .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        const TYesNoCancel answer =
            FDialogs.AskYesNoCancel(kRecoverQuestion.arg(QFileInfo(path).fileName(), time));
        if (answer == TYesNoCancel::Cancel)
            return;
        if (answer == TYesNoCancel::Yes) {
            OpenRecoveredProgram(path, record.Text);
            FRecovery->Adopt(i);
            return;
        }
    }
}

void TMainWindow::OpenRecoveredProgram(const QString& path, const std::string& text) {
    FRecovery->Discard(FProgram.ShownPath());
    Editor().Lines().Assign(SplitTextFile(text));
    Editor().ClearUndo();
    Editor().SetCurY(0);
    Editor().SetCurX(0);
    ForgetStopPoints();
    FProgram.Path = path;
    FProgram.Changed = true;
    SetProgramOpen(true);
    ResetBoardWindow();
    FEditor->setFocus();
}
