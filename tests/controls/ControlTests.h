#pragma once

// Each test class of the controls lives in its own file and is run from main.
int runBrowseEditTest(int argc, char** argv);
int runCalcEditTest(int argc, char** argv);
int runLabeledEditTest(int argc, char** argv);
int runPickersTest(int argc, char** argv);
int runRunningClockTest(int argc, char** argv);
int runSpinTest(int argc, char** argv);
