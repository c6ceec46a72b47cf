#pragma once

#include <QIcon>

// The program's icon, a false-colour square with a spot marker, at every size it is installed in.
QIcon ProgramIcon();
