// The main menu: its items with their captions and shortcuts, and the handlers of the items that
// only inform (size information, the help windows, the web page, About).
#include "app/main/MainWindow.h"

#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "windows/AboutWindow.h"
#include "windows/ProductLinks.h"
#include "windows/SizeInformation.h"
#include "windows/TextWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct TItem {
    QAction* TMainWindow::*Field;
    const char* Name;
    const char* Caption; // UTF-8
    QKeySequence Shortcut;
    void (TMainWindow::*Handler)();
};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void TMainWindow::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    const auto addItems = [this](QMenu* menu, std::initializer_list<TItem> items) {
        for (const TItem& item : items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.Caption));
            action->setObjectName(QLatin1String(item.Name));
            action->setShortcut(item.Shortcut);
            // The window's shortcuts work wherever the focus is in it.
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this,
                    Guarded([this, handler = item.Handler] { (this->*handler)(); }));
            this->*item.Field = action;
        }
    };

    N1 = AddMenu(bar, "N1", "Файл");
    addItems(N1, {
                     {&TMainWindow::N2, "N2", "Создать программу",
                      QKeySequence(Qt::CTRL | Qt::Key_N), &TMainWindow::N2Click},
                     {&TMainWindow::N5, "N5", "Открыть программу",
                      QKeySequence(Qt::CTRL | Qt::Key_O), &TMainWindow::N5Click},
                     {&TMainWindow::N6, "N6", "Сохранить программу как",
                      QKeySequence(Qt::CTRL | Qt::Key_U), &TMainWindow::N6Click},
                     {&TMainWindow::N14, "N14", "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S),
                      &TMainWindow::N14Click},
                     {&TMainWindow::N7, "N7", "Закрыть", QKeySequence(Qt::CTRL | Qt::Key_Q),
                      &TMainWindow::N7Click},
                     {&TMainWindow::N8, "N8", "Выход", QKeySequence(), &TMainWindow::N8Click},
                 });

    N3 = AddMenu(bar, "N3", "Программа");
    addItems(N3, {
                     {&TMainWindow::N9, "N9", "Компилировать", QKeySequence(Qt::Key_F9),
                      &TMainWindow::N9Click},
                     {&TMainWindow::N13, "N13", "Информация", QKeySequence(Qt::Key_F10),
                      &TMainWindow::N13Click},
                     {&TMainWindow::N15, "N15", "Путь", QKeySequence(), &TMainWindow::N15Click},
                     {&TMainWindow::N16, "N16", "Перейти к адресу",
                      QKeySequence(Qt::CTRL | Qt::Key_G), &TMainWindow::N16Click},
                     {&TMainWindow::N17, "N17", "Сохранить образ в Intel HEX…", QKeySequence(),
                      &TMainWindow::N17Click},
                     {&TMainWindow::N18, "N18", "Листинг", QKeySequence(Qt::CTRL | Qt::Key_L),
                      &TMainWindow::N18Click},
                     {&TMainWindow::N19, "N19", "Модель платы", QKeySequence(Qt::CTRL | Qt::Key_F9),
                      &TMainWindow::N19Click},
                     {&TMainWindow::N20, "N20", "Точка остановки",
                      QKeySequence(Qt::CTRL | Qt::Key_B), &TMainWindow::N20Click},
                 });

    N4 = AddMenu(bar, "N4", "Помощь");
    addItems(N4,
             {
                 {&TMainWindow::N10, "N10", "По командам", QKeySequence(Qt::Key_F1),
                  &TMainWindow::N10Click},
                 {&TMainWindow::N11, "N11", "По программе", QKeySequence(), &TMainWindow::N11Click},
                 {&TMainWindow::Web1, "Web1", "Web", QKeySequence(), &TMainWindow::Web1Click},
                 {&TMainWindow::N12, "N12", "О программе", QKeySequence(), &TMainWindow::N12Click},
             });
}

void TMainWindow::N13Click() {
    FDialogs.ShowMessage(SizeInformationText(FCounters.CommandCount, FCounters.ProgramSize));
}

void TMainWindow::N10Click() {
    if (FCommands)
        FCommands->ShowInFront();
}

void TMainWindow::N11Click() {
    if (FHelp)
        FHelp->ShowInFront();
}

void TMainWindow::Web1Click() {
    OpenProductWebPage(FShell);
}

void TMainWindow::N12Click() {
    if (FAbout)
        FAbout->ShowModal();
}
