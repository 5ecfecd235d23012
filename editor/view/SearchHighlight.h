// The matches of the find bar's search shown in the text: the painter fills the cells of every
// match on the lines it paints, finding them in each line as it paints it, so that nothing is
// kept in step with edits and no pass over the whole text is made.
#pragma once

#include "editor/Graphics.h"
#include "editor/commands/Search.h"

struct TSearchHighlight {
    TSearchPattern Pattern; // empty: nothing is highlighted
    // 0x00BBGGRR: a light amber that the selection colour and the active line's stand out from.
    TColor Color = 0x7FE6FF;
    // The match found last (the one the find bar counts), in a stronger colour, for the
    // selection is hidden while the bar has the focus; Line -1: none.
    int CurrentLine = -1;
    int CurrentCol = 0;
    TColor CurrentColor = 0x3CA0FF;
};
