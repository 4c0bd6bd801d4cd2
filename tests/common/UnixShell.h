#pragma once
// Under Wine, tests can compare the editor with the host's own tools.
#include <string>

namespace unixshell {

// The host's path of a Windows path, as Wine maps it; empty when there is none.
std::string UnixPath(const std::string& windowsPath);
// Runs the command with the host's /bin/sh and waits up to the timeout for it
// to end; true when it exits with 0. The command must hold no double quotes
// or backslashes.
bool Run(const std::string& command, unsigned long timeoutMs = 60000);

} // namespace unixshell
