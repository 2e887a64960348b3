#!/usr/bin/env bash
# check_format.sh on a made-up repository: a new file fails the check before
# its first commit; one in a build folder (ignored, or configured by CMake
# anywhere) does not count.
#   check_format_tree.sh CLANG_FORMAT CHECK_FORMAT_SH ROOT
set -uo pipefail
clang_format=$1 check=$2 root=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
verdict() { bash "$check" "$clang_format" "$work" > "$work/verdict.txt" 2>&1; }

cp "$root/.clang-format" "$work/"
printf 'int Formatted() {\n    return 1;\n}\n' > "$work/kept.cpp"
printf '/out/\n' > "$work/.gitignore"
git -C "$work" init -q && git -C "$work" add -A && git -C "$work" -c user.name=t -c user.email=t@t commit -qm one
verdict || fail "a formatted tree: $(cat "$work/verdict.txt")"

unformatted='int   Drifted( ){return 2;}\n'
printf "$unformatted" > "$work/new.cpp"
verdict && fail "a new unformatted file passed before its commit"
grep -q 'new.cpp' "$work/verdict.txt" || fail "the new file is not named: $(cat "$work/verdict.txt")"

mkdir -p "$work/out" "$work/build-fork/gen"
mv "$work/new.cpp" "$work/out/ignored.cpp"
printf "$unformatted" > "$work/build-fork/gen/made.cpp"
: > "$work/build-fork/CMakeCache.txt"
verdict || fail "files of build folders counted: $(cat "$work/verdict.txt")"
exit "$failed"
