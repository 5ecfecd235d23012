// The display settings the workbench gives its editor Memo1: lavender compile-marked rows, a
// 60-pixel gutter with four-digit line numbers, a single grey border.
#pragma once

class TCodeCustomMemo;

void ConfigureWorkbenchDisplay(TCodeCustomMemo& memo);
