// The Technical Manual's reference chapters, written from the drive data the
// simulator itself builds at start-up, so the manual and the keypad never
// disagree about a code, a range or a default.
#pragma once

#include <QString>

#include "core/DriveData.h"

namespace qd::qt {

// Every parameter (the placeholder "---00" left out), one table per group letter.
QString ParameterChapter(const DriveData& data);
// The U monitors.
QString MonitorChapter(const DriveData& data);
// Faults, alarms, operation errors and auto-tuning errors with their descriptions.
QString FaultChapter(const DriveData& data);
// The setting lists of the multi-function inputs and outputs.
QString SettingTextChapter();
// The basic parameters (access level 3 or below in some control method): the
// short list a trainee sets first.
QString BasicParameterTable(const DriveData& data);

}  // namespace qd::qt
