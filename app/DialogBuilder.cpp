#include "DialogBuilder.h"
