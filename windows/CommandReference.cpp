// The command reference window and its text.
#include "windows/CommandReference.h"

#include "platform/WindowStyle.h"

#include <array>

namespace {

// Several lines hold two spaces in a row; they are part of the text.
constexpr std::array<const char*, 27> kLines{
    "Описание работы с командами",
    "Тип данных, используемый в программе - HEX (шестнадцатеричный)",
    "",
    "Шаблоны команд:",
    "________________________________",
    "слово  - однобайтная команда",
    "пример:",
    "",
    "incd  -инкрементирование порта D",
    "",
    "________________________________",
    "слово_44 -двухбайтовая команда (слово[\"@\" или \"_\"]данные(HEX) )",
    "",
    "пример:",
    "",
    "delay_64  - пауза 100 мс. (64 hex=100 deg)",
    "________________________________",
    "",
    "команда goto_XXXX",
    "-безусловное перемещение по памяти",
    "пример:",
    "",
    "goto_00F5  -перемещение в памяти  на адрес F5 (hex)",
    "",
    "Особое внимание-",
    "при написании адреса перехода, старайтесь подсчитывать",
    "команды и их размер!",
};

} // namespace

TCommandReference::TCommandReference(QWidget* parent)
    : TTextWindow({QStringLiteral("Описание комонд"),
                   {491, 483},
                   {8, 8, 473, 465},
                   true,
                   WindowFont(QStringLiteral("MS Sans Serif"), 13),
                   kLines},
                  parent) {
    setObjectName(QStringLiteral("Form3"));
}
