#include "logging/AlarmHistory.h"
