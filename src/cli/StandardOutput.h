#pragma once

#include <QIODevice>

// What most commands print is their result, so standard output that cannot be written whole (a
// full disk, /dev/full, a device that fails) fails the run. Every stream of td700 on standard
// output writes through this one device, which writes at once and keeps the first error.
QIODevice& StandardOutput();

// Called once as the program ends, after the last stream on standard output has been flushed:
// closes standard output (an error that shows only then counts too) and, when anything failed,
// says why on standard error. Gives `status`, or Exit::Failed in place of success.
int FinishStandardOutput(int status);
