#pragma once

// The size in pixels of the system's smallest readable font: no text of the program's
// pictures (marks, badges, band labels) is drawn smaller.
int SmallestFontPixels();
