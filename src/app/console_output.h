#pragma once

// Gives the program's standard output and error to the console it was started from, if any.
// A Windows program without a console window has neither until it asks; one started from
// Explorer has no console and keeps none. Where an output is already given (a pipe, a file), or
// on other platforms, nothing changes.
void useParentConsole();
