#include "HelpDlg.h"
