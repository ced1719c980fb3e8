#include "comm/RegisterMap.h"
