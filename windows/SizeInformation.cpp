// The size information text.
#include "windows/SizeInformation.h"

QString SizeInformationText(long long commandCount, long long programSize) {
    return QStringLiteral("Количество откомпилированых команд ") + QString::number(commandCount) +
           QStringLiteral(" шт. ") + QStringLiteral("Размер программы составляет ") +
           QString::number(programSize) + QStringLiteral(" байт");
}
