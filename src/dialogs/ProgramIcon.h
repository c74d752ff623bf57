#pragma once

#include <QPixmap>

// The program's icon, drawn rather than shipped: a camera on the blue of
// the navigation bar, `size` pixels square.
QPixmap ProgramIcon(int size);
