#pragma once

class frmDisplay;
class frmMain;
class frmNagScreen2;

// How the user leaves the program: the close step shared by the two main
// windows, the switches between them, and the end routine.
namespace toevane::shell {

// The close step of both main windows: shows the exit screen (creating it at
// its first showing) and lets the main window go. Never cancels.
void Form_Unload();

// Questionnaire to results: close the questionnaire, hide the exit screen
// that its close step showed, show the results window.
void switchToResults(frmMain *questionnaire, frmDisplay *results);
// Results to a new questionnaire on page 0: close the results window, show
// the new questionnaire, hide the exit screen again.
void switchToQuestionnaire(frmDisplay *results);

// The exit screen if it has been created in this run, else null.
frmNagScreen2 *exitScreen();

} // namespace toevane::shell

namespace modHelp {

// Closes every loaded window, shown or hidden, then ends the process at once.
// Entered again from a close step it started, it returns at once: the outer
// call ends the process.
void EndProgram();

} // namespace modHelp
