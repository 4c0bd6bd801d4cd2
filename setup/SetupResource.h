#pragma once
// Shared by the resource script and the program.

#define IDD_SETUP 101
#define IDC_DESKTOP 1000
#define IDC_SENDTO 1001
#define IDC_STARTUP 1002
