"""A black-box driver for Quorvane's window: a virtual X display, real input, the real
clipboard, and the window's layout taken from the core's description."""
