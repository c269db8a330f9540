#!/usr/bin/env bash
# Fuzzes every target long, as many at once as there are cores, and prints
# each one's coverage. A target starts from its committed corpus
# (fuzz/corpus/NAME.zip, unpacked in the build folder) and what earlier runs
# found (build/fuzz/fuzz/found/NAME), with the arguments its ctest run has.
#   scripts/fuzz.sh [SECONDS]     each target's time; 600 by default
#   scripts/fuzz.sh --merge       adds the found inputs that reach something
#                                 new to the committed corpora
source "$(dirname "$0")/common.sh"
scripts/deps.sh
scripts/build.sh fuzz >/dev/null
ctest --test-dir build/fuzz --show-only=json-v1 >build/fuzz/tests.json
python3 - build/fuzz/tests.json "$(nproc)" "${1:-600}" <<'PY'
import json, os, re, subprocess, sys, time, zipfile
tests, jobs, mode = json.load(open(sys.argv[1]))['tests'], int(sys.argv[2]), sys.argv[3]
merge = mode == '--merge'
source = os.getcwd()
pending, running, failed = list(tests), [], []

def command(test):
    args, found, corpus = test['command'][:-2], *test['command'][-2:]
    if merge:  # the committed corpus first: it is the one merged into
        return [args[0], '-merge=1', corpus, found]
    return [a if not a.startswith('-max_total_time=') else f'-max_total_time={mode}' for a in args] + \
        ['-print_final_stats=1', found, corpus]

def cwd(test):
    return next(p['value'] for p in test['properties'] if p['name'] == 'WORKING_DIRECTORY')

def zip_up(folder, name):
    """The merged corpus back into its committed zip, the same bytes for the same inputs."""
    with zipfile.ZipFile(os.path.join(source, 'fuzz', 'corpus', name + '.zip'), 'w') as z:
        for f in sorted(os.listdir(folder)):
            info = zipfile.ZipInfo(f, (1980, 1, 1, 0, 0, 0))
            info.compress_type, info.external_attr = zipfile.ZIP_DEFLATED, 0o644 << 16
            z.writestr(info, open(os.path.join(folder, f), 'rb').read())

def report(test, process, log):
    text = open(log, errors='replace').read()
    if process.returncode:
        failed.append(test['name'])
        print(text[-4000:])
    if merge:
        added = re.findall(r'MERGE-OUTER: (\d+) new files', text)
        print(f"{test['name']}: {added[-1] if added else '?'} inputs added to its corpus")
        zip_up(os.path.join(cwd(test), test['command'][-1]), test['name'])
        return
    done = [line for line in text.splitlines() if ' cov: ' in line]
    if not done:
        print(f"{test['name']}: no coverage line (exit status {process.returncode})")
        return
    m = re.search(r'#(\d+)\s+\w+\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)', done[-1])
    print(f"{test['name']}: {m[2]} edges, {m[3]} features, corpus {m[4]} inputs ({m[5]}), {m[1]} runs"
          if m else f"{test['name']}: {done[-1]}")

while pending or running:
    while pending and len(running) < jobs:
        test = pending.pop(0)
        log = os.path.join(cwd(test), test['name'] + '.log')
        with open(log, 'w') as out:
            running.append((test, subprocess.Popen(command(test), cwd=cwd(test), stdout=out,
                                                   stderr=subprocess.STDOUT), log))
    time.sleep(0.5)
    for entry in [r for r in running if r[1].poll() is not None]:
        running.remove(entry)
        report(*entry)
sys.exit(f"fuzz: {', '.join(failed)} failed (their output is above)" if failed else 0)
PY
