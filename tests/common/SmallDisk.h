#pragma once
#include <windows.h>

#include <string>

#include "tests/common/UnixShell.h"

// A file system of 1 MiB mounted on a new folder (removed at the end), which a
// test fills so that a write needing more room fails as on a full disk.
// Mounting needs root, as CI has.
struct SmallDisk {
    explicit SmallDisk(const std::string& folder)
        : folder(folder), mountPoint((CreateDirectoryA(folder.c_str(), nullptr), unixshell::UnixPath(folder))),
          mounted(unixshell::Run("mount -t tmpfs -o size=1m tmpfs '" + mountPoint + "'") == 0)
    {
    }
    ~SmallDisk()
    {
        unixshell::Run("umount -l '" + mountPoint + "'");
        RemoveDirectoryA(folder.c_str());
    }
    // Takes all room but roomLeft bytes (whole pages) with a file that MakeRoom deletes.
    void Fill(unsigned long roomLeft = 0) const
    {
        const std::string pages = std::to_string((roomLeft + 4095) / 4096);
        unixshell::Run("cd '" + mountPoint + "' && { dd if=/dev/zero of=room bs=4096 count=" + pages +
                       "; dd if=/dev/zero of=fill bs=4096; rm room; } 2>/dev/null");
    }
    void MakeRoom() const { unixshell::Run("rm '" + mountPoint + "/fill'"); }

    const std::string folder, mountPoint;
    const bool mounted;
};
