// The main menu: its items with their captions and shortcuts, and the handlers of the items that
// only inform (size information, the help windows, the web page, About).
#include "app/Unit1.h"

#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "windows/ProductLinks.h"
#include "windows/SizeInformation.h"
#include "windows/TextWindow.h"
#include "windows/Unit2.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct TItem {
    QAction* TForm1::*Field;
    const char* Name;
    const char* Caption; // UTF-8
    QKeySequence Shortcut;
    void (TForm1::*Handler)();
};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void TForm1::CreateMenu() {
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
                     {&TForm1::N2, "N2", "Создать программу", QKeySequence(Qt::CTRL | Qt::Key_N),
                      &TForm1::N2Click},
                     {&TForm1::N5, "N5", "Открыть программу", QKeySequence(Qt::CTRL | Qt::Key_O),
                      &TForm1::N5Click},
                     {&TForm1::N6, "N6", "Сохранить программу как",
                      QKeySequence(Qt::CTRL | Qt::Key_U), &TForm1::N6Click},
                     {&TForm1::N14, "N14", "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S),
                      &TForm1::N14Click},
                     {&TForm1::N7, "N7", "Закрыть", QKeySequence(Qt::CTRL | Qt::Key_Q),
                      &TForm1::N7Click},
                     {&TForm1::N8, "N8", "Выход", QKeySequence(), &TForm1::N8Click},
                 });

    N3 = AddMenu(bar, "N3", "Программа");
    addItems(
        N3,
        {
            {&TForm1::N9, "N9", "Компилировать", QKeySequence(Qt::Key_F9), &TForm1::N9Click},
            {&TForm1::N13, "N13", "Информация", QKeySequence(Qt::Key_F10), &TForm1::N13Click},
            {&TForm1::N15, "N15", "Путь", QKeySequence(), &TForm1::N15Click},
            {&TForm1::N16, "N16", "Перейти к адресу", QKeySequence(Qt::CTRL | Qt::Key_G),
             &TForm1::N16Click},
            {&TForm1::N17, "N17", "Сохранить образ в Intel HEX…", QKeySequence(),
             &TForm1::N17Click},
            {&TForm1::N18, "N18", "Листинг", QKeySequence(Qt::CTRL | Qt::Key_L), &TForm1::N18Click},
            {&TForm1::N19, "N19", "Модель платы", QKeySequence(Qt::CTRL | Qt::Key_F9),
             &TForm1::N19Click},
            {&TForm1::N20, "N20", "Точка остановки", QKeySequence(Qt::CTRL | Qt::Key_B),
             &TForm1::N20Click},
        });

    N4 = AddMenu(bar, "N4", "Помощь");
    addItems(N4,
             {
                 {&TForm1::N10, "N10", "По командам", QKeySequence(Qt::Key_F1), &TForm1::N10Click},
                 {&TForm1::N11, "N11", "По программе", QKeySequence(), &TForm1::N11Click},
                 {&TForm1::Web1, "Web1", "Web", QKeySequence(), &TForm1::Web1Click},
                 {&TForm1::N12, "N12", "О программе", QKeySequence(), &TForm1::N12Click},
             });
}

void TForm1::N13Click() {
    FDialogs.ShowMessage(SizeInformationText(FCounters.CommandCount, FCounters.ProgramSize));
}

void TForm1::N10Click() {
    if (FCommands)
        FCommands->ShowInFront();
}

void TForm1::N11Click() {
    if (FHelp)
        FHelp->ShowInFront();
}

void TForm1::Web1Click() {
    OpenProductWebPage(FShell);
}

void TForm1::N12Click() {
    if (FAbout)
        FAbout->ShowModal();
}
