#!/usr/bin/env bash
# pathnab-forms on real files in a temporary folder: the rows, both syntaxes, JSON, awkward
# names and the command line's errors. Stops at the first failure and says what went wrong.
set -uo pipefail

bin=${PATHNAB_BIN:?PATHNAB_BIN must name the folder of the built programs}
forms=$(cd "$bin" && pwd)/pathnab-forms  # absolute: some checks run in another folder
[ -x "$forms" ] || { echo "FAIL: $forms is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The folder's own spelling, so that the expected full paths match what the file system says.
dir=$(cd "$work" && pwd -P)/files
mkdir "$dir"

not_shared="(The file is not located on a shared device)"
no_file="(No file selected)"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs pathnab-forms with a time limit; stdout, stderr and status land in $work/out, err, status.
run_forms() {
    timeout 20 "$forms" "$@" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
}

expect_status() {
    local wanted=$1 what=$2 got
    got=$(cat "$work/status")
    [ "$got" = "$wanted" ] || fail "$what: exit status $got, expected $wanted; stderr: $(cat "$work/err")"
}

expect_same_bytes() {
    local expected=$1 what=$2
    cmp -s "$expected" "$work/out" || {
        echo "--- expected" >&2; od -c "$expected" | head -20 >&2
        echo "--- got" >&2; od -c "$work/out" | head -20 >&2
        fail "$what: output differs from the expected bytes"
    }
}

# The rows of an existing local file: the path itself as full and short path (Linux has no
# 8.3 names, so no Short File Name row), and no share holds the temporary folder.
rows_of_existing() {
    local path=$1 name=${1##*/}
    local base=$name
    [[ $name == *.* ]] && base=${name%.*}
    printf '%s\t%s\n' "Full Path" "$path" "File Name" "$name" "Base Name" "$base" \
        "Short Path" "$path" "URL" "file://$path" "UNC" "$not_shared" "UNC URL" "$not_shared"
}

# The rows of a path that names nothing: empty forms and the no-file message.
rows_of_missing() {
    printf '%s\t%s\n' "Full Path" "" "File Name" "" "Base Name" "" "Short Path" "" \
        "URL" "file://" "UNC" "$no_file" "UNC URL" "$no_file"
}

# Checks with python3 that the output holds one JSON array per PATH, on a line of its own,
# with the keys and captions in the window's order and the texts that PATH's rows must have.
# SYNTAX is normal or c. Bytes that are not valid UTF-8 are expected as U+FFFD.
expect_json() {
    local syntax=$1 what=$2
    shift 2
    python3 - "$work/out" "$syntax" "$not_shared" "$no_file" "$@" <<'EOF' || fail "$what: JSON output"
import json, os, sys
out, syntax, not_shared, no_file, *paths = sys.argv[1:]
keys = ["longFullName", "longFileName", "longBaseName", "short", "URL", "UNC", "UNCURL"]
captions = ["Full Path", "File Name", "Base Name", "Short Path", "URL", "UNC", "UNC URL"]

def as_json_text(text):
    return os.fsencode(text).decode("utf-8", errors="replace")

def expected_texts(path):
    if not path or not os.path.exists(path):
        return ["", "", "", "", "file://", no_file, no_file]
    name = path.replace("/", "\\").rsplit("\\", 1)[-1]
    base = name.rsplit(".", 1)[0] if "." in name else name
    full = path.replace("\\", "\\\\") if syntax == "c" else path
    return [full, name, base, full, "file://" + path.replace("\\", "/"), not_shared, not_shared]

with open(out, encoding="utf-8") as lines:
    lines = lines.read().split("\n")
if lines.pop() != "" or len(lines) != len(paths):
    sys.exit(f"{len(lines)} lines for {len(paths)} paths")
for line, path in zip(lines, paths):
    rows = json.loads(line)
    if [list(row) for row in rows] != [["key", "caption", "text"]] * len(rows):
        sys.exit(f"{path!r}: the fields of the rows are {[list(row) for row in rows]}")
    if [row["key"] for row in rows] != keys or [row["caption"] for row in rows] != captions:
        sys.exit(f"{path!r}: keys and captions {[(row['key'], row['caption']) for row in rows]}")
    expected = [as_json_text(text) for text in expected_texts(path)]
    if [row["text"] for row in rows] != expected:
        sys.exit(f"{path!r}: texts {[row['text'] for row in rows]}, expected {expected}")
EOF
}

# --- An ordinary file: seven rows with the exact captions, in order.
file="$dir/some file.txt"
echo hello >"$file"
run_forms -- "$file"
expect_status 0 "some file.txt"
rows_of_existing "$file" >"$work/expected"
expect_same_bytes "$work/expected" "some file.txt"
[ "$(cut -f1 "$work/out" | paste -sd'|')" = "Full Path|File Name|Base Name|Short Path|URL|UNC|UNC URL" ] ||
    fail "captions of some file.txt: $(cut -f1 "$work/out" | paste -sd'|')"
[ -s "$work/err" ] && fail "some file.txt wrote to stderr: $(cat "$work/err")"

# --- The C syntax: a POSIX path holds no backslash, so the forms are the same.
run_forms --syntax=c "$file"
expect_status 0 "--syntax=c"
expect_same_bytes "$work/expected" "--syntax=c on a POSIX path"
run_forms --syntax=normal "$file"
expect_status 0 "--syntax=normal"
expect_same_bytes "$work/expected" "--syntax=normal"

# A backslash is an ordinary byte of a Linux name: the C syntax doubles it where the window
# would, and the URL is made from the undoubled path.
slashed="$dir/back\\slash.txt"
touch "$slashed"
run_forms --syntax=c --json -- "$file" "$slashed"
expect_status 0 "--syntax=c with a backslash"
expect_json c "--syntax=c with a backslash" "$file" "$slashed"
grep -qF '"text":"slash.txt"' "$work/out" || fail "--syntax=c: the backslash does not end the file name"

# --- JSON: parses, keys and captions in order, texts as in the plain output.
run_forms --json "$file"
expect_status 0 "--json"
expect_json normal "--json" "$file"
# Options may follow the paths.
run_forms "$file" --json
expect_status 0 "--json after the path"
[ "$(head -c 2 "$work/out")" = '[{' ] || fail "--json after the path: $(head -c 80 "$work/out")"

# --- Awkward names, each written byte for byte in the plain output.
awkward_names=(
    "it's \"quoted\" & (so).txt"
    $'tab\there.txt'
    $'new\nline.txt'
    $'trailing newline\n'
    "-leading-dash.txt"
    $'\xff\xfe not utf-8.txt'
    $'caf\xc3\xa9 mixed \xe9.txt'
    ".profile"
    "archive.tar.gz"
    "no extension"
    "*?[glob]\$HOME"
)
awkward_paths=()
for name in "${awkward_names[@]}"; do
    path="$dir/$name"
    awkward_paths+=("$path")
    touch "$path" || fail "cannot create $(printf '%q' "$name")"
    run_forms -- "$path"
    expect_status 0 "$(printf '%q' "$name")"
    rows_of_existing "$path" >"$work/expected"
    expect_same_bytes "$work/expected" "$(printf '%q' "$name")"
done
run_forms --json -- "${awkward_paths[@]}"
expect_status 0 "--json of the awkward names"
expect_json normal "--json of the awkward names" "${awkward_paths[@]}"

# In JSON a byte that is not valid UTF-8 becomes U+FFFD; valid UTF-8 stays as it is.
run_forms --json -- "$dir/"$'\xff\xfe not utf-8.txt' "$dir/"$'caf\xc3\xa9 mixed \xe9.txt'
expect_status 0 "--json with bytes that are not UTF-8"
python3 - "$work/out" <<'EOF' || fail "--json with bytes that are not UTF-8: $(cat "$work/out")"
import json, sys
names = [json.loads(line)[1]["text"] for line in open(sys.argv[1], encoding="utf-8")]
sys.exit(names != ["\ufffd\ufffd not utf-8.txt", "caf\u00e9 mixed \ufffd.txt"])
EOF

# A path that starts with a dash, relative to the working folder, after "--".
(cd "$dir" && timeout 20 "$forms" -- "-leading-dash.txt" >"$work/out" 2>"$work/err"; echo $? >"$work/status")
expect_status 0 "relative -leading-dash.txt after --"
[ "$(sed -n 2p "$work/out")" = $'File Name\t-leading-dash.txt' ] ||
    fail "relative -leading-dash.txt: $(sed -n 2p "$work/out")"
# Without "--" it is an unknown option.
(cd "$dir" && timeout 20 "$forms" "-leading-dash.txt" >"$work/out" 2>"$work/err"; echo $? >"$work/status")
expect_status 2 "-leading-dash.txt without --"

# --- A FIFO is named, never opened: a reader would wait for a writer forever.
mkfifo "$dir/pipe"
run_forms -- "$dir/pipe"
expect_status 0 "FIFO"
rows_of_existing "$dir/pipe" >"$work/expected"
expect_same_bytes "$work/expected" "FIFO"

# --- A folder, the root folder and a path of about 4,000 bytes that exists.
mkdir "$dir/folder.d"
long="$dir/folder.d"
while [ ${#long} -lt 3800 ]; do long="$long/$(printf 'x%.0s' {1..200})"; done
mkdir -p "$long" && long="$long/deep file.txt" && touch "$long" || fail "cannot create the long path"
for path in "$dir/folder.d" / "$long"; do
    run_forms -- "$path"
    expect_status 0 "existing ${path:0:60}"
    rows_of_existing "$path" >"$work/expected"
    expect_same_bytes "$work/expected" "existing ${path:0:60}"
done

# --- Paths that name nothing: a missing file, the empty path, 10,000 characters.
ten_thousand=$(printf 'p%.0s' {1..10000})
for path in "$dir/missing.txt" "" "/$ten_thousand" "$dir/some file.txt/below a file"; do
    run_forms -- "$path"
    expect_status 0 "missing ${path:0:60}"
    rows_of_missing >"$work/expected"
    expect_same_bytes "$work/expected" "missing ${path:0:60}"
done
run_forms --json -- "$dir/folder.d" / "$long" "$dir/missing.txt" "" "/$ten_thousand"
expect_status 0 "--json of existing and missing paths"
expect_json normal "--json of existing and missing paths" "$dir/folder.d" / "$long" "$dir/missing.txt" "" "/$ten_thousand"

# --- Several paths: one block each, an empty line between two; JSON: one line each.
run_forms -- "$file" "" "$dir/pipe"
expect_status 0 "three paths"
{ rows_of_existing "$file"; echo; rows_of_missing; echo; rows_of_existing "$dir/pipe"; } >"$work/expected"
expect_same_bytes "$work/expected" "three paths"
run_forms --json -- "$file" "" "$dir/pipe"
expect_status 0 "three paths as JSON"
expect_json normal "three paths as JSON" "$file" "" "$dir/pipe"

# Many paths in one run.
mapfile -t many < <(for i in $(seq 1000); do echo "$file"; done)
run_forms --json -- "${many[@]}"
expect_status 0 "1,000 paths"
[ "$(wc -l <"$work/out")" -eq 1000 ] || fail "1,000 paths gave $(wc -l <"$work/out") JSON lines"

# --- A network error goes to stderr, once per path, and leaves the UNC row empty. Hiding the
# mount table in a private mount namespace makes the universal-name query fail.
if unshare -m true 2>/dev/null; then
    unshare -m bash -c 'mount -t tmpfs none /proc && exec timeout 20 "$0" -- "$@"' "$forms" "$file" "$file" \
        >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
    expect_status 0 "network error"
    [ "$(cat "$work/err")" = $'pathnab-forms: Bad network. Error code 59\npathnab-forms: Bad network. Error code 59' ] ||
        fail "network error on stderr: $(cat "$work/err")"
    { rows_of_existing "$file"; echo; rows_of_existing "$file"; } |
        sed -e $'s/^UNC\t.*/UNC\t/' -e $'s/^UNC URL\t.*/UNC URL\tfile:\/\//' >"$work/expected"
    expect_same_bytes "$work/expected" "network error"
else
    echo "NOTE: the network-error check did not run: unshare -m is not allowed here" >&2
fi

# --- The command line.
run_forms --help
expect_status 0 "--help"
head -1 "$work/out" | grep -q '^Usage: pathnab-forms ' || fail "--help: $(head -1 "$work/out")"
[ -s "$work/err" ] && fail "--help wrote to stderr"

run_forms --version
expect_status 0 "--version"
grep -qxE 'pathnab-forms 1\.0\.[0-9]+' "$work/out" || fail "--version: $(cat "$work/out")"

# Usage errors: status 2, nothing on stdout, one line on stderr that names the problem.
usage_errors=(
    "--frobnicate|--frobnicate"
    "--syntax=cobol|cobol"
    "--syntax|--syntax"
    "-x|-x"
    "|no path"
    "--|no path"
    "--json|no path"
    $'--a\nb|--a\\nb'
    $'--syntax=x\ty\e[2J|x\\ty\\x1b[2J'
)
for case in "${usage_errors[@]}"; do
    argument=${case%%|*} message=${case#*|}
    if [ -n "$argument" ]; then run_forms "$argument"; else run_forms; fi
    expect_status 2 "usage error '$argument'"
    [ -s "$work/out" ] && fail "usage error '$argument' wrote to stdout"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "usage error '$argument': $(cat "$work/err")"
    grep -qF -- "$message" "$work/err" || fail "usage error '$argument' does not say '$message': $(cat "$work/err")"
done

# A full disk is a failure, not a success with the forms lost.
timeout 20 "$forms" -- "$file" >/dev/full 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "writing to /dev/full: exit status $status, expected 1"
grep -q 'cannot write' "$work/err" || fail "writing to /dev/full: $(cat "$work/err")"

echo "pathnab-forms: all checks passed"
