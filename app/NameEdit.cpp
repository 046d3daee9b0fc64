#include "NameEdit.h"
