"""Bounded polling instead of fixed sleeps."""
import time


class TimedOut(AssertionError):
    pass


def wait_until(condition, what, timeout=30.0, interval=0.05):
    """Calls condition until it returns something truthy and returns that; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimedOut(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)
