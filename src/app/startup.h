#pragma once

class frmMain;

namespace toevane {

// True when a graphical display can be reached. Otherwise prints one line to
// standard error saying how to get one.
bool ensureDisplay();

// Application-wide settings: names, icon, style, desktop file name.
void configureApplication();

// The start sequence: single-instance guard, seeding, update reminder, the
// questionnaire window and the choice of its promotional label. Returns the
// questionnaire window, or null when another copy is running (this copy has
// then been ended through EndProgram).
frmMain *startUp();

} // namespace toevane

// Program-wide: the number CoBrand_Randomize drew, 1 to 6.
extern short intCoBrandRandomNumber;

// Brings lblCobrand (odd draw) or lblFullBrand (even draw) to the front of
// the questionnaire window.
void CoBrand_Randomize(frmMain &questionnaire);
