#!/usr/bin/python3
"""Reads the headers, the version information and the manifest of the programs the
way Windows does, with a PE reader that shares nothing with the build.
Usage: ProgramResourcesTest.py <program> <file description> [<program> <file description>]..."""
import os
import sys
import xml.etree.ElementTree as ElementTree

import pefile

JAPANESE_SHIFT_JIS = "041103A4"
ASM = "{urn:schemas-microsoft-com:asm.v1}"
ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
WINDOWS_SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
VISTA_TO_11 = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
}
failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def version_strings(pe, name):
    tables = [table for info in getattr(pe, "FileInfo", []) for entry in info
              if entry.Key == b"StringFileInfo" for table in entry.StringTable]
    expect([t.LangID for t in tables] == [JAPANESE_SHIFT_JIS.encode()],
           f"{name}: string tables {[t.LangID for t in tables]}, not one {JAPANESE_SHIFT_JIS}")
    translations = [var.entry for info in getattr(pe, "FileInfo", []) for entry in info
                    if entry.Key == b"VarFileInfo" for var in entry.Var]
    expect(translations == [{b"Translation": "0x0411 0x03a4"}], f"{name}: translation {translations}")
    return {key.decode(): value.decode() for t in tables for key, value in t.entries.items()}


def check_version(pe, name, description):
    strings = version_strings(pe, name)
    expected = {
        "FileDescription": description,
        "FileVersion": "1.7.0.0",
        "ProductName": "ZORIX Binary Editor",
        "ProductVersion": "1.07",
        "OriginalFilename": name,
        "InternalName": os.path.splitext(name)[0],
        "CompanyName": "ZORIX Binary Editor developers",
    }
    for key, value in expected.items():
        expect(strings.get(key) == value, f"{name}: {key} is {strings.get(key)!r}, not {value!r}")
    expect("ZORIX Binary Editor developers" in strings.get("LegalCopyright", ""),
           f"{name}: LegalCopyright {strings.get('LegalCopyright')!r}")
    fixed = [(f.FileVersionMS, f.FileVersionLS) for f in getattr(pe, "VS_FIXEDFILEINFO", [])]
    expect(fixed == [(0x00010007, 0)], f"{name}: fixed file versions {fixed}")


def manifests(pe):
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            for entry in kind.directory.entries:
                for language in entry.directory.entries:
                    data = language.data.struct
                    yield entry.id, pe.get_data(data.OffsetToData, data.Size)


def check_manifest(pe, name):
    found = list(manifests(pe))
    expect([id for id, _ in found] == [1], f"{name}: manifests {[id for id, _ in found]}, not one with id 1")
    if not found:
        return
    root = ElementTree.fromstring(found[0][1])
    levels = [(e.get("level"), e.get("uiAccess")) for e in root.iter(f"{ASM3}requestedExecutionLevel")]
    expect(levels == [("asInvoker", "false")], f"{name}: execution levels {levels}")
    controls = [(e.get("version"), e.get("publicKeyToken"), e.get("processorArchitecture"))
                for e in root.iter(f"{ASM}assemblyIdentity") if e.get("name") == "Microsoft.Windows.Common-Controls"]
    expect(controls == [("6.0.0.0", "6595b64144ccf1df", "*")], f"{name}: common controls {controls}")
    systems = {e.get("Id") for e in root.iter(f"{COMPATIBILITY}supportedOS")}
    expect(systems == VISTA_TO_11, f"{name}: supported systems {sorted(systems)}")
    dpi = [e.text for e in root.iter(f"{WINDOWS_SETTINGS}dpiAware")]
    expect(dpi == ["true"], f"{name}: dpiAware {dpi}")
    awareness = ["".join(e.text.split()).lower() for e in root.iter(f"{WINDOWS_SETTINGS_2016}dpiAwareness")]
    expect(awareness == ["permonitorv2,system"], f"{name}: dpiAwareness {awareness}")


arguments = sys.argv[1:]
for path, description in zip(arguments[::2], arguments[1::2]):
    name = os.path.basename(path)
    pe = pefile.PE(path)
    header = (pe.FILE_HEADER.Machine, pe.FILE_HEADER.IMAGE_FILE_LARGE_ADDRESS_AWARE, pe.OPTIONAL_HEADER.Subsystem)
    expect(header == (0x14C, True, 2), f"{name}: machine, large addresses, subsystem {header}, not i386 (332), True, GUI (2)")
    check_version(pe, name, description)
    check_manifest(pe, name)
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
