#include "KarvutoApp.h"
