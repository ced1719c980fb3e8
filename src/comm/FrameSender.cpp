#include "comm/FrameSender.h"
