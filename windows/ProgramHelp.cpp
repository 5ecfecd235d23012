// The program help window. Its text is data/help/program.txt: several of its lines end in a space,
// and it ends in an empty line. In "24СXX" the letter after 24 is the Cyrillic Es.
#include "windows/ProgramHelp.h"

#include "platform/WindowStyle.h"

TProgramHelp::TProgramHelp(QWidget* parent)
    : TTextWindow({QStringLiteral("Помощь по программе"),
                   {441, 419},
                   {0, 0, 441, 417},
                   false,
                   WindowFont(QStringLiteral("MS Sans Serif"), 19, true),
                   QStringLiteral(":/help/program.txt")},
                  parent) {
    setObjectName(QStringLiteral("Form4"));
}
