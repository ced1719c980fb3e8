#include "comm/FrameLog.h"
