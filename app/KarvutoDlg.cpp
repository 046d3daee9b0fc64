#include "KarvutoDlg.h"
