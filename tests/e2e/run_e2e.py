#!/usr/bin/python3
"""Runs Quorvane's end-to-end scenarios against a build of the program.

  run_e2e.py --list
  (program options: either --linux-exe, or --exe and the Wine tools)
  run_e2e.py [program options] prepare --describe-tool TOOL
  run_e2e.py [program options] run SCENARIO...
  run_e2e.py [program options] screenshot OUTPUT.png
"""
import argparse
import sys

from driver.linux_program import LinuxProgram
from driver.programs import WineProgram
from driver.window_description import WindowDescription
import scenarios


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="store_true", help="print the scenario names, one a line")
    parser.add_argument("--exe", help="quorvane.exe")
    parser.add_argument("--linux-exe", help="the Linux program, driven instead of quorvane.exe")
    parser.add_argument("--wine-prefix")
    parser.add_argument("--probe", help="window_probe.exe")
    parser.add_argument("--clipboard-tool", help="clipboard_tool.exe")
    parser.add_argument("--description", help="the window description as JSON")
    parser.add_argument("command", nargs="?", choices=["prepare", "run", "screenshot"])
    parser.add_argument("arguments", nargs="*")
    parser.add_argument("--describe-tool", help="quorvane_describe_window, for prepare")
    options = parser.parse_args()

    if options.list:
        print(";".join(scenarios.ALL), end="")
        return 0
    if options.linux_exe:
        program = LinuxProgram(options.linux_exe)
    else:
        program = WineProgram(options.exe, options.wine_prefix, options.probe, options.clipboard_tool)
    if options.command == "prepare":
        program.prepare(options.describe_tool, options.description)
        return 0
    description = WindowDescription.load(options.description)
    if options.command == "screenshot":
        scenarios.save_screenshot(program, description, options.arguments[0])
        return 0
    for name in options.arguments:
        print(f"--- {name}", flush=True)
        scenarios.ALL[name](program, description)
        print(f"--- {name}: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
