#!/usr/bin/env bash
# The console in English: four runs byte for byte (the default construction with the
# optimum, the U-shape, a refused dialog answer, a problem file with speed limits), no
# Japanese character in any English run (also diagnostics and a failed optimum); the
# language from --lang or the environment (C, POSIX, C.UTF-8, unset and Japanese locales
# keep today's Japanese bytes, an English or German one gives English with the same
# numbers); an unknown --lang is one line and status 2 in both programs.
set -uo pipefail
source "$(dirname "$0")/../support/programs.sh"
cd "$work"
japanese() { grep -qP '[\x{3000}-\x{9fff}\x{ff00}-\x{ffef}]' "$@"; }
run() {  # NAME ANSWERS KEYS ARGS...: out, err and CSVs of a run in its own folder
  local name=$1 answers=$2 keys=$3; shift 3
  mkdir -p "$name"
  (cd "$name" && printf "$answers" | timeout 60 "$batch" --keys "$keys" --csv run.csv "$@" > out 2> err)
}
digest() { (cd "$1" && cat out err run.csv run.reference.csv 2>/dev/null | sha256sum | cut -c1-16); }
full="sssss$(rep 300 f)$(rep 250 s)"
cat > limits.yaml <<'YAML'
robot: {type: scara}
joints: {max_effort: [2, 2], max_velocity: [1.5, 0]}
tool: {max_speed: 1.2}
path: {type: arc}
YAML

while IFS='|' read -r name answers keys args want; do
  eval "run $name \"$answers\" \"$keys\" $args"
  got=$(digest $name)
  [ "${UPDATE:-0}" = 1 ] && { echo "$name $got"; continue; }
  check '[ "$got" = "$want" ]' "English run $name: digest $got, expected $want"
  check '! japanese $name/out $name/err' "English run $name: a Japanese character ($(grep -nP '[\x{3000}-\x{9fff}]' $name/out | head -n 2))"
done <<RUNS
default|n\nn\nn\n|${full}o|--lang en --optimum|a215044aa99b4d90
ushape|n\nn\ny\n3\n0.2 0.0 0.4 0.2\n|${full}|--lang en|37e0f7ea26bf5b92
refused|y\nc\nb\nx 1\n0.5 0.5\nn\nn\n|s|--lang en|14ca4833d0edfea1
limits||sssssssssslsssssssssss$(rep 300 f)$(rep 250 s)|--lang en --problem ../limits.yaml --optimum|297f84e1fe40fdf7
RUNS

# More English runs without a Japanese character: a path out of reach (refused, back to the
# path), the bend too tight to step over with its optimum, keys at every state, a problem
# file refused.
printf 'path: {type: u_shape, radius: 1e-6}\n' > bend.yaml
run reach 'y\nb\n0.3 0.3\nn\ny\n1\n0.2 0.2 0.5 180\n7\n-0.4 0.1 0.8 0\n' "sssstrcf0o" --lang en
run bend '' "$(rep 60 s)tttrcf$(rep 40 l)o" --lang en --problem ../bend.yaml --optimum
printf 'robot: {type: scara}\npath: {type: arc, radius: 2}\n' > far.yaml
run far '' s --lang en --problem ../far.yaml
check '! japanese reach/out reach/err bend/out bend/err far/out far/err' "English diagnostics and refusals hold a Japanese character"
check 'grep -q "calD\|inv()" bend/out reach/out' "the English runs went through a diagnostic"

n=0
# The language of the environment: the Japanese bytes where it is C, POSIX, C.UTF-8, unset or
# Japanese; English (the same numbers) where it is English or German.
run ja '' "$full" --lang ja --problem ../limits.yaml
run en '' "$full" --lang en --problem ../limits.yaml
while IFS='|' read -r envs want; do
  n=$((n + 1)); name=env$n
  mkdir -p $name
  (cd $name && env -u LC_ALL -u LC_MESSAGES -u LANG -u LANGUAGE $envs "$batch" --keys "$full" --csv run.csv --problem ../limits.yaml < /dev/null > out 2> err)
  check 'cmp -s $name/out $want/out && diff -r -x out $name $want > /dev/null' "environment '$envs': not the $want output"
done <<ENVS
LC_ALL=C|ja
LC_ALL=POSIX|ja
LANG=C.UTF-8|ja
|ja
LANG=ja_JP.UTF-8|ja
LANG=en_US.UTF-8|en
LC_ALL=de_DE.UTF-8|en
LANG=ja_JP.UTF-8 LANGUAGE=en|en
ENVS
check 'japanese ja/out && ! japanese en/out' "--lang ja is Japanese and --lang en English"

# An unknown language: one line naming the accepted ones, status 2, nothing run.
"$batch" --lang fr < /dev/null > badlang.out 2> badlang.err; rc=$?
check '[ $rc = 2 ] && [ "$(wc -l < badlang.err)" = 1 ] && grep -q "accepted: ja, en" badlang.err && [ ! -s badlang.out ]' \
  "runner --lang fr: status 2 and one line ($rc: $(cat badlang.err))"
if [ -n "$prog" ]; then
  "$prog" --lang fr < /dev/null > wbadlang.out 2> wbadlang.err; rc=$?
  check '[ $rc = 2 ] && [ "$(wc -l < wbadlang.err)" = 1 ] && grep -q "accepted: ja, en" wbadlang.err' \
    "window program --lang fr: status 2 and one line ($rc: $(cat wbadlang.err))"
fi
[ $fail = 0 ] && echo "english console: all runs as expected"
exit $fail
