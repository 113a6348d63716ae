#pragma once
// The headless driver as a whole: arguments, the virtual platform, sessions, reports and the
// command that joins them.
#include "tools/driver/args.h"
#include "tools/driver/command.h"
#include "tools/driver/json.h"
#include "tools/driver/report.h"
#include "tools/driver/session.h"
#include "tools/driver/virtual_platform.h"
