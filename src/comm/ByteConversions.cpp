#include "comm/ByteConversions.h"
