#!/usr/bin/env python3
"""Times ZelvoTool: from start to exit for a store command (no window), and
from start to its window showing the information report (on a virtual
display). Prints the medians of several runs in milliseconds."""
import os
import statistics
import subprocess
import sys
import tempfile
import time

tool, helper = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp()
env = dict(os.environ, ZELVO_COMMON_APPDATA=work, HOME=work, XDG_CONFIG_HOME=work + "/config",
           XDG_DATA_HOME=work + "/data", TMPDIR=work, QTWEBENGINE_DISABLE_SANDBOX="1")
env.pop("XDG_RUNTIME_DIR", None)
env.pop("DISPLAY", None)

def store_command():
    start = time.perf_counter()
    subprocess.run([tool, 'GETDATA,datakey="k"'], env=env, check=False)
    return (time.perf_counter() - start) * 1000

store_command()  # the first run registers the zvm: handler
store = statistics.median(store_command() for _ in range(15))

xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
env["DISPLAY"] = ":" + xvfb.stdout.readline().strip()

def report_window_found():
    return subprocess.run([helper, "find", "(Orvane Systems Information)"], env=env,
                          capture_output=True, text=True)

def report_window():
    # A window of the run before may still be closing: it must not be taken
    # for this run's.
    while report_window_found().returncode == 0:
        time.sleep(0.05)
    for _attempt in range(5):
        start = time.perf_counter()
        child = subprocess.Popen([tool, "INFODISPLAY"], env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        while child.poll() is None:
            found = report_window_found()
            if found.returncode == 0:
                elapsed = (time.perf_counter() - start) * 1000
                # A close request while the page still loads is ignored: ask again.
                while child.poll() is None:
                    subprocess.run([helper, "close", found.stdout.split()[0]], env=env)
                    time.sleep(0.1)
                return elapsed
            time.sleep(0.01)
        # The tool ended without showing its window (it handed the command to
        # an instance that was still closing): run it again.
        time.sleep(0.2)
    sys.exit("ZelvoTool did not show its report window")

report_window()
window = statistics.median(report_window() for _ in range(5))
xvfb.kill()
print("| tool run | median (ms) |")
print("|---|---:|")
print(f"| store command, start to exit (no window) | {store:.0f} |")
print(f"| INFODISPLAY, start to report window shown | {window:.0f} |")
