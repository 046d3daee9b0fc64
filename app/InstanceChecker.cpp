#include "InstanceChecker.h"
