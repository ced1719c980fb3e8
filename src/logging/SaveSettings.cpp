#include "logging/SaveSettings.h"
