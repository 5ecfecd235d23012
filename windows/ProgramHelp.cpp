// The program help window and its text.
#include "windows/ProgramHelp.h"

#include "platform/WindowStyle.h"

#include <array>

namespace {

// Several lines end in a space, and the text ends in an empty line. In "24СXX" the letter after
// 24 is the Cyrillic Es.
constexpr std::array<const char*, 17> kLines{
    "Данная программа является средством ",
    "разработки ",
    "и редактирования алгоритмов для ",
    "интерпретатора",
    "TOVIX. ",
    "Для создания нового проекта - Файл-> ",
    "Новая программа",
    "Остальные действия как и в любом ",
    "другом текстовом редакторе.",
    "Меню Программа: Компиляция - ",
    "компиляция алгоритма для 24\u0421XX.",
    "Информация - данные об используемой ",
    "памяти.",
    "Выходной формат данных- *.bin",
    "",
    "Не забывайте сохраняться!!!",
    "",
};

} // namespace

TProgramHelp::TProgramHelp(QWidget* parent)
    : TTextWindow({QStringLiteral("Помощь по программе"),
                   {441, 419},
                   {0, 0, 441, 417},
                   false,
                   WindowFont(QStringLiteral("MS Sans Serif"), 19, true),
                   kLines},
                  parent) {
    setObjectName(QStringLiteral("Form4"));
}
