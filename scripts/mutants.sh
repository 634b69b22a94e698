#!/usr/bin/env bash
# How many small faults in the product code do the unit tests catch?
#
# Picks a fixed sample of mutants (same seed, same sorted file list: the same
# mutants each run while the sources stay put) over core/ and blocks/: a
# comparison flipped, a constant off by one, a statement dropped, a byte
# order swapped, a bounds check removed. Each is applied to a copy of the
# tree in build/mutants/src (the worktree is never touched), the unit-test
# program is rebuilt there (-O1, only that target) and run with a timeout.
# A mutant is killed when the build of the tests passes and they fail.
#
#   scripts/mutants.sh [count] [seed]      # defaults: 60 mutants, seed 7
#   MUTANTS_ONLY=12 scripts/mutants.sh     # run only mutant 12 of the sample
#   MUTANTS_LIST=1 scripts/mutants.sh      # list the sample, build nothing
#   MUTANTS_REV=<commit> scripts/mutants.sh
#       product sources (core/, blocks/) of that commit, tests of the tree:
#       the same mutants for tests of another day
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
count=${1:-60}
seed=${2:-7}
work=$root/build/mutants
src=$work/src
bin=$work/build
jobs=${MUTANTS_JOBS:-2}

rev=${MUTANTS_REV:-}
product=$root
if [ -n "$rev" ]; then
  product=$work/product
  rm -rf "$product" && mkdir -p "$product"
  git -C "$root" archive "$rev" core blocks | tar -C "$product" -xf -
fi

# The sample: one line per mutant, "file<TAB>line<TAB>kind<TAB>before<TAB>after".
sample=$(python3 - "$product" "$count" "$seed" <<'PY'
import os, random, re, sys
root, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])

files = []
for top in ("core", "blocks"):
    for d, _, names in os.walk(os.path.join(root, top)):
        for n in names:
            # Only what the Linux unit tests build.
            if n.endswith(".cpp") and "win32" not in n and n != "exports.cpp":
                files.append(os.path.relpath(os.path.join(d, n), root))
files.sort()

literal = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
flip = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
cmp_re = re.compile(r'(?<=\s)(<=|>=|==|!=|<|>)(?=\s)')
num_re = re.compile(r'(?<![\w.])(\d+)(?![\w.\'])')
call_re = re.compile(r'^\s*[\w:.>\[\]-]+\(.*\);$')
assign_re = re.compile(r'^\s*[\w:.>\[\]*-]+\s*(=|\+=|-=|\|=|&=)\s*[^=].*;$')
bounds_re = re.compile(r'^(\s*(?:\} else )?if \()(.*)(\)\s*(?:return\b.*|\{|break;|continue;)\s*)$')
bounds_words = re.compile(r'size\(\)|length|width|count|offset|limit|max|min|end|<|>')
order_re = re.compile(r'\b(Put)?U16(BE|LE)\(')

def code_spans(line):
    """The parts of a line that are code: not comment, not a literal."""
    cut = line.find("//")
    body = line if cut < 0 else line[:cut]
    spans, at = [], 0
    for m in literal.finditer(body):
        spans.append((at, m.start()))
        at = m.end()
    spans.append((at, len(body)))
    return spans

def inside(spans, a, b):
    return any(s <= a and b <= e for s, e in spans)

kinds = {"cmp": [], "const": [], "drop": [], "order": [], "bounds": []}
for f in files:
    with open(os.path.join(root, f), encoding="utf-8") as fh:
        lines = fh.read().split("\n")
    for no, line in enumerate(lines, 1):
        s = line.strip()
        if not s or s.startswith(("#", "//", "*", "/*")) or "static_assert" in s:
            continue
        spans = code_spans(line)
        for m in cmp_re.finditer(line):
            if inside(spans, m.start(), m.end()) and "template" not in line:
                new = line[:m.start()] + flip[m.group(1)] + line[m.end():]
                kinds["cmp"].append((f, no, line, new))
        for m in num_re.finditer(line):
            if inside(spans, m.start(), m.end()) and "[" not in line[max(0, m.start() - 1):m.start()]:
                new = line[:m.start()] + str(int(m.group(1)) + 1) + line[m.end():]
                kinds["const"].append((f, no, line, new))
        if (call_re.match(line) or assign_re.match(line)) and not s.startswith(("return", "case", "default", "using", "namespace", "throw")) \
                and "const " not in s and "auto " not in s:
            indent = line[:len(line) - len(line.lstrip())]
            kinds["drop"].append((f, no, line, indent + ";"))
        m = bounds_re.match(line)
        if m and bounds_words.search(m.group(2)):
            kinds["bounds"].append((f, no, line, m.group(1) + "false" + m.group(3)))
        for m in order_re.finditer(line):
            if inside(spans, m.start(), m.end()):
                swap = "LE" if m.group(2) == "BE" else "BE"
                new = line[:m.start(2)] + swap + line[m.end(2):]
                kinds["order"].append((f, no, line, new))

