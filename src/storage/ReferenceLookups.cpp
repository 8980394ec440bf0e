#include "storage/ReferenceLookups.h"
