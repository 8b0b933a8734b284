#pragma once

#include <ostream>
#include <string>

// How long the server runs.
enum class ServerLife {
    UntilLastObject, // as COM starts it ("-Embedding")
    UntilStopped,    // "/serve": as a signed-in messenger keeps running, until "msgrsim stop"
};

// Offers the messenger class, then returns the exit code. A server that runs
// until stopped creates the ready file, when one is named, once clients can
// reach it.
int RunServer(std::ostream& err, ServerLife life = ServerLife::UntilLastObject,
              const std::string& strReadyFile = "");

// Ends a server run with "/serve"; false when none runs.
bool StopServedServer();

// "/regserver" and "/unregserver": the class, the type library and the
// interfaces under HKEY_CLASSES_ROOT, where Wine's COM looks for them.
int RegisterServer(std::ostream& out, std::ostream& err);
int UnregisterServer(std::ostream& out, std::ostream& err);
