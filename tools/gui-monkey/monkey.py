#!/usr/bin/env python3
"""Random clicks, keys and typed texts against the program under Xvfb, recorded so that a run can
be replayed with replay.py (the same steps.tsv format).

monkey.py PROGRAM_FOLDER OUT_FOLDER MINUTES DISPLAY_NUMBER PROJECT DEALER_FILE [SEED]

PROGRAM_FOLDER (a copy of build/bin, best an address-sanitizer build) is copied into OUT_FOLDER/prog
and started there as the user nobody (so that no random save can write outside OUT_FOLDER), with its
own XDG_RUNTIME_DIR; the disclaimer is agreed to and PROJECT (relative to the program folder) opened
with Ctrl+O. Then random steps run for MINUTES; a program that ends is started again. The steps go to
OUT_FOLDER/steps.tsv, sanitizer reports to OUT_FOLDER/asan.*; the counts are printed at the end.
The run stops at the first sanitizer report. Needs Xvfb and xdotool.
"""
import glob, os, pwd, random, shutil, subprocess, sys, time

prog_in, out, minutes, dnum, project, dealer = sys.argv[1:7]
seed = int(sys.argv[7]) if len(sys.argv) > 7 else int(time.time())
rng = random.Random(seed)
out = os.path.abspath(out)
os.makedirs(out, exist_ok=True)
nobody = pwd.getpwnam("nobody")
display = ":" + dnum
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-ac", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1.5)
env = dict(os.environ, DISPLAY=display)
prog = os.path.join(out, "prog")
shutil.rmtree(prog, ignore_errors=True)
shutil.copytree(prog_in, prog, symlinks=True)
shutil.copy(dealer, os.path.join(prog, "Data", "Dsetfil.dat"))
runtime = os.path.join(out, "rt")
os.makedirs(runtime, mode=0o700, exist_ok=True)
for root, dirs, files in os.walk(out):
    for name in dirs + files:
        os.lchown(os.path.join(root, name), nobody.pw_uid, nobody.pw_gid)
os.chown(out, nobody.pw_uid, nobody.pw_gid)
app_env = dict(env, XDG_RUNTIME_DIR=runtime, HOME=out,
               ASAN_OPTIONS=f"exitcode=86:detect_leaks=0:log_path={out}/asan")
steps = open(os.path.join(out, "steps.tsv"), "w")
t0 = time.time()
counts = {"click": 0, "dclick": 0, "key": 0, "type": 0, "start": 0, "ended": 0}


def record(*fields):
    steps.write("\t".join([f"{time.time() - t0:.2f}", *map(str, fields)]) + "\n")
    steps.flush()


def xdo(*args):
    r = subprocess.run(["xdotool", *args], env=env, capture_output=True, timeout=30)
    return r.stdout.decode()


def demote():
    os.setgid(nobody.pw_gid)
    os.setuid(nobody.pw_uid)


def start():
    counts["start"] += 1
    record("start", counts["start"])
    app = subprocess.Popen(["./pellavan"], cwd=prog, env=app_env, preexec_fn=demote,
                           stdout=open(os.path.join(out, "log"), "a"), stderr=subprocess.STDOUT)
    time.sleep(6)
    g = geometry(xdo("search", "--onlyvisible", "--name", "Legal Disclaimer").split()[:1])
    if g:
        xdo("mousemove", str(g[0] + g[2] * 386 // 1000), str(g[1] + g[3] * 945 // 1000), "click", "1")
        time.sleep(1.5)
        xdo("key", "ctrl+o"); time.sleep(1.5); xdo("type", "--delay", "3", project); xdo("key", "Return")
        time.sleep(2)
    return app


def geometry(ids):
    for wid in ids:
        shell = xdo("getwindowgeometry", "--shell", wid)
        g = dict(line.split("=") for line in shell.split() if "=" in line)
        if "X" in g:
            return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])
    return None


KEYS = ["Return", "Escape", "Tab", "shift+Tab", "space", "Up", "Down", "Left", "Right", "Page_Up",
        "Page_Down", "Home", "End", "Delete", "BackSpace", "F1", "F2", "alt+F4", "minus", "period"]
KEYS += [f"ctrl+{c}" for c in "abcdfghinoprstuxz"] + [f"alt+{c}" for c in "cdefghnoprsuy"]
TEXTS = ["0", "1", "-1", "1.5", "1,000", "abc", "1e308", "0x10", "99999", "", "<h1>x</h1>",
         "x" * 40, "12/30/1899", " ", "%s%n", "-0"]

app = start()
windows, refreshed = [], 0
deadline = time.time() + float(minutes) * 60
while time.time() < deadline:
    if app.poll() is not None:
        counts["ended"] += 1
        record("ended", app.returncode)
        if glob.glob(os.path.join(out, "asan.*")):
            break
        app = start()
        windows = []
    if not windows or time.time() - refreshed > 5:
        ids = xdo("search", "--onlyvisible", "--name", ".").split()
        windows = [g for g in (geometry([w]) for w in ids) if g and g[2] > 20 and g[3] > 20]
        refreshed = time.time()
    name = xdo("getwindowfocus", "-f", "getwindowname").strip()
    kind = rng.choices(["click", "dclick", "key", "type"], [60, 7, 20, 13])[0]
    if kind in ("click", "dclick"):
        x, y, w, h = rng.choice(windows) if windows and rng.random() < 0.9 else (0, 0, 1600, 1000)
        px, py = x + rng.randrange(max(w, 1)), y + rng.randrange(max(h, 1))
        if kind == "click":
            button = rng.choices(["1", "3", "4", "5"], [90, 4, 3, 3])[0]
            record("click", button, px, py, name)
            xdo("mousemove", str(px), str(py), "click", button)
        else:
            record("dclick", px, py, name)
            xdo("mousemove", str(px), str(py), "click", "--repeat", "2", "1")
    elif kind == "key":
        key = rng.choice(KEYS)
        record("key", key, name)
        xdo("key", key)
    else:
        text = rng.choice(TEXTS)
        record("type", repr(text), name)
        xdo("type", "--delay", "2", text)
    counts[kind] += 1
    time.sleep(rng.uniform(0.05, 0.6))

reports = glob.glob(os.path.join(out, "asan.*"))
running = app.poll() is None
if running:
    app.terminate()
    try:
        app.wait(20)
    except subprocess.TimeoutExpired:
        app.kill()
xvfb.terminate()
actions = sum(counts[k] for k in ("click", "dclick", "key", "type"))
print(f"seed {seed}; {time.time() - t0:.0f} s; {actions} actions "
      f"({counts['click']} clicks, {counts['dclick']} double clicks, {counts['key']} keys, "
      f"{counts['type']} texts); {counts['start']} starts, {counts['ended']} ends; "
      f"sanitizer reports: {len(reports)}")
