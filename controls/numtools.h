#pragma once

// The numeric display field and the classes it builds on.
#include "tcustomnumlabel.h"
#include "tcustomstredit.h"
#include "tnumlabel.h"
