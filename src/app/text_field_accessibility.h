#pragma once

// What screen readers get of the window's text fields: the line edits and the editable combo
// boxes, whose edit field is a line edit. Qt's own interfaces fail them there, in Qt 6.4 to
// 6.10 at least:
// - a line edit asked for the word or the sentence at the end of its text (where its caret is
//   after every change of text) never answers: the window freezes;
// - a line edit reports attribute runs of no length, and a screen reader that builds the line
//   it speaks from them drops its last letter;
// - on Linux an editable combo box is named by its text, so that what it is for comes last.
// These interfaces are the program's own, on the widgets' public API.

// Makes every line edit and combo box created or first asked for after this call use them.
// The window calls it before it builds its controls; calling it again does nothing.
void installTextFieldAccessibility();
