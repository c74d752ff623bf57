#include "UnattendedDialogHost.h"

#include <iostream>

DialogResult UnattendedDialogHost::Cancelled(DialogId id)
{
    std::cerr << "vellumbrix: " << DialogName(id) << " cancelled (nobody at the screen)\n";
    return DialogResults::Cancel;
}
