#pragma once
// Under Wine, tests can compare the editor with the host's own tools.
#include <string>

namespace unixshell {

// The host's path of a Windows path, as Wine maps it, in the ANSI code page
// that command lines take; empty when there is none.
std::string UnixPath(const std::string& windowsPath);
// Runs the command with the host's /bin/sh and waits up to the timeout for it
// to end; its exit status, or -1 when it could not be run in time. The
// command must hold no double quotes or backslashes.
int Run(const std::string& command, unsigned long timeoutMs = 60000);

} // namespace unixshell
