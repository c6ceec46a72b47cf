#pragma once

#include <QIcon>

// The program's icon, drawn rather than shipped: a false-colour square with a spot marker.
QIcon ProgramIcon();
