#include "UnattendedDialogHost.h"

#include "dialogs/QtDialogHost.h"

#include <iostream>

DialogResult UnattendedDialogHost::Cancelled(DialogId id, const std::function<DialogResult()>& open)
{
    if (m_real.Has(id)) {
        CancelWhenShown cancel(m_shown);
        // Cancelled whatever it answers: nobody chose anything.
        (void)open();
    }
    std::cerr << "vellumbrix: " << QtDialogHost::ClassName(id) << " cancelled (nobody at the screen)\n";
    return DialogResults::Cancel;
}
