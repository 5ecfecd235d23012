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
        }
    };

    using W = TMainWindow;
    addItems(AddMenu(bar, "N1", "Файл"),
             {
                 {"N2", "Создать программу", QKeySequence(Qt::CTRL | Qt::Key_N), &W::NewProgram},
                 {"N5", "Открыть программу", QKeySequence(Qt::CTRL | Qt::Key_O),
                  &W::ChooseProgramToOpen},
                 {"N6", "Сохранить программу как", QKeySequence(Qt::CTRL | Qt::Key_U),
                  &W::SaveProgramAs},
                 {"N14", "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S), &W::Save},
                 {"N7", "Закрыть", QKeySequence(Qt::CTRL | Qt::Key_Q), &W::CloseProgram},
                 {"N8", "Выход", QKeySequence(), &W::Exit},
             });
    FSaveAsAction = findChild<QAction*>(QStringLiteral("N6"));
    CreateRecentMenu();

    FProgramMenu = AddMenu(bar, "N3", "Программа");
    addItems(FProgramMenu,
             {
                 {"N9", "Компилировать", QKeySequence(Qt::Key_F9), &W::Compile},
                 {"N13", "Информация", QKeySequence(Qt::Key_F10), &W::ShowCompileInformation},
                 {"N15", "Путь", QKeySequence(), &W::ShowProgramPath},
                 {"N16", "Перейти к адресу", QKeySequence(Qt::CTRL | Qt::Key_G), &W::GoToAddress},
                 {"N17", "Сохранить образ в Intel HEX…", QKeySequence(), &W::ExportIntelHex},
                 {"N18", "Листинг", QKeySequence(Qt::CTRL | Qt::Key_L), &W::ShowListing},
                 {"N19", "Модель платы", QKeySequence(Qt::CTRL | Qt::Key_F9), &W::ShowBoard},
                 {"N20", "Точка остановки", QKeySequence(Qt::CTRL | Qt::Key_B),
                  &W::ToggleStopPointAtCaret},
                 {"NUpdateJumps", "Обновить адреса переходов", QKeySequence(), &W::UpdateJumps},
                 {"NNameJumps", "Назвать переходы", QKeySequence(), &W::NameJumps},
                 {"NJumpTarget", "Перейти к цели перехода", QKeySequence(Qt::Key_F12),
                  &W::GoToJumpTarget},
                 {"NLcdText", "Вставить текст для ЖКИ…", QKeySequence(), &W::InsertLcdText},
                 {"NWriteEeprom", "Записать в EEPROM", QKeySequence(), &W::WriteEeprom},
                 {"NProgrammer", "Программатор…", QKeySequence(), &W::ChangeProgrammer},
             });

    addItems(AddMenu(bar, "N4", "Помощь"),
             {
                 {"N10", "По командам", QKeySequence(Qt::Key_F1), &W::ShowCommandReference},
                 {"N11", "По программе", QKeySequence(), &W::ShowProgramHelp},
                 {"Web1", "Web", QKeySequence(), &W::OpenWebPage},
                 {"N12", "О программе", QKeySequence(), &W::ShowAbout},
             });
}

void TMainWindow::ShowCompileInformation() {
    FDialogs.ShowMessage(SizeInformationText(FCounters.CommandCount, FCounters.ProgramSize));
}

void TMainWindow::ShowCommandReference() {
    if (FCommands)
        FCommands->ShowInFront();
}

void TMainWindow::ShowProgramHelp() {
    if (FHelp)
        FHelp->ShowInFront();
}

void TMainWindow::OpenWebPage() {
    OpenProductWebPage(FShell);
}

void TMainWindow::ShowAbout() {
    if (FAbout)
        FAbout->ShowModal();
}
