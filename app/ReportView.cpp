#include "ReportView.h"
