#include "comm/ReplyDecoder.h"
