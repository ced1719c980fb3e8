#include "comm/ModbusRtu.h"
