#pragma once

// The program's start: single-instance guard, splash, data module, main window,
// message loop, and a clean exit.
int runSports(int argc, char *argv[]);
