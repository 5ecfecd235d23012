// The editor's questions to its syntax styler.
#include "editor/CodeMemo.h"

bool TCodeCustomMemo::IsWordDelimiter(char c) const { return c == ' '; }

bool TCodeCustomMemo::IsDelimiter(char c) const { return c == ' ' || c == '"' || c == '\''; }

std::string TCodeCustomMemo::BlockStartWord() const { return {}; }

std::string TCodeCustomMemo::BlockEndWord() const { return {}; }
