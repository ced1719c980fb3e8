#include "comm/CommEngine.h"
