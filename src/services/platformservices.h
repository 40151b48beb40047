#pragma once

class ErrorReport;
class ProgramExit;

// The program's own error report and exit on this platform, one file each:
// platformservices_desktop.cpp (a modal message box; the event loop ends) and
// platformservices_browser.cpp (the page shows the report or its end screen,
// since a browser tab can neither block in a nested loop nor close itself).
ErrorReport& platformErrorReport();
ProgramExit& platformProgramExit();
