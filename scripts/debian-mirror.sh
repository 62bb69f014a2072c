# Sourced by setup.sh and build-vm.sh: the Debian archive this machine's apt already uses, so that
# a machine behind a mirror or proxy of its own works as it is. find_debian_archive sets
# debian_mirror (Debian's own archive for bookworm), debian_security (bookworm-security; empty when
# the machine has none) and debian_proxy (apt's HTTP proxy, empty when none); it fails, saying what
# to add, when apt knows no such archive.

# "RELEASE URI" for each package index that apt's policy gives Debian as its origin. A vendor's
# repository for bookworm names another origin; the policy knows them once the lists are fetched.
debian_indexes() {
  apt-cache policy 2>/dev/null | awk '
    /^ *-?[0-9]+ / && NF >= 4 { uri = $2; next }
    /^ +release / {
      if (uri != "" && $0 ~ /[ ,]o=Debian(,|$)/ && match($0, /[ ,]n=[^,]*/))
        print substr($0, RSTART + 3, RLENGTH - 3), uri
      uri = ""
    }'
}

# An address that debootstrap and the test machine's apt can use: an http(s) one as it stands, the
# first http(s) address of a mirror+file: list; none for a disc, a local folder or anything else.
usable_uri() {
  local list
  case $1 in
    http://* | https://*) echo "${1%/}" ;;
    mirror+file:*)
      list=$(printf '%s' "${1#mirror+file:}" | sed 's|^/*|/|')
      [ -r "$list" ] && awk '$1 ~ /^https?:\/\// { sub(/\/$/, "", $1); print $1; exit }' "$list"
      ;;
  esac
}

find_debian_archive() {
  local release uri
  debian_mirror= debian_security=
  while read -r release uri; do
    uri=$(usable_uri "$uri") || true
    [ -n "$uri" ] || continue
    case $release in
      bookworm) debian_mirror=${debian_mirror:-$uri} ;;
      bookworm-security) debian_security=${debian_security:-$uri} ;;
    esac
  done < <(debian_indexes)
  debian_proxy=$(apt-config dump 2>/dev/null | sed -n 's/^Acquire::http::Proxy "\(.*\)";$/\1/p' | head -n1)
  [ -n "$debian_mirror" ] && return 0
  echo "apt knows no Debian archive for bookworm at an http or https address: add one to its sources," \
    "for example the line \"deb http://<a Debian mirror>/debian bookworm main\" in /etc/apt/sources.list," \
    "run apt-get update, then run this again" >&2
  return 1
}
