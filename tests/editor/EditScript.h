// Random edit scripts for the property test and the fuzz target: one step is a key or a
// command chosen by a number, and a check that the editor's state is still sound.
#pragma once

#include "EditorFixture.h"

#include <string>
#include <vector>

// Runs step number choice (any value) with parameter param: typing, Enter, Tab, Delete,
// Backspace, Ctrl+Backspace, Ctrl+Y, arrows with and without Shift and Ctrl, Home, End, Page
// keys, Insert, cut, copy, paste of multi-line text, select all, undo and redo when allowed.
// Returns the keys sent, for a transcript.
std::string RunStep(TCodeCustomMemo& memo, FakeHost& host, unsigned choice, unsigned param,
                    bool allowUndo);

// What is wrong with the editor's state, or "" when nothing: the caret and the selection on
// existing lines, the length cache in step with the lines, no line holding a TAB or a line
// break.
std::string CheckState(const TCodeCustomMemo& memo);

// The lines without their trailing bytes of value 32 or below, which the caret adds and
// removes by itself as it moves.
std::vector<std::string> Canonical(const std::vector<std::string>& lines);
