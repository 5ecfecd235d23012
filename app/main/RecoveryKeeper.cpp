// The recovery keeper: a due timer, zero-time slices that copy the text, one writer thread.
#include "app/main/RecoveryKeeper.h"

#include "base/FileIO.h"
#include "editor/buffer/LineStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>

namespace {

const QString kSuffix = QStringLiteral(".recovery");

std::int64_t SteadyNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string LockPath(const QString& file) {
    return Local(file + QStringLiteral(".lock"));
}

} // namespace

QString TRecoveryKeeper::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

TRecoveryKeeper::TRecoveryKeeper(const TCodeMemoStrings& lines, TUnsavedPath unsaved,
                                 QString folder, QObject* parent)
    : QObject(parent), FLines(lines), FUnsaved(std::move(unsaved)), FFolder(std::move(folder)) {
    // The process id keeps two instances apart; the random part, two windows of one process.
    FOwnFile = FFolder +
               QStringLiteral("/%1-%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0')) +
               kSuffix;
    FDue.setSingleShot(true);
    connect(&FDue, &QTimer::timeout, this, &TRecoveryKeeper::DueTimeout);
    FSlice.setSingleShot(true);
    FSlice.setInterval(0);
    connect(&FSlice, &QTimer::timeout, this, &TRecoveryKeeper::Slice);
}

TRecoveryKeeper::~TRecoveryKeeper() {
    Finish();
}

void TRecoveryKeeper::TextChanged() {
    if (FFinished)
        return;
    FChangedAtMs = QDateTime::currentMSecsSinceEpoch();
    FSchedule.Changed(SteadyNow());
    // A snapshot under way copies a text that no longer is.
    FSnapshotting = false;
    FSlice.stop();
    Arm();
}

void TRecoveryKeeper::Arm() {
    // The timer runs to the earliest due time it was set for and looks again then, so that a
    // key press costs no timer restart.
    if (FWriting || FSnapshotting || FFinished || FDue.isActive())
        return;
    if (std::optional<std::int64_t> due = FSchedule.DueAt())
        FDue.start(static_cast<int>(std::max<std::int64_t>(0, *due - SteadyNow())));
}

void TRecoveryKeeper::DueTimeout() {
    if (FSchedule.IsDue(SteadyNow()))
        BeginSnapshot();
    else
        Arm();
}

void TRecoveryKeeper::BeginSnapshot() {
    if (FWriting || FFinished)
        return;
    const std::optional<QString> path = FUnsaved();
    if (!path) {
        FSchedule.Clear();
        return;
    }
    FSnapshotPath = Local(*path);
    FSnapshotVersion = FLines.TextVersion();
    FNextLine = 0;
    FPieces.clear();
    FPieces.reserve(static_cast<std::size_t>(FLines.Count()) / 16384 + 1);
    FSnapshotting = true;
    Slice();
}

void TRecoveryKeeper::Slice() {
    if (!FSnapshotting)
        return;
    if (FLines.TextVersion() != FSnapshotVersion) {
        // Changed without a word to us: start over.
        FSnapshotting = false;
        BeginSnapshot();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const int count = FLines.Count();
    while (FNextLine < count) {
        const int to = std::min(count, FNextLine + kLinesPerStep);
        if (FPieces.empty() || FPieces.back().size() >= kPieceBytes) {
            FPieces.emplace_back();
            FPieces.back().reserve(kPieceBytes + kPieceBytes / 4);
        }
        AppendProgramLines(FPieces.back(), FLines, FNextLine, to);
        FNextLine = to;
        if (FNextLine < count && clock.elapsed() >= kSliceMs) {
            FSlice.start();
            return;
        }
    }
    FSnapshotting = false;
    StartWrite();
}

void TRecoveryKeeper::StartWrite() {
    // Every change so far is in the pieces.
    FSchedule.Clear();
    if (!FLock && QDir().mkpath(FFolder)) {
        if (std::optional<TRecoveryLock> lock = TRecoveryLock::TryTake(LockPath(FOwnFile)))
            FLock = std::move(*lock);
    }
    if (!FLock) {
        WriteDone(ENOENT);
        return;
    }
    FWriting = true;
    JoinWriter();
    FWriter = std::thread([this, pieces = std::move(FPieces), path = FSnapshotPath,
                           changedAt = FChangedAtMs, file = Local(FOwnFile)] {
        const int code = WriteRecoveryFile(file, path, changedAt, pieces);
        QMetaObject::invokeMethod(
            this, [this, code] { WriteDone(code); }, Qt::QueuedConnection);
    });
}

void TRecoveryKeeper::WriteDone(int code) {
    if (FFinished)
        return;
    FWriting = false;
    if (code != 0 && !FFailureNoted) {
        // Said once, quietly: a box while the user types would be worse than no file.
        FFailureNoted = true;
        std::fprintf(stderr, "tovix: no recovery file in %s: %s\n", Local(FFolder).c_str(),
                     WriteFailureReason(code).c_str());
    }
    if (FDiscardAfterWrite) {
        FDiscardAfterWrite = false;
        RemoveOwnFile();
    } else if (code == 0 && FAdopted) {
        QFile::remove(FAdopted->File);
        FAdopted->Lock.Remove();
        FAdopted.reset();
    }
    Arm();
}

void TRecoveryKeeper::RemoveOwnFile() {
    if (FWriting) {
        FDiscardAfterWrite = true;
        return;
    }
    QFile::remove(FOwnFile);
}

void TRecoveryKeeper::Discard(const QString& path) {
    FSchedule.Clear();
    FSnapshotting = false;
    FSlice.stop();
    FDue.stop();
    RemoveOwnFile();
    const std::string local = Local(path);
    const auto gone = [&](TRecoveryOrphan& orphan) {
        if (orphan.Record.ProgramPath != local)
            return false;
        QFile::remove(orphan.File);
        orphan.Lock.Remove();
        return true;
    };
    std::erase_if(FOrphans, gone);
    if (FAdopted && gone(*FAdopted))
        FAdopted.reset();
}

void TRecoveryKeeper::Finish() {
    FFinished = true;
    FDue.stop();
    FSlice.stop();
    FSnapshotting = false;
    JoinWriter();
    FWriting = false;
    FDiscardAfterWrite = false;
    QFile::remove(FOwnFile);
    // The user has given up the text the left file held too.
    if (FAdopted) {
        QFile::remove(FAdopted->File);
        FAdopted->Lock.Remove();
        FAdopted.reset();
    }
    if (FLock) {
        FLock->Remove();
        FLock.reset();
    }
}

void TRecoveryKeeper::JoinWriter() {
    if (FWriter.joinable())
        FWriter.join();
}

std::vector<TRecoveryOrphan>& TRecoveryKeeper::Orphans() {
    if (FOrphansRead)
        return FOrphans;
    FOrphansRead = true;
    const QDir folder(FFolder);
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        const QString file = folder.filePath(name);
        if (file == FOwnFile)
            continue;
        std::optional<TRecoveryLock> lock = TRecoveryLock::TryTake(LockPath(file));
        if (!lock)
            continue; // a running instance's
        std::optional<TRecoveryRecord> record = ReadRecoveryFile(Local(file));
        if (!record)
            continue; // damaged: nothing to offer
        FOrphans.push_back({file, std::move(*record), std::move(*lock)});
    }
    std::stable_sort(FOrphans.begin(), FOrphans.end(), [](const auto& a, const auto& b) {
        return a.Record.ChangedAtMs > b.Record.ChangedAtMs;
    });
    return FOrphans;
}

void TRecoveryKeeper::Adopt(std::size_t index) {
    TRecoveryOrphan& orphan = FOrphans.at(index);
    FAdopted.emplace(std::move(orphan));
    FOrphans.erase(FOrphans.begin() + static_cast<std::ptrdiff_t>(index));
    // Written at once: until then the left file is all there is of the text.
    FChangedAtMs = FAdopted->Record.ChangedAtMs;
    FSchedule.Clear();
    FSchedule.Changed(SteadyNow() - TRecoverySchedule::kLongestWaitMs);
    FDue.stop();
    FSnapshotting = false;
    FSlice.stop();
    BeginSnapshot();
}
