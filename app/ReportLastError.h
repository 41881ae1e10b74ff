// The shell's report of an operating-system error.
#pragma once

// Shows the system's text for the last operating-system error in a message box captioned "Zarnock".
void ReportLastError();
