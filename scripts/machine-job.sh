# Sourced, not run, after lib.sh: runs programs of the build on the test desktop. Code pages mapped
# from the shared folder can read back as zeros, so the programs run from a copy in a folder of the
# test machine's own.

# The job line that copies FILE... into a fresh DIR of the test machine and enters it.
# Usage: copy_in DIR FILE...
copy_in() {
  local dir=$1
  shift
  printf 'rm -rf %q && mkdir -p %q && cp -r' "$dir" "$dir"
  printf ' %q' "$@"
  printf ' %q/ && cd %q\n' "$dir" "$dir"
}

# Writes JOB (under the project folder, which the machine shares): a copy of FILE... into DIR, then
# the commands read from standard input; runs it on the test desktop and gives back its exit code.
# Usage: run_in_machine JOB DIR FILE... <<EOF commands EOF
run_in_machine() {
  local job=$1 dir=$2
  shift 2
  {
    copy_in "$dir" "$@"
    cat
  } >"$job"
  bash "$here/scripts/wine-run.sh" bash "$job"
}
