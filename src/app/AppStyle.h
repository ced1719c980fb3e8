#pragma once

class QApplication;

// The program's look: the Fusion style with a light palette and a few rules for the button
// bar, the section titles and the state chip. Sizes follow the font, so HiDPI screens scale.
void ApplyAppStyle(QApplication& app);
