#pragma once
// The process's main routine: prepares the windowing environment, opens
// MainWindow, runs the message loop and shuts down in order.
int programStart();
// Called once before any window opens, and once after the loop ends.
void programInit();
void programExit();
