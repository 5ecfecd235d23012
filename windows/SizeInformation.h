// The text of Program > "Информация": the size of the last compiled program.
#pragma once

#include <QString>

// "Количество откомпилированых команд N шт. Размер программы составляет M байт", with the
// compiler's CommandCount and ProgramSize in decimal.
QString SizeInformationText(long long commandCount, long long programSize);
