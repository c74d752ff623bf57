#pragma once

// Creates (or opens) Software\Quillberry, Software\Quillberry\Vellumbrix and
// its Preferences key, in this order, below the current user's root. The
// preference writers only open keys, so this is what lets them work on a
// fresh device. Returns false when a key could not be created.
bool CreatePreferenceKeyChain();
