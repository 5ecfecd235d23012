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
};
