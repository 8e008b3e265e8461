#include "document/MemoryImage.h"
