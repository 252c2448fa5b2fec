#pragma once

#include "account/client.h"

#include <memory>

class CliContext;

// The cloud client the app would build on this data directory: --server wins over the app's
// Server preference, and the environment over both. Null (after a message) when the database
// holding the preference cannot be read.
std::unique_ptr<CorvantisAccount::Client> openCloudClient(CliContext &context);

// Restores the sign-in of `client` from its stored tokens; false when nobody is signed in.
bool restoreCloudSignIn(CorvantisAccount::Client *client);