rng = random.Random(seed)
share = {"cmp": 0.25, "const": 0.25, "drop": 0.25, "bounds": 0.15, "order": 0.10}
picked = []
for kind in sorted(kinds):
    n = min(len(kinds[kind]), max(1, round(count * share[kind])))
    picked += [(kind,) + c for c in rng.sample(kinds[kind], n)]
picked.sort(key=lambda c: (c[1], c[2], c[0]))
for kind, f, no, before, after in picked[:count]:
    print("\t".join((f, str(no), kind, before.strip(), after.strip())))
PY
)

if [ -n "${MUTANTS_LIST:-}" ]; then
  echo "$sample" | nl -ba
  exit 0
fi

# A fresh copy of the tree; tar keeps the files' times, so only what changed
# since the last run is rebuilt.
rm -rf "$src"
mkdir -p "$src" "$bin"
tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$src" -xf -
if [ -n "$rev" ]; then
  tar -C "$product" -cf - core blocks | tar -C "$src" -xf -
fi
# Files of another revision carry other times: when the product's revision
# changes, all of it is rebuilt; so it is after a run that was stopped
# while a mutant's objects stood (build/mutants/dirty).
if [ -e "$work/dirty" ] || [ "$(cat "$work/product.rev" 2>/dev/null)" != "${rev:-tree}" ]; then
  find "$src/core" "$src/blocks" -type f -exec touch {} +
  echo "${rev:-tree}" >"$work/product.rev"
  rm -f "$work/dirty"
fi
cmake -S "$src" -B "$bin" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
      -DOSTREVAN_TESTS=ON >/dev/null
build() { cmake --build "$bin" --target ostrevan_tests -j "$jobs" >"$work/build.log" 2>&1; }
run() { ( timeout "$limit" "$bin/bin/ostrevan_tests" --gtest_brief=1 >"$work/run.log" 2>&1 ) 2>/dev/null; }

build || { echo "the unmutated tests do not build: see $work/build.log" >&2; exit 2; }
started=$(date +%s)
limit=600
run || { echo "the unmutated tests fail: see $work/run.log" >&2; exit 2; }
limit=$(( ( $(date +%s) - started ) * 3 + 20 ))

# Every mutated file goes back as it was (with a new time, so that make
# rebuilds it), whatever happens.
saved=""
restore() {
  if [ -n "$saved" ]; then
    cp "$product/$saved" "$src/$saved"
    touch "$src/$saved"
    saved=""
  fi
}
trap restore EXIT INT TERM

killed=0; survived=0; broken=0; n=0; survivors=""
while IFS=$'\t' read -r file line kind before after; do
  n=$((n + 1))
  [ -n "${MUTANTS_ONLY:-}" ] && [ "$n" != "$MUTANTS_ONLY" ] && continue
  saved=$file
  touch "$work/dirty"
  python3 - "$src/$file" "$line" "$after" <<'PY'
import sys
path, no, after = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lines = open(path, encoding="utf-8").read().split("\n")
indent = lines[no - 1][:len(lines[no - 1]) - len(lines[no - 1].lstrip())]
lines[no - 1] = indent + after
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
  place="$file:$line [$kind] $before  ->  $after"
  if ! build; then
    broken=$((broken + 1)); verdict="does not build"
  elif run; then
    survived=$((survived + 1)); verdict="SURVIVED"; survivors+="  #$n $place"$'\n'
  else
    killed=$((killed + 1)); verdict="killed"
  fi
  printf '#%-3d %-14s %s\n' "$n" "$verdict" "$place"
  restore
done <<<"$sample"

build && rm -f "$work/dirty"
echo
echo "score: $killed killed of $((killed + survived)) (survived $survived, $broken did not build; seed $seed${rev:+; product of $rev})"
[ -z "$survivors" ] || printf 'survivors:\n%s' "$survivors"
