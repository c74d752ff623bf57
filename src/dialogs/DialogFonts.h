#pragma once

#include <QFont>

// The dialogs' fonts, in pixel sizes of the emulated screen: the
// handheld's narrow sans-serif face (Tahoma, or the closest the desktop
// has) for every control, and its bold form, a little larger, for the
// headings a dialog paints.
QFont DialogFont();
QFont HeadingFont();
