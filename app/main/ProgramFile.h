// The main window's program file: which file the editor holds, whether one is open, whether its
// text has changed since it was loaded or saved.
#pragma once

#include <QString>

struct TProgramFile {
    // The path given at New, Open or Save as. Close leaves a placeholder that nothing reads
    // before New or Open sets it again.
    QString Path;
    // A program is in the editor: New or Open has run since the start or the last Close.
    bool Open = false;
    // The text has changed since it was last loaded or saved.
    bool Changed = false;

    // The path Program > Путь shows and Save writes: empty while no program is open.
    QString ShownPath() const { return Open ? Path : QString(); }
};
