#pragma once

#include <ostream>

// Runs the server as COM starts it ("-Embedding"): offers the messenger
// class until the last object goes, then returns the exit code.
int RunServer(std::ostream& err);

// "/regserver" and "/unregserver": the class, the type library and the
// interfaces under HKEY_CLASSES_ROOT, where Wine's COM looks for them.
int RegisterServer(std::ostream& out, std::ostream& err);
int UnregisterServer(std::ostream& out, std::ostream& err);
