// Keeps a recovery file of the program while its text has unsaved changes, so that a crash
// loses nothing: at most about two seconds after the last change (TRecoverySchedule) the text
// is copied in slices of a few milliseconds on the GUI thread (started again
// when the text changes meanwhile) and written on a worker thread with the writer Save uses.
// The file goes when the program is saved or closed and when the workbench ends normally.
//
// Each instance writes a file of its own name in the folder, with its lock beside it
// (workbench/RecoveryLock); the files whose lock nobody holds were left by a crash: this
// instance takes their locks while it runs, so no other offers them meanwhile.
#pragma once

#include "workbench/RecoveryFile.h"
#include "workbench/RecoveryLock.h"
#include "workbench/RecoverySchedule.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class TCodeMemoStrings;

// A recovery file left by an instance that did not end normally.
struct TRecoveryOrphan {
    QString File;
    TRecoveryRecord Record;
    TRecoveryLock Lock;
};

class TRecoveryKeeper : public QObject {
    Q_OBJECT

public:
    // The program's path while its text has changes not saved; nothing otherwise.
    using TUnsavedPath = std::function<std::optional<QString>()>;
    static constexpr int kLinesPerStep = 4096;
    static constexpr int kSliceMs = 4;
    static constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

    // The application's data folder, where the recovery files live.
    static QString DefaultFolder();

    TRecoveryKeeper(const TCodeMemoStrings& lines, TUnsavedPath unsaved, QString folder,
                    QObject* parent = nullptr);
    // Finish: waits for a write under way and removes this instance's file.
    ~TRecoveryKeeper() override;

    // The text has changed.
    void TextChanged();
    // The program at path was saved, closed or replaced: this instance's file goes, and so do
    // the left files of that program.
    void Discard(const QString& path);
    // The workbench ends normally: the file goes and nothing more is written.
    void Finish();

    // The recovery files left by crashed instances, the newest change first. Read once.
    std::vector<TRecoveryOrphan>& Orphans();
    // The text of Orphans()[index] is in the editor now: this instance's own file takes it
    // over (its time of change stays), and the left file goes once that is written.
    void Adopt(std::size_t index);

    // This instance's recovery file (it exists only while there is something to recover).
    const QString& OwnFile() const { return FOwnFile; }

private:
    void Arm();
    void DueTimeout();
    void BeginSnapshot();
    void Slice();
    void StartWrite();
    void WriteDone(int code);
    void RemoveOwnFile();
    void JoinWriter();

    const TCodeMemoStrings& FLines;
    TUnsavedPath FUnsaved;
    QString FFolder;
    QString FOwnFile;
    std::optional<TRecoveryLock> FLock;
    TRecoverySchedule FSchedule;
    QTimer FDue;
    QTimer FSlice;
    std::int64_t FChangedAtMs = 0;

    // The snapshot being made.
    bool FSnapshotting = false;
    std::uint64_t FSnapshotVersion = 0;
    int FNextLine = 0;
    std::string FSnapshotPath;
    // The text in pieces of about kPieceBytes, so that no slice copies a grown buffer whole.
    std::vector<std::string> FPieces;

    std::thread FWriter;
    bool FWriting = false;
    bool FDiscardAfterWrite = false;
    bool FFinished = false;
    bool FFailureNoted = false;

    bool FOrphansRead = false;
    std::vector<TRecoveryOrphan> FOrphans;
    // The left file whose text this instance has taken over, until its own file holds it.
    std::optional<TRecoveryOrphan> FAdopted;
};
