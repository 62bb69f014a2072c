# Sourced, not run: the prologue the project's scripts share. Stops at the first failing command,
# names the project folder (here) and the build folder (build, BUILD_DIR when set), and works from
# the project folder, so that the scripts' relative paths mean the same wherever they are started.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cd "$here"
