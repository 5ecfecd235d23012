// The command reference window. Its text is data/help/commands.txt, where several lines hold two
// spaces in a row.
#include "windows/CommandReference.h"

#include "platform/WindowStyle.h"

TCommandReference::TCommandReference(QWidget* parent)
    : TTextWindow({QStringLiteral("Описание комонд"),
                   {491, 483},
                   {8, 8, 473, 465},
                   true,
                   WindowFont(QStringLiteral("MS Sans Serif"), 13),
                   QStringLiteral(":/help/commands.txt")},
                  parent) {
    setObjectName(QStringLiteral("Form3"));
}
