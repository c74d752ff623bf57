#pragma once

class AccountOperations;
class NetworkOperations;

// What the dialogs that talk to the service are given: the sync's
// operations and the one-shot account operations. Either may be missing
// (a program without a service); a step that needs the missing one does
// nothing, as without a connection.
struct NetworkServices {
    NetworkOperations* operations { nullptr };
    AccountOperations* accounts { nullptr };
};
