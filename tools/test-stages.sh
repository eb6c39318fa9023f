# Sourced by run-tests: stages that say what they do and how long it took, and the closing
# lines, one a suite and their sum. Expects $jobs and $logs (a folder for the suites' output).

run_start=$SECONDS
stage_times=()     # "name 1m02s", in the order run, the name without its parentheses
suite_lines=()     # "name: 3 passed, 0 failed", one a suite
total_passed=0
total_failed=0

duration() {  # duration SECONDS
  printf '%dm%02ds' $(($1 / 60)) $(($1 % 60))
}

clock_ticks=$(getconf CLK_TCK)
processor_seconds() {  # the processor time of this shell's finished children so far
  local stat fields
  read -r stat </proc/$$/stat
  read -ra fields <<<"${stat##*) }"  # from the third field on: the children's are 16 and 17
  echo $(((fields[13] + fields[14]) / clock_ticks))
}

# stage NAME COMMAND...: runs COMMAND, announced before and timed after; returns its status.
# The processor time beside the time taken shows how well the stage kept the cores busy.
stage() {
  local name=$1 start=$SECONDS cpu_start status=0
  shift
  cpu_start=$(processor_seconds)
  echo "== $name =="
  "$@" || status=$?
  local took cpu
  took=$(duration $((SECONDS - start)))
  cpu=$(duration $(($(processor_seconds) - cpu_start)))
  stage_times+=("${name%% (*} $took")
  if [ "$status" -eq 0 ]; then
    echo "== $name: done in $took (processor time $cpu) =="
  else
    echo "== $name: FAILED after $took (processor time $cpu) =="
  fi
  return "$status"
}

configure_and_build() {  # configure_and_build BUILD_DIR CMAKE_ARGUMENT...
  local build=$1
  shift
  cmake -S . -B "$build" "$@" >/dev/null && cmake --build "$build" -j"$jobs"
}

build_failed() {  # build_failed SUITE: its tests cannot run, which counts as one failure
  suite_lines+=("$1: the build failed, no test ran")
  total_failed=$((total_failed + 1))
}

# suite NAME BUILD_DIR [CTEST_ARGUMENT...]: runs a build's tests and keeps a line for the end.
# CTest lists skipped tests among those that "did not run"; the closing line names them as
# skipped, with the reason the test gave, so that list is left out here.
suite() {
  local name=$1 build=$2
  shift 2
  local log=$logs/$name.log
  ctest --test-dir "$build" --output-on-failure --no-label-summary -j"$jobs" "$@" 2>&1 |
    tee "$log" |
    awk '/^The following tests did not run:$/ {hide = 1; next}
         hide && /^\t/ {next}
         {hide = 0; print}'
  local status=${PIPESTATUS[0]}
  count_tests "$name" "$log" "$build/Testing/Temporary/LastTest.log"
  return "$status"
}

# count_tests NAME CTEST_OUTPUT LAST_TEST_LOG: a test's line in CTest's output ends in its
# result; what a skipped test said about why is in CTest's full log.
count_tests() {
  local line
  line=$(awk -v name="$1" -v full="$3" '
    /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / {
      test = $0
      sub(/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: /, "", test)
      sub(/ .*/, "", test)
      if ($0 ~ / +Passed +[0-9.]+ sec$/) passed++
      else if ($0 ~ /\*\*\*Skipped +[0-9.]+ sec$/) skipped[++nskipped] = test
      else failed[++nfailed] = test
    }
    END {
      while ((getline text < full) > 0) {
        if (text ~ /^[0-9]+\/[0-9]+ Test: /) { current = text; sub(/^[^:]*: /, "", current) }
        else if (text ~ /: Skipped$/ && (getline text < full) > 0) why[current] = text
      }
      line = sprintf("%s: %d passed, %d failed", name, passed, nfailed)
      if (nfailed) {
        line = line " ("
        for (i = 1; i <= nfailed; i++) line = line (i > 1 ? ", " : "") failed[i]
        line = line ")"
      }
      if (nskipped) {
        line = line sprintf(", %d skipped (", nskipped)
        for (i = 1; i <= nskipped; i++) {
          line = line (i > 1 ? "; " : "") skipped[i]
          if (skipped[i] in why) line = line ": " why[skipped[i]]
        }
        line = line ")"
      }
      printf "%d %d %s\n", passed, nfailed, line
    }' "$2")
  local passed failed
  read -r passed failed line <<<"$line"
  if [ "$passed" -eq 0 ] && [ "$failed" -eq 0 ]; then
    line="$1: no test ran"
    failed=1
  fi
  suite_lines+=("$line")
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
}

# tidy BUILD_DIR: clang-tidy on the build's sources, a file being one check.
tidy() {
  local log=$logs/clang-tidy.log status
  tools/run-clang-tidy "$1" "$jobs" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  local passed failed
  passed=$(grep -cE '^clang-tidy [0-9]+/[0-9]+ .* ok \(' "$log")
  failed=$(grep -cE '^clang-tidy [0-9]+/[0-9]+ .* FAILED: ' "$log")
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    failed=1
  fi
  suite_lines+=("clang-tidy: $passed passed, $failed failed")
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  return "$status"
}

# web BUILD_DIR: the browser's game in headless Chromium (tests/web/run.sh), played against the
# build's quib-shot; its last line counts its tests.
web() {
  local log=$logs/web.log status
  tests/web/run.sh "$1" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  local line passed failed
  line=$(grep -E '^web: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
  read -r passed failed < <(sed -E 's/^web: ([0-9]+) passed, ([0-9]+) failed.*/\1 \2/' <<<"$line")
  if [ -z "$line" ]; then
    line="web: no test ran"
    passed=0
    failed=1
  elif [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    failed=1
    line="web: $passed passed, 1 failed"
  fi
  suite_lines+=("$line")
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  return "$status"
}

# The closing lines: how long each stage took, a line a suite, and the sum.
summarize() {
  local times="" entry
  for entry in "${stage_times[@]}"; do
    times+="${times:+, }$entry"
  done
  echo
  echo "== summary =="
  echo "time: $(duration $((SECONDS - run_start))) in all ($times)"
  printf '%s\n' "${suite_lines[@]}"
  echo "$total_passed passed, $total_failed failed"
  [ "$total_failed" -eq 0 ]
}
