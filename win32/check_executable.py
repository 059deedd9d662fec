#!/usr/bin/python3
"""Checks the built quorvane.exe as it would be shipped: it imports no DLL beyond Windows'
own (so the MinGW runtimes are linked in), stays under 1 MiB, and carries its version.

Usage: check_executable.py EXE OBJDUMP WINDRES VERSION
"""
import os
import re
import subprocess
import sys

WINDOWS_DLLS = {"advapi32.dll", "bcrypt.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
                "shell32.dll", "user32.dll"}
MOST_BYTES = 1024 * 1024


def main(exe, objdump, windres, version):
    headers = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", headers)}
    assert dlls, "no imports found"
    assert dlls <= WINDOWS_DLLS, f"imports DLLs that Windows lacks: {sorted(dlls - WINDOWS_DLLS)}"
    size = os.path.getsize(exe)
    assert size < MOST_BYTES, f"{size} bytes"
    resources = subprocess.run([windres, "-i", exe, "-O", "rc"], capture_output=True, text=True, check=True).stdout
    for field, value in (("ProductName", "Quorvane"), ("FileVersion", version), ("ProductVersion", version)):
        assert f'VALUE "{field}", "{value}"' in resources, f"no {field} {value} in the version resource"
    assert '"DEFAULT_ICON" 14' in resources, "no icon group DEFAULT_ICON"
    print(f"{exe}: {size} bytes, imports {', '.join(sorted(dlls))}, version {version}")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
