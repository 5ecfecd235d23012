// File > Недавние программы: the last ten programs opened or saved, newest first, kept in the
// workbench's settings so that the next start finds them. The list's rules are
// workbench/RecentPrograms; this is its menu.
#include "app/main/MainWindow.h"

#include "base/Errors.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "platform/Settings.h"
#include "workbench/RecentPrograms.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString kRecentKey = QStringLiteral("RecentPrograms");
const QString kNoRecentPrograms = QStringLiteral("Нет недавних программ");
const QString kProgramGone = QStringLiteral("Программа %1 не найдена и убрана из списка недавних.");

// The list as the settings keep it. Read each time, so that two workbenches running at once
// both add to one list.
TRecentPrograms ReadRecentPrograms() {
    std::vector<std::string> paths;
    for (const QString& path : WorkbenchSettings()->value(kRecentKey).toStringList())
        paths.push_back(QFile::encodeName(path).toStdString());
    return TRecentPrograms(paths);
}

void WriteRecentPrograms(const TRecentPrograms& list) {
    QStringList paths;
    for (const std::string& path : list.Paths())
        paths << QFile::decodeName(QByteArray::fromStdString(path));
    WorkbenchSettings()->setValue(kRecentKey, paths);
}

void ForgetProgram(const QString& path) {
    TRecentPrograms list = ReadRecentPrograms();
    list.Remove(QFile::encodeName(path).toStdString());
    WriteRecentPrograms(list);
}

// "1 running-light.tovix — /home/u/progs": the number, the file name and its folder.
QString ItemCaption(int number, const QString& path) {
    const QFileInfo file(path);
    QString caption = QStringLiteral("%1 %2 — %3")
                          .arg(number)
                          .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
    return caption.replace('&', QStringLiteral("&&"));
}

} // namespace

void TMainWindow::CreateRecentMenu() {
    QMenu* fileMenu = findChild<QMenu*>(QStringLiteral("N1"));
    QAction* exit = findChild<QAction*>(QStringLiteral("N8"));
    FRecentMenu = new QMenu(QStringLiteral("Недавние программы"), fileMenu);
    FRecentMenu->setObjectName(QStringLiteral("NRecent"));
    FRecentMenu->menuAction()->setObjectName(QStringLiteral("NRecent"));
    fileMenu->insertMenu(exit, FRecentMenu);
    connect(FRecentMenu, &QMenu::aboutToShow, this, Guarded([this] { FillRecentMenu(); }));
    FillRecentMenu();
}

void TMainWindow::FillRecentMenu() {
    // The item being chosen may be the one that asks for the new list: it goes later, and
    // nothing finds it by its name meanwhile.
    for (QAction* old : FRecentMenu->actions()) {
        FRecentMenu->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const TRecentPrograms list = ReadRecentPrograms();
    int number = 0;
    for (const std::string& entry : list.Paths()) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(entry));
        QAction* item = FRecentMenu->addAction(ItemCaption(++number, path));
        item->setObjectName(QStringLiteral("NRecent%1").arg(number));
        connect(item, &QAction::triggered, this,
                Guarded([this, path] { OpenRecentProgram(path); }));
    }
    if (number == 0)
        FRecentMenu->addAction(kNoRecentPrograms)->setEnabled(false);
}

void TMainWindow::RememberProgram(const QString& path) {
    TRecentPrograms list = ReadRecentPrograms();
    list.Add(QFile::encodeName(path).toStdString());
    WriteRecentPrograms(list);
    FillRecentMenu();
}

void TMainWindow::OpenRecentProgram(const QString& path) {
    if (!SaveChangesFirst())
        return;
    QString problem;
    if (!QFileInfo(path).isFile()) {
        problem = kProgramGone.arg(QDir::toNativeSeparators(path));
    } else {
        try {
            OpenProgram(path);
            return;
        } catch (const ERuntimeError& error) {
            problem = QString::fromUtf8(error.what());
        }
    }
    ForgetProgram(path);
    FillRecentMenu();
    FDialogs.ShowMessage(problem);
}
